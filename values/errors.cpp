#include "values/errors.h"

namespace vorna {

namespace {

struct ErrorRow {
  const char* message;
  int32_t code;
};

// Searched from the top; the end row (code 0) stops the search.
const ErrorRow kErrorTable[] = {
    {"Name Already Declared", 1},
    {"Break", 2},
    {"Array Bounds", 3},
    {"Can't Execute Program", 4},
    {"Dim Statement", 5},
    {"Division by Zero", 6},
    {"Expected AS Keyword", 7},
    {"END IF without IF", 8},
    {"Function Not Found", 9},
    {"Function/Procedure", 10},
    {"If Without Then", 11},
    {"Not Enough Parameters", 12},
    {"Illegal Use", 13},
    {"Illegal Use of Operator", 14},
    {"Illegal Value", 15},
    {"Input", 16},
    {"Invalid Type", 17},
    {"Invalid Boolean Operator", 18},
    {"Invalid Use of Keyword", 19},
    {"Module Not Loaded", 20},
    {"For Without =", 21},
    {"Next Without For", 22},
    {"No Handles Left", 23},
    {"For Without To", 24},
    {"Not Declarative Statement in Global Area", 25},
    {"Not An Array", 26},
    {"Functionality Not Implemented", 27},
    {"Out of Memory", 28},
    {"Program Mode Only", 29},
    {"Return Without Gosub", 30},
    {"String Too Long", 31},
    {"Syntax", 32},
    {"Type Mismatch", 33},
    {"Undefined Object Property/Method", 34},
    {"Undefined Variable", 35},
    {"Unexpected End of Line", 36},
    {"Unknown Variable Type", 37},
    {"Unsupported Conversion", 38},
    {"Unterminated Block", 39},
    {"Unterminated String", 40},
    {"Variable Already Defined", 41},
    {"Variable is an Array", 42},
    {"Variable Name Too Long", 43},
    {"Wend Without While", 44},
    {"GDI", 45},
    {"File Not Found", 46},
    {"Undefined Label", 47},
    {"Disk", 48},
    {"File Handle In Use", 49},
    {"File Handle Undefined", 50},
    {"Illegal Function Name", 51},
    {"End of File", 52},
    {"Access", 53},
    {"", 0},
};

}  // namespace

void Raise(errorNumbers number) {
  throw number;
}

void RaiseText(const char* text) {
  throw InternalError{text};
}

const char* MessageOf(int32_t code) {
  for (const ErrorRow* row = kErrorTable; row->code != 0; ++row) {
    if (row->code == code) return row->message;
  }
  return nullptr;
}

}  // namespace vorna
