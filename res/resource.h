// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDI_DOS_PROMPT 130
#define IDR_HOTKEYS 131
#define IDI_BLANK 132
#define IDI_GOTCHA 133
#define IDD_FORMAT_DIALOG 102
#define FORMAT_DIALOG_CAPTION "Disk Utility"
#define IDR_CLICK 100

#define IDC_ICON_STATIC 132
#define IDC_CANCEL_BUTTON 1000

#define ID_REVEAL_NOW 32771
#define ID_SKIP_PHASE 32772
