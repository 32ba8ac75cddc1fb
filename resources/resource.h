// Identifiers shared by the resource script and the code that uses it.
#pragma once

// Error dialog "ERROR": the buttons close it with their id.
#define IDC_ERROR_ABORT 1
#define IDC_ERROR_IGNORE 2
#define IDC_ERROR_RETRY 3
#define IDC_ERROR_DEBUG 4
#define IDC_ERROR_HELP 5
#define IDC_ERROR_MODULE 10
#define IDC_ERROR_PROCEDURE 11
#define IDC_ERROR_MESSAGE 12
#define IDC_ERROR_STATEMENT 13

// The install dialogs, by their resource numbers, and their controls. OK and
// Cancel (and the licence's Agree) are the standard ids 1 and 2.
#define IDD_DRIVE 101
#define IDD_PATH 102
#define IDD_PROGRESS 103
#define IDD_LICENSE 104
#define IDC_DRIVE_LIST 1000
#define IDC_DRIVE_PROGRAM 1001
#define IDC_DRIVE_COPYRIGHT 1002
#define IDC_DRIVE_SPACE 1003
#define IDC_PATH_EDIT 1004
#define IDC_PROGRESS_FILE 1006
#define IDC_PROGRESS_BAR 1007
#define IDC_LICENSE_PLACE 1008
// Input dialog "INPUT": the prompt and the answer's edit control; OK and
// Cancel are IDOK and IDCANCEL.
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_ANSWER 102
