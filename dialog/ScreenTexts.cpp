#include "dialog/ScreenTexts.h"

const char* const g_countdownFormat =
    "Your hard disk will be formatted in %d seconds!\n\n"
    "ALL DATA WILL BE PERMANTLY LOST!!!\n\n"
    "If you wish to interrupt this operation, press \"Cancel.\"";

// clang-format off
#define PROMPT "C:\\WINDOWS>"
#define COMMAND PROMPT "format c:"
#define WARNING COMMAND "\n\nWARNING, ALL DATA ON NON-REMOVABLE DISK\n" \
                        "DRIVE C: WILL BE LOST!\n" \
                        "Proceed with Format (Y/N)? "
// clang-format on

const char* const g_progressFormat = WARNING "y\n\nFormatting: %3d percent completed.";

const char* const g_cursor = "_";

// Two ticks per screen; the typist slips three times and corrects each slip.
// clang-format off
const char* const g_typingScript[TYPING_SCREENS] = {
    PROMPT,             PROMPT,          PROMPT,           PROMPT,
    PROMPT "f",         PROMPT "fot",    PROMPT "fo",      PROMPT "for",
    PROMPT "form",      PROMPT "forms",  PROMPT "form",    PROMPT "forma",
    PROMPT "format",    PROMPT "format ", PROMPT "format c", PROMPT "format c;",
    PROMPT "format c",  COMMAND,         COMMAND,          COMMAND,
    COMMAND,            COMMAND,         COMMAND,          WARNING,
    WARNING,            WARNING,         WARNING "y",
};
// clang-format on

const char* const g_consoleCaption = "MS-DOS Prompt";
const char* const g_gotchaCaption = "HA HA HA HA HA HA!";
const char* const g_gotchaButtonLabel = "&Whew!";
const char* const g_gotchaScreen = "GOTCHA!\n\nI was just kidding!!\n\nDid I fool you?";
