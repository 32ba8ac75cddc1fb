#include "host/startup/command_line.h"

#include <cctype>
#include <cstring>

namespace vorna {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

/// "Invalid command switch: %s." with the text from the switch letter on.
std::string InvalidSwitchText(const char* fromLetter) {
  return std::string("Invalid command switch: ") + fromLetter + ".";
}

/// Reads the switch letter at p; answers the position after it.
const char* ReadSwitch(const char* p, CommandLine* line) {
  // A lone "-" at the end of the line has no letter: it is refused like an
  // unknown switch instead of reading past the end of the text.
  switch (std::toupper(static_cast<unsigned char>(*p))) {
    case '?':
    case 'H':
      line->startupSwitch = StartupSwitch::Help;
      line->refusal = kNoArgumentsText;
      break;
    case 'D':
      line->startupSwitch = StartupSwitch::Debug;
      break;
    case 'S':
      line->startupSwitch = StartupSwitch::Source;
      break;
    case 'A':
      line->startupSwitch = StartupSwitch::Unattended;
      break;
    default:
      line->startupSwitch = StartupSwitch::Invalid;
      line->refusal = InvalidSwitchText(p);
      break;
  }
  return *p == '\0' ? p : p + 1;
}

/// Reads the answers file's name at p: a word, or a quoted name that may hold
/// blanks; answers the position after it, or nullptr with the refusal set.
const char* ReadAnswersFile(const char* p, CommandLine* line) {
  p = SkipBlanks(p);
  const char* end = p;
  if (*p == '"') {
    end = std::strchr(p + 1, '"');
    if (end == nullptr) {
      line->refusal = kUnclosedQuoteText;
      return nullptr;
    }
    line->answersFile.assign(p + 1, end);
    ++end;
  } else {
    while (*end != '\0' && !IsBlank(*end)) ++end;
    line->answersFile.assign(p, end);
  }
  if (line->answersFile.empty()) {
    line->refusal = kNoAnswersFileText;
    return nullptr;
  }
  return end;
}

}  // namespace

CommandLine ParseCommandLine(const char* text) {
  CommandLine line;
  const char* p = SkipBlanks(text == nullptr ? "" : text);
  if (*p == '-' || *p == '/') {
    p = ReadSwitch(p + 1, &line);
    if (!line.refusal.empty()) return line;
    if (line.startupSwitch == StartupSwitch::Unattended) p = ReadAnswersFile(p, &line);
    if (p == nullptr) return line;
  }
  p = SkipBlanks(p);
  line.fileName = *p == '\0' ? kDefaultStartupFile : p;
  if (line.fileName.size() > kMaxStartupFileName) {
    line.refusal = kNameTooLongText;
    line.fileName.clear();
  }
  return line;
}

}  // namespace vorna
