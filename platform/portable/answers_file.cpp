#include "platform/portable/answers_file.h"

#include <cctype>
#include <fstream>
#include <sstream>

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

/// Splits "kind answer"; throws for an unknown kind or a missing answer.
AnswerLine ParseLine(const std::string& line, int lineNumber) {
  size_t blank = 0;
  while (blank < line.size() && !IsBlank(line[blank])) ++blank;
  AnswerLine answer{lineNumber, Lower(line.substr(0, blank)), Trim(line.substr(blank))};
  std::string where = "line " + std::to_string(lineNumber) + ": ";
  if (DescribeQuestionKind(answer.kind) == nullptr) {
    std::string known;
    for (const QuestionKind& kind : kQuestionKinds) known += std::string(" ") + kind.word;
    throw AnswersError(where + "unknown question kind \"" + answer.kind + "\" (known:" + known +
                       ")");
  }
  if (answer.answer.empty()) throw AnswersError(where + "no answer after \"" + answer.kind + "\"");
  return answer;
}

}  // namespace

const char* DescribeQuestionKind(const std::string& kind) {
  for (const QuestionKind& known : kQuestionKinds) {
    if (kind == known.word) return known.description;
  }
  return nullptr;
}

AnswersFile AnswersFile::Parse(const std::string& text) {
  AnswersFile file;
  std::istringstream in(text);
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    file.lines_.push_back(ParseLine(trimmed, lineNumber));
  }
  return file;
}

AnswersFile AnswersFile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw AnswersError(path + ": cannot read the answers file");
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return Parse(text.str());
  } catch (const AnswersError& error) {
    throw AnswersError(path + ": " + error.what());
  }
}

std::optional<AnswerLine> AnswersFile::Take() {
  if (next_ == lines_.size()) return std::nullopt;
  return lines_[next_++];
}

}  // namespace vorna::platform
