#include "tests/support/ExpectedScreens.h"

#include <cstdio>

const char* const kDialogCaption = "Disk Utility";
const char* const kConsoleCaption = "MS-DOS Prompt";
const char* const kGotchaCaption = "HA HA HA HA HA HA!";
const char* const kGotchaButtonLabel = "&Whew!";

std::string CountdownText(int secondsLeft) {
  return "Your hard disk will be formatted in " + std::to_string(secondsLeft) +
         " seconds!\n\nALL DATA WILL BE PERMANTLY LOST!!!\n\n"
         "If you wish to interrupt this operation, press \"Cancel.\"";
}

std::string TypingText(int entry) {
  const std::string prompt = "C:\\WINDOWS>";
  // Typed letters per entry: "format c:" with a stray t, a stray s and a
  // semicolon for the colon, each taken back at the next entry.
  const char* const typed[] = {"",       "",        "",         "",          "f",       "fot",
                               "fo",     "for",     "form",     "forms",     "form",    "forma",
                               "format", "format ", "format c", "format c;", "format c"};
  if (entry < 17) return prompt + typed[entry];
  const std::string command = prompt + "format c:";
  if (entry < 23) return command;
  const std::string question =
      command +
      "\n\nWARNING, ALL DATA ON NON-REMOVABLE DISK\nDRIVE C: WILL BE LOST!\n"
      "Proceed with Format (Y/N)? ";
  return entry < 26 ? question : question + "y";
}

std::string ProgressText(int percent) {
  char field[8];
  std::snprintf(field, sizeof field, "%3d", percent);
  return TypingText(kTypingEntries - 1) + "\n\nFormatting: " + field + " percent completed.";
}

std::string GotchaText() { return "GOTCHA!\n\nI was just kidding!!\n\nDid I fool you?"; }
