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

std::optional<std::string> AnswerSource::AskText(const TextQuestion& question) {
  transcript_ << "[" << DescribeQuestionKind(question.kind) << "] " << question.title << "\n";
  for (const std::string& detail : question.details) transcript_ << "  " << detail << "\n";
  transcript_ << "  buttons: OK/Cancel\n";
  transcript_.flush();
  if (std::optional<AnswerLine> line = answers_.Take()) {
    if (line->kind != question.kind) {
      throw AnswersError("answers file line " + std::to_string(line->lineNumber) + ": " +
                         Quoted(*line) + " answers " + DescribeQuestionKind(line->kind) +
                         ", but the question is " + DescribeQuestionKind(question.kind));
    }
    return TextAnswer(TextFromFile(*line), "answers file line " + std::to_string(line->lineNumber));
  }
  if (terminal_ == nullptr) return TextAnswer(std::string(), "default");
  transcript_ << "  answer (a line of text; end of input = Cancel): ";
  transcript_.flush();
  std::optional<std::string> reply = ReadTextLine(terminal_);
  return TextAnswer(reply, reply ? "terminal" : "end of input");
}

std::optional<std::string> AnswerSource::TextFromFile(const AnswerLine& line) {
  // The button word, then one blank, then the text exactly as written.
  size_t blank = line.answer.find_first_of(" \t");
  std::string button = line.answer.substr(0, blank);
  std::vector<Choice> buttons{{"OK", 1}, {"Cancel", 2}};
  size_t index = FindChoice(buttons, button);
  if (index == buttons.size() || (index == 1 && blank != std::string::npos)) {
    throw AnswersError("answers file line " + std::to_string(line.lineNumber) + ": " +
                       Quoted(line) + " does not fit: the answer is \"OK text\" or \"Cancel\"");
  }
  if (index == 1) return std::nullopt;
  return blank == std::string::npos ? std::string() : line.answer.substr(blank + 1);
}

std::optional<std::string> AnswerSource::TextAnswer(std::optional<std::string> text,
                                                    const std::string& how) {
  if (text) {
    transcript_ << "  answer: OK \"" << *text << "\" (" << how << ")\n";
  } else {
    transcript_ << "  answer: Cancel (" << how << ")\n";
  }
  transcript_.flush();
  return text;
}

}  // namespace vorna::platform
