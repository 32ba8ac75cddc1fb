// The message strings of the install dialogs: their ids in the string table
// and their texts. The resource script builds the table from these macros and
// the code falls back on the same texts where there are no resources, so the
// two can never differ.
#pragma once

#define IDS_SPACE_NOTE 4
#define IDS_NO_SPACE 5
#define IDS_NO_FOLDER 6

#define IDS_SPACE_NOTE_TEXT "NOTE: Program requires %s of drive space."
#define IDS_NO_SPACE_TEXT "There is not enough free space on that drive"
#define IDS_NO_FOLDER_TEXT "Error, can not create that directory."
