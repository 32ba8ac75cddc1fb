#include "host/startup/uninstall_arguments.h"

#include <cctype>
#include <cstring>

#include "uninstall/uninstall_command.h"

namespace vorna {

namespace {

const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

/// Reads a word, or a quoted text that may hold blanks, into *word; answers
/// the position after it, nullptr for a quote that is not closed.
const char* ReadWord(const char* p, std::string* word) {
  if (*p == '"') {
    const char* end = std::strchr(p + 1, '"');
    if (end == nullptr) return nullptr;
    word->assign(p + 1, end);
    return end + 1;
  }
  const char* end = p;
  while (*end != '\0' && *end != ' ' && *end != '\t') ++end;
  word->assign(p, end);
  return end;
}

/// Reads "-W ID" at p; false when it is not there or the id is not a number.
bool ReadWait(const char* p, CommandLine* line) {
  if ((p[0] != '-' && p[0] != '/') ||
      std::toupper(static_cast<unsigned char>(p[1])) != kWaitOption) {
    return false;
  }
  std::string id;
  p = ReadWord(SkipBlanks(p + 2), &id);
  if (id.empty() || id.size() > 9 || id.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  line->waitForProcess = static_cast<uint32_t>(std::stoul(id));
  return *SkipBlanks(p) == '\0' && line->waitForProcess != 0;
}

}  // namespace

void ReadUninstallArguments(const char* p, CommandLine* line) {
  p = ReadWord(SkipBlanks(p), &line->uninstallRecord);
  if (p == nullptr) {
    line->refusal = kUnclosedRecordText;
    return;
  }
  if (line->uninstallRecord.empty()) {
    line->refusal = kNoRecordText;
    return;
  }
  p = SkipBlanks(p);
  if (*p != '\0' && !ReadWait(p, line)) {
    line->refusal = std::string("Unexpected text after the uninstall record: ") + p + ".";
  }
}

}  // namespace vorna
