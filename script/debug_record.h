// The record of the debugger connection: a message letter and a text in a
// fixed 256-byte block. The text ends at its first zero byte and the rest of
// the block is zero; a longer text is cut to 254 characters so that the last
// byte is always zero.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/debug_channel.h"

namespace vorna {

/// The most text characters one record carries.
constexpr size_t kMaxDebugTextLength = platform::kDebugRecordSize - 2;

/// Letters of the messages the runtime sends.
namespace debugSend {
constexpr char kLine = 'F';       // a line about to run
constexpr char kErrorLine = 'E';  // the same, after Debug in the error dialog
constexpr char kOutput = 'O';     // a piece of the script's text output
constexpr char kWatch = 'W';      // the display text of a watched expression
}  // namespace debugSend

/// Letters of the debugger's replies.
namespace debugReply {
constexpr char kGo = 'G';       // stop stepping and run the line
constexpr char kInto = 'I';     // run the line; report the next one
constexpr char kOver = 'O';     // run the line with its calls unreported
constexpr char kSkip = 'S';     // do not run the line
constexpr char kWatch = 'W';    // evaluate the text as an expression
constexpr char kExecute = 'X';  // run the text as a statement line
}  // namespace debugReply

/// One message: its letter and its text.
struct DebugMessage {
  char letter = '\0';
  std::string text;
};

/// Builds the record for letter and text (cut to kMaxDebugTextLength).
platform::DebugRecordBytes EncodeDebugRecord(char letter, std::string_view text);

/// Reads a record: its letter and the text up to the first zero byte (at
/// most 255 characters, even when a sender left no zero).
DebugMessage DecodeDebugRecord(const platform::DebugRecordBytes& record);

}  // namespace vorna
