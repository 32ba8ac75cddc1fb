#include "platform/portable/answer_source.h"

#include <cctype>
#include <utility>

#include "platform/portable/portable_console.h"

namespace vorna::platform {

namespace {

/// Lower case without blanks, so that "try again" matches "TryAgain".
std::string Folded(const std::string& word) {
  std::string folded;
  for (char c : word) {
    if (c != ' ' && c != '\t') {
      folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
  }
  return folded;
}

std::string ChoiceNames(const std::vector<Choice>& choices) {
  std::string names;
  for (const Choice& choice : choices) names += (names.empty() ? "" : "/") + choice.name;
  return names;
}

std::string Quoted(const AnswerLine& line) {
  return "\"" + line.kind + " " + line.answer + "\"";
}

}  // namespace

size_t FindChoice(const std::vector<Choice>& choices, const std::string& word) {
  std::string wanted = Folded(word);
  for (size_t i = 0; i < choices.size(); ++i) {
    if (Folded(choices[i].name) == wanted) return i;
  }
  return choices.size();
}

AnswerSource::AnswerSource(AnswersFile answers, std::FILE* terminal, std::ostream& transcript)
    : answers_(std::move(answers)), terminal_(terminal), transcript_(transcript) {}

std::optional<AnswerLine> AnswerSource::TakeFor(const char* kind) {
  const AnswerLine* next = answers_.Peek();
  if (next == nullptr) return std::nullopt;
  if (next->kind != kind) {
    throw AnswersError("answers file line " + std::to_string(next->lineNumber) + ": " +
                       Quoted(*next) + " answers " + DescribeQuestionKind(next->kind) +
                       ", but the question is " + DescribeQuestionKind(kind));
  }
  return answers_.Take();
}

std::optional<AnswerLine> AnswerSource::TakeIfNext(const char* kind) {
  const AnswerLine* next = answers_.Peek();
  if (next == nullptr || next->kind != kind) return std::nullopt;
  return answers_.Take();
}

int AnswerSource::Choose(const ChoiceQuestion& question) {
  ShowQuestion(question);
  if (std::optional<AnswerLine> line = answers_.Take()) return TakeFromFile(question, *line);
  if (terminal_ != nullptr) return AskTerminal(question);
  return Answer(question, question.defaultChoice, "default");
}

void AnswerSource::ShowQuestion(const ChoiceQuestion& question) {
  transcript_ << "[" << DescribeQuestionKind(question.kind) << "] " << question.title << "\n";
  for (const std::string& detail : question.details) transcript_ << "  " << detail << "\n";
  transcript_ << "  buttons: " << ChoiceNames(question.choices) << "\n";
  transcript_.flush();
}

int AnswerSource::TakeFromFile(const ChoiceQuestion& question, const AnswerLine& line) {
  std::string where = "answers file line " + std::to_string(line.lineNumber) + ": ";
  if (line.kind != question.kind) {
    throw AnswersError(where + Quoted(line) + " answers " + DescribeQuestionKind(line.kind) +
                       ", but the question is " + DescribeQuestionKind(question.kind));
  }
  size_t index = FindChoice(question.choices, line.answer);
  if (index == question.choices.size()) {
    throw AnswersError(where + Quoted(line) + " does not fit: the buttons are " +
                       ChoiceNames(question.choices));
  }
  return Answer(question, index, "answers file line " + std::to_string(line.lineNumber));
}

int AnswerSource::AskTerminal(const ChoiceQuestion& question) {
  for (;;) {
    transcript_ << "  answer (" << ChoiceNames(question.choices)
                << ", Enter = " << question.choices[question.defaultChoice].name << "): ";
    transcript_.flush();
    std::optional<std::string> reply = ReadTextLine(terminal_);
    if (!reply) return Answer(question, question.defaultChoice, "end of input, default");
    if (Folded(*reply).empty()) return Answer(question, question.defaultChoice, "default");
    size_t index = FindChoice(question.choices, *reply);
    if (index < question.choices.size()) return Answer(question, index, "terminal");
    transcript_ << "  \"" << *reply << "\" is not one of the buttons\n";
  }
}

int AnswerSource::Answer(const ChoiceQuestion& question, size_t index, const std::string& how) {
  transcript_ << "  answer: " << question.choices[index].name << " (" << how << ")\n";
  transcript_.flush();
  return question.choices[index].id;
}

}  // namespace vorna::platform
