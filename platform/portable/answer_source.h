// Where the portable runner's questions get their answers: the answers file
// first, then the terminal when there is one, else the default choice. Every
// question and its answer is written to the transcript (standard error), so a
// run's output shows what was asked and what was answered.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/portable/answers_file.h"

namespace vorna::platform {

/// One button (or choice) of a question: its answers-file word and its result.
struct Choice {
  std::string name;
  int id;
};

/// A question with a fixed set of choices, as a dialog or message box asks it.
struct ChoiceQuestion {
  const char* kind;                  // answers-file word (question::kMessageBox, ...)
  std::string title;                 // first transcript line, after the kind
  std::vector<std::string> details;  // further transcript lines (the text shown)
  std::vector<Choice> choices;
  size_t defaultChoice = 0;
};

/// A question answered with a line of text, or cancelled (the input dialog).
/// Its answers-file lines read "KIND OK text" (the text may be empty) or "KIND Cancel".
struct TextQuestion {
  const char* kind;
  std::string title;
  std::vector<std::string> details;
};

class AnswerSource {
 public:
  /// terminal is read for answers once the file is used up (nullptr: take the defaults).
  AnswerSource(AnswersFile answers, std::FILE* terminal, std::ostream& transcript);

  /// Shows the question, picks the answer and shows it; answers the chosen id.
  /// Throws AnswersError when the next answers-file line does not fit the question.
  int Choose(const ChoiceQuestion& question);
  /// Shows the question and answers the text entered, nullopt for Cancel. On
  /// the terminal a line is the text and the end of input is Cancel; without
  /// file or terminal the answer is OK with no text. Throws AnswersError like Choose.
  std::optional<std::string> AskText(const TextQuestion& question);

  /// How many answers-file lines are still unused.
  size_t unusedAnswers() const { return answers_.remaining(); }

 private:
  void ShowQuestion(const ChoiceQuestion& question);
  int TakeFromFile(const ChoiceQuestion& question, const AnswerLine& line);
  int AskTerminal(const ChoiceQuestion& question);
  int Answer(const ChoiceQuestion& question, size_t index, const std::string& how);
  std::optional<std::string> TextFromFile(const AnswerLine& line);
  std::optional<std::string> TextAnswer(std::optional<std::string> text, const std::string& how);

  AnswersFile answers_;
  std::FILE* terminal_;
  std::ostream& transcript_;
};

/// The index of the choice named word (case and blanks ignored); choices.size() if none.
size_t FindChoice(const std::vector<Choice>& choices, const std::string& word);

}  // namespace vorna::platform
