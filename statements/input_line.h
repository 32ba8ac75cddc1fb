// INPUT #'s reading of one line from a file, and the storing of a line of
// text into a variable by the variable's type.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"

namespace vorna {

class Value;

/// A line INPUT # read, and whether the file ended before its carriage return.
struct InputLine {
  std::string text;
  bool atFileEnd = false;
};

/// Reads up to a carriage return: line feeds are dropped, other bytes form
/// the text; after the carriage return a following line feed is consumed and
/// anything else is left for the next read. At the end of the file (or when a
/// read fails) the text read so far is the line; nullopt when there was none.
std::optional<InputLine> ReadInputLine(platform::File& file);

/// Stores text by the variable's type: untyped or STRING the text; REAL and
/// DOUBLE its leading decimal number; INTEGER, LONG and BYTE its leading whole
/// number; BOOLEAN true when it starts with T or Y in either case; CHARACTER
/// its first character. "Illegal Use" for an OBJECT.
void StoreInputText(Value& variable, const std::string& text);

}  // namespace vorna
