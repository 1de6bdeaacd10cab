#include "framework/CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {{0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMapEntry* CCmdTarget::FindEntry(UINT nMessage, UINT nID) const {
  for (const MessageMap* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const MessageMapEntry* entry = map->pEntries; entry->pfnHandler; ++entry) {
      if (entry->nMessage == nMessage && entry->nID == nID) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID) {
  const MessageMapEntry* entry = FindEntry(WM_COMMAND, nID);
  if (!entry) return FALSE;
  entry->pfnHandler(*this, 0, 0);
  return TRUE;
}
