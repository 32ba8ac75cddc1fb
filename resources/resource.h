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

// Input dialog "INPUT": the prompt and the answer's edit control; OK and
// Cancel are IDOK and IDCANCEL.
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_ANSWER 102
