// The runtime's command line: at most one switch, then the start-up file name.
//
// The text is what follows the program name. Only the first switch counts; a
// second one is simply part of the file name, so "-d -s" runs the file "-s".
// The unattended switch takes a word of its own first, the answers file:
// "-A answers.txt setup2.ctl", or "-A "C:\My Answers.txt"" for a name with
// blanks.
#pragma once

#include <cstddef>
#include <string>

namespace vorna {

/// The switch given on the command line, if any.
enum class StartupSwitch {
  None,        // no switch: just run the start-up file
  Help,        // "-?" or "-H": show that there are no arguments, run nothing
  Debug,       // "-D": run under the debugger connection
  Source,      // "-S": accepted, no further effect
  Unattended,  // "-A FILE": every question answered from the answers file FILE
  Invalid,     // any other letter: refused, run nothing
};

/// What the command line asks for.
struct CommandLine {
  StartupSwitch startupSwitch = StartupSwitch::None;
  /// The start-up control entry to read ("STARTUP.CTL" when none is given).
  std::string fileName;
  /// When not empty, the run is refused: the start-up message to show instead.
  std::string refusal;
  /// The answers file of an unattended run (-A).
  std::string answersFile;
};

/// The start-up file name used when the command line names none.
constexpr const char* kDefaultStartupFile = "STARTUP.CTL";
/// The longest start-up file name accepted (the name buffer's size).
constexpr size_t kMaxStartupFileName = 255;

constexpr const char* kNoArgumentsText = "No arguments available.";
constexpr const char* kNameTooLongText = "Start-up file name is longer than 255 characters.";
constexpr const char* kNoAnswersFileText = "The switch -A needs the name of an answers file.";
constexpr const char* kUnclosedQuoteText = "The name of the answers file has no closing quote.";

/// Reads the command-line text (without the program name); nullptr counts as empty.
CommandLine ParseCommandLine(const char* text);

}  // namespace vorna
