#include "platform/answers/answers_file.h"

#include <algorithm>
#include <cctype>

namespace vorna::platform {

namespace {

struct QuestionKind {
  const char* word;
  const char* description;
};

// Every dialog that takes answers from the file adds its row here.
constexpr QuestionKind kQuestionKinds[] = {
    {question::kMessageBox, "message box"},   {question::kErrorDialog, "error dialog"},
    {question::kInputDialog, "input dialog"}, {question::kOpenFile, "open dialog"},
    {question::kSaveFile, "save dialog"},     {question::kLicence, "licence dialog"},
    {question::kDrive, "drive dialog"},       {question::kPath, "path dialog"},
    {question::kQuit, "quit question"},       {question::kProgress, "progress dialog"},
};

// An answers file is short; a larger file is not one.
constexpr uint64_t kLargestAnswersFile = 1 << 20;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string KnownKinds() {
  std::string known;
  for (const QuestionKind& kind : kQuestionKinds) known += std::string(" ") + kind.word;
  return known + " " + kLogSetting;
}

/// The whole file at path, or nullopt when it cannot be read.
std::optional<std::string> ReadText(FileSystem& files, const std::string& path) {
  std::unique_ptr<File> file = files.Open(path, Access::Read, Share::Read, Creation::OpenExisting);
  uint64_t size = 0;
  if (!file || !file->Size(&size) || size > kLargestAnswersFile) return std::nullopt;
  std::string text(static_cast<size_t>(size), '\0');
  size_t got = 0;
  if (size > 0 && (!file->Read(&text[0], text.size(), &got) || got != text.size())) {
    return std::nullopt;
  }
  return text;
}

}  // namespace

const char* DescribeQuestionKind(const std::string& kind) {
  for (const QuestionKind& known : kQuestionKinds) {
    if (kind == known.word) return known.description;
  }
  return nullptr;
}

// A line is "kind answer"; a "log" line is the setting of the install log.
void AnswersFile::AddLine(const std::string& line, int lineNumber) {
  size_t blank = 0;
  while (blank < line.size() && !IsBlank(line[blank])) ++blank;
  AnswerLine answer{lineNumber, Lower(line.substr(0, blank)), Trim(line.substr(blank))};
  std::string where = "line " + std::to_string(lineNumber) + ": ";
  bool isLog = answer.kind == kLogSetting;
  if (!isLog && DescribeQuestionKind(answer.kind) == nullptr) {
    throw AnswersError(where + "unknown question kind \"" + answer.kind +
                       "\" (known:" + KnownKinds() + ")");
  }
  if (answer.answer.empty()) throw AnswersError(where + "no answer after \"" + answer.kind + "\"");
  if (!isLog) {
    lines_.push_back(answer);
  } else if (logPath_.empty()) {
    logPath_ = answer.answer;
  } else {
    throw AnswersError(where + "a second \"log\" line");
  }
}

AnswersFile AnswersFile::Parse(const std::string& text) {
  AnswersFile file;
  int lineNumber = 1;
  for (size_t begin = 0; begin < text.size(); ++lineNumber) {
    size_t end = std::min(text.find('\n', begin), text.size());
    std::string trimmed = Trim(text.substr(begin, end - begin));
    begin = end + 1;
    if (trimmed.empty() || trimmed[0] == '#') continue;
    file.AddLine(trimmed, lineNumber);
  }
  return file;
}

AnswersFile AnswersFile::ParseNamed(const std::string& text, const std::string& name) {
  try {
    return Parse(text);
  } catch (const AnswersError& error) {
    throw AnswersError(name + ": " + error.what());
  }
}

AnswersFile AnswersFile::Read(FileSystem& files, const std::string& path) {
  std::optional<std::string> text = ReadText(files, path);
  if (!text) throw AnswersError(path + ": cannot read the answers file");
  return ParseNamed(*text, path);
}

std::optional<AnswerLine> AnswersFile::Take() {
  if (next_ == lines_.size()) return std::nullopt;
  return lines_[next_++];
}

}  // namespace vorna::platform
