// What the joke should show, written out from how it is meant to behave and
// independently of the program's own tables; shared by the unit and
// end-to-end suites.
#pragma once

#include <string>

extern const char* const kDialogCaption;
extern const char* const kConsoleCaption;
extern const char* const kGotchaCaption;
extern const char* const kGotchaButtonLabel;

constexpr int kTypingEntries = 27;

std::string CountdownText(int secondsLeft);
// Entry 0 to 26 of the typing animation.
std::string TypingText(int entry);
std::string ProgressText(int percent);
std::string GotchaText();
