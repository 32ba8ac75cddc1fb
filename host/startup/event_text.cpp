#include "host/startup/event_text.h"

#include <cstdio>

namespace vorna {

namespace {

using namespace platform::event;

constexpr int64_t kSecondsPerDay = 86400;
constexpr uint64_t kTicksPerSecond = 10000000;
constexpr int64_t kSeconds1601To1970 = 11644473600LL;

/// Line breaks as " / " so that an event stays on one line.
std::string OneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += c == '\r' || c == '\n' ? std::string(" / ") : std::string(1, c);
  }
  return line;
}

std::string Quoted(const std::string& text) {
  return "\"" + OneLine(text) + "\"";
}

std::string Describe(const RunStarted& e) {
  return "start: Vorna runtime " + e.version + ", command line " + Quoted(e.commandLine) +
         ", image " + e.image;
}

std::string Describe(const QuestionAnswered& e) {
  std::string text = e.text.empty() ? "" : " " + Quoted(e.text);
  return "question " + e.kind + " " + Quoted(e.title) + text + ": answered " + OneLine(e.answer);
}

std::string Describe(const QuestionUnanswered& e) {
  std::string text = e.text.empty() ? "" : " " + Quoted(e.text);
  return "question " + e.kind + " " + Quoted(e.title) + text + ": no answer in the answers file";
}

std::string Describe(const FileWritten& e) {
  const char* change = e.change == platform::FileChange::New ? "new" : "replaced";
  return std::string("file written (") + change + "): " + e.path + ", " + std::to_string(e.size) +
         " bytes, last write " + FormatFileTime(e.lastWrite) + " UTC";
}

std::string Describe(const FileKept& e) {
  return "file kept: " + e.path + " (" + e.reason + ")";
}

std::string Describe(const FileRefused& e) {
  return "file refused: " + OneLine(e.name) + " (" + e.reason + ")";
}

std::string Describe(const FileNotWritten& e) {
  return "file not written: " + e.path + " (" + e.reason + ")";
}

std::string Describe(const FolderCreated& e) {
  return "folder created: " + e.path;
}

std::string Describe(const RegistryKeyCreated& e) {
  return "registry key created: " + e.key;
}

std::string Describe(const RegistryValueWritten& e) {
  std::string name = e.name.empty() ? "(default)" : e.name;
  return "registry value written: " + e.key + " " + Quoted(name) + " = " + Quoted(e.data);
}

std::string Describe(const ShortcutMade& e) {
  return "shortcut made: " + e.path + " -> " + e.target;
}

std::string Describe(const LibraryRegistration& e) {
  bool registers = e.action == platform::LibraryAction::Register;
  if (!e.succeeded) {
    return std::string("library ") + (registers ? "registration" : "unregistration") +
           " failed: " + e.path;
  }
  return std::string("library ") + (registers ? "registered: " : "unregistered: ") + e.path;
}

std::string Describe(const ScriptError& e) {
  std::string line = e.line > 0 ? ", line " + std::to_string(e.line) : std::string();
  return "script error: " + e.message + " in module " + e.module + ", procedure " + e.procedure +
         line + ": " + Quoted(e.statement);
}

std::string Describe(const CopyEnded& e) {
  switch (e.result) {
    case platform::CopyEnd::Completed:
      return "copy completed: " + std::to_string(e.files) + " files";
    case platform::CopyEnd::Failed:
      return "copy failed: " + e.reason;
    case platform::CopyEnd::Stopped:
      return "copy stopped: " + e.reason;
  }
  return "copy ended";
}

std::string Describe(const UserQuit& e) {
  return "user quit: " + e.step;
}

std::string Describe(const RunFailed& e) {
  return "run failed: " + OneLine(e.reason);
}

std::string Describe(const ConsoleOutput& e) {
  return "console: " + OneLine(e.text);
}

std::string Describe(const RunEnded& e) {
  return "exit code " + std::to_string(e.exitCode) + " (" + OutcomeWord(e.outcome) + ")";
}

/// Year, month and day of a day count since 1970-01-01 (the proleptic
/// Gregorian calendar, valid for every day a file time can name).
void CivilFromDays(int64_t days, int64_t* year, unsigned* month, unsigned* day) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  *day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  *month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  *year = static_cast<int64_t>(yearOfEra) + era * 400 + (*month <= 2 ? 1 : 0);
}

}  // namespace

std::string DescribeEvent(const platform::InstallEvent& event) {
  return std::visit([](const auto& e) { return Describe(e); }, event);
}

std::string FormatUtcTime(int64_t secondsSince1970) {
  int64_t days = secondsSince1970 / kSecondsPerDay;
  int64_t rest = secondsSince1970 % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  int64_t year = 0;
  unsigned month = 0, day = 0;
  CivilFromDays(days, &year, &month, &day);
  char text[40];
  std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02d:%02d:%02d", static_cast<long long>(year),
                month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                static_cast<int>(rest % 60));
  return text;
}

std::string FormatFileTime(platform::FileTime time) {
  return FormatUtcTime(static_cast<int64_t>(time.ticks / kTicksPerSecond) - kSeconds1601To1970);
}

const char* OutcomeWord(platform::RunOutcome outcome) {
  switch (outcome) {
    case platform::RunOutcome::Success:
      return "success";
    case platform::RunOutcome::Cancelled:
      return "cancelled";
    case platform::RunOutcome::Failed:
      return "failed";
  }
  return "failed";
}

}  // namespace vorna
