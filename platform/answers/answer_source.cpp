#include "platform/answers/answer_source.h"

#include <cctype>
#include <utility>

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

std::string Where(const AnswerLine& line) {
  return "answers file line " + std::to_string(line.lineNumber);
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

UnansweredQuestion::UnansweredQuestion(const char* kind, std::string title, std::string text)
    : AnswersError(std::string("the answers file has no answer for the ") +
                   DescribeQuestionKind(kind) + " \"" + title + "\""),
      kind(kind),
      title(std::move(title)),
      text(std::move(text)) {}

size_t FindChoice(const std::vector<Choice>& choices, const std::string& word) {
  std::string wanted = Folded(word);
  for (size_t i = 0; i < choices.size(); ++i) {
    if (Folded(choices[i].name) == wanted) return i;
  }
  return choices.size();
}

std::string MisfitText(const AnswerLine& line, const char* kind) {
  return Where(line) + ": " + Quoted(line) + " answers " + DescribeQuestionKind(line.kind) +
         ", but the question is " + DescribeQuestionKind(kind);
}

AnswerSource::AnswerSource(AnswersFile answers, TextSink& transcript, AnswerPolicy policy)
    : answers_(std::move(answers)), transcript_(transcript), policy_(policy) {}

AnswerTerminal* AnswerSource::terminal() const {
  return policy_.whenUsedUp == WhenUsedUp::Fail ? nullptr : policy_.terminal;
}

std::optional<AnswerLine> AnswerSource::TakeFor(const char* kind) {
  const AnswerLine* next = answers_.Peek();
  if (next == nullptr) return std::nullopt;
  if (next->kind != kind) throw AnswersError(MisfitText(*next, kind));
  return answers_.Take();
}

std::optional<AnswerLine> AnswerSource::TakeIfNext(const char* kind) {
  const AnswerLine* next = answers_.Peek();
  if (next == nullptr || next->kind != kind) return std::nullopt;
  return answers_.Take();
}

void AnswerSource::NoLineFor(const char* kind, const std::string& title,
                             const std::vector<std::string>& details) {
  if (policy_.whenUsedUp != WhenUsedUp::Fail) return;
  transcript_ << "  no answer in the answers file\n";
  transcript_.Flush();
  throw UnansweredQuestion(kind, title, Joined(details));
}

int AnswerSource::Choose(const ChoiceQuestion& question) {
  ShowQuestion(question);
  if (std::optional<AnswerLine> line = answers_.Take()) return TakeFromFile(question, *line);
  NoLineFor(question.kind, question.title, question.details);
  if (terminal() != nullptr) return AskTerminal(question);
  return Answer(question, question.defaultChoice, "default");
}

void AnswerSource::ShowQuestion(const ChoiceQuestion& question) {
  transcript_ << "[" << DescribeQuestionKind(question.kind) << "] \"" << question.title << "\"";
  if (!question.note.empty()) transcript_ << " (" << question.note << ")";
  transcript_ << "\n";
  for (const std::string& detail : question.details) transcript_ << "  " << detail << "\n";
  transcript_ << "  buttons: " << ChoiceNames(question.choices) << "\n";
  transcript_.Flush();
}

int AnswerSource::TakeFromFile(const ChoiceQuestion& question, const AnswerLine& line) {
  if (line.kind != question.kind) throw AnswersError(MisfitText(line, question.kind));
  size_t index = FindChoice(question.choices, line.answer);
  if (index == question.choices.size()) {
    throw AnswersError(Where(line) + ": " + Quoted(line) + " does not fit: the buttons are " +
                       ChoiceNames(question.choices));
  }
  return Answer(question, index, Where(line));
}

int AnswerSource::AskTerminal(const ChoiceQuestion& question) {
  for (;;) {
    transcript_ << "  answer (" << ChoiceNames(question.choices)
                << ", Enter = " << question.choices[question.defaultChoice].name << "): ";
    transcript_.Flush();
    std::optional<std::string> reply = terminal()->ReadLine();
    if (!reply) return Answer(question, question.defaultChoice, "end of input, default");
    if (Folded(*reply).empty()) return Answer(question, question.defaultChoice, "default");
    size_t index = FindChoice(question.choices, *reply);
    if (index < question.choices.size()) return Answer(question, index, "terminal");
    transcript_ << "  \"" << *reply << "\" is not one of the buttons\n";
  }
}

int AnswerSource::Answer(const ChoiceQuestion& question, size_t index, const std::string& how) {
  transcript_ << "  answer: " << question.choices[index].name << " (" << how << ")\n";
  transcript_.Flush();
  return question.choices[index].id;
}

std::optional<std::string> AnswerSource::AskText(const TextQuestion& question) {
  transcript_ << "[" << DescribeQuestionKind(question.kind) << "] \"" << question.title << "\"\n";
  for (const std::string& detail : question.details) transcript_ << "  " << detail << "\n";
  transcript_ << "  buttons: OK/Cancel\n";
  transcript_.Flush();
  if (std::optional<AnswerLine> line = answers_.Take()) {
    if (line->kind != question.kind) throw AnswersError(MisfitText(*line, question.kind));
    return TextAnswer(TextFromFile(*line), Where(*line));
  }
  NoLineFor(question.kind, question.title, question.details);
  if (terminal() == nullptr) return TextAnswer(std::string(), "default");
  transcript_ << "  answer (a line of text; end of input = Cancel): ";
  transcript_.Flush();
  std::optional<std::string> reply = terminal()->ReadLine();
  return TextAnswer(reply, reply ? "terminal" : "end of input");
}

std::optional<std::string> AnswerSource::TextFromFile(const AnswerLine& line) {
  // The button word, then one blank, then the text exactly as written.
  size_t blank = line.answer.find_first_of(" \t");
  std::string button = line.answer.substr(0, blank);
  std::vector<Choice> buttons{{"OK", 1}, {"Cancel", 2}};
  size_t index = FindChoice(buttons, button);
  if (index == buttons.size() || (index == 1 && blank != std::string::npos)) {
    throw AnswersError(Where(line) + ": " + Quoted(line) +
                       " does not fit: the answer is \"OK text\" or \"Cancel\"");
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
  transcript_.Flush();
  return text;
}

}  // namespace vorna::platform
