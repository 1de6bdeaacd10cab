// Every text the sequence shows.
#pragma once

extern const char* const g_countdownFormat;
extern const char* const g_progressFormat;
extern const char* const g_cursor;

constexpr int TYPING_SCREENS = 27;
extern const char* const g_typingScript[TYPING_SCREENS];

extern const char* const g_consoleCaption;
extern const char* const g_gotchaCaption;
extern const char* const g_gotchaButtonLabel;
extern const char* const g_gotchaScreen;
