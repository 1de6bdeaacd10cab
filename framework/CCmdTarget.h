// Static message tables: each class lists message or command identifiers and
// the member that handles them; lookups walk from a class up to its bases.
#pragma once

#include "framework/Afx.h"

using MessageHandler = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
  UINT nMessage;  // WM_COMMAND entries also carry the command identifier
  UINT nID;
  MessageHandler pfnHandler;
};

struct MessageMap {
  const MessageMap* (*pfnGetBaseMap)();
  const MessageMapEntry* pEntries;  // ends with a null handler
};

class CCmdTarget {
public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Runs the handler of command nID, if this object's tables have one.
  virtual BOOL OnCmdMsg(UINT nID);

protected:
  const MessageMapEntry* FindEntry(UINT nMessage, UINT nID) const;

  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
};

#define DECLARE_MESSAGE_MAP()                   \
protected:                                      \
  static const MessageMap* GetThisMessageMap(); \
  const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass = theClass;                                                     \
    using TheBaseClass = baseClass;                                                 \
    static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                    \
  {0, 0, nullptr},                                                           \
  }                                                                          \
  ;                                                                          \
  static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }
