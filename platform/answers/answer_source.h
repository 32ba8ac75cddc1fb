// Where answered questions get their answers: the answers file first, then
// a terminal when there is one, else the default choice, or, in an
// unattended run, no answer at all (the run must end). Every question and its
// answer is written to the transcript, so a run's output shows what was asked
// and what was answered.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/answers/answer_terminal.h"
#include "platform/answers/answers_file.h"
#include "platform/text_sink.h"

namespace vorna::platform {

/// One button (or choice) of a question: its answers-file word and its result.
struct Choice {
  std::string name;
  int id;
};

/// A question with a fixed set of choices, as a dialog or message box asks it.
struct ChoiceQuestion {
  const char* kind;                  // answers-file word (question::kMessageBox, ...)
  std::string title;                 // the caption, shown quoted after the kind
  std::vector<std::string> details;  // further transcript lines (the text shown)
  std::vector<Choice> choices;
  size_t defaultChoice = 0;
  std::string note;  // shown after the title in brackets ("stop icon"); may be empty
};

/// A question answered with a line of text, or cancelled (the input dialog).
/// Its answers-file lines read "KIND OK text" (the text may be empty) or "KIND Cancel".
struct TextQuestion {
  const char* kind;
  std::string title;
  std::vector<std::string> details;
};

/// A question the answers file does not answer in a run where nobody else
/// may: the run must end.
struct UnansweredQuestion : AnswersError {
  UnansweredQuestion(const char* kind, std::string title, std::string text);
  const UnansweredQuestion* Unanswered() const override { return this; }
  std::string kind;
  std::string title;
  std::string text;
};

/// What answers once the answers file is used up.
enum class WhenUsedUp {
  AskTerminalThenDefault,  // the terminal when there is one, else the default choice
  Fail,                    // nobody: UnansweredQuestion (an unattended run)
};

/// How questions are shown and who answers once the file is used up.
struct AnswerPolicy {
  AnswerTerminal* terminal = nullptr;  // a person at a terminal; nullptr for none
  WhenUsedUp whenUsedUp = WhenUsedUp::AskTerminalThenDefault;
  bool liveTranscript = false;  // the transcript is a terminal: the copy's bar is redrawn in place
};

class AnswerSource {
 public:
  /// Questions and answers are written to transcript.
  AnswerSource(AnswersFile answers, TextSink& transcript, AnswerPolicy policy = AnswerPolicy());

  /// Shows the question, picks the answer and shows it; answers the chosen id.
  /// Throws AnswersError when the next answers-file line does not fit the
  /// question, UnansweredQuestion when nothing may answer it.
  int Choose(const ChoiceQuestion& question);
  /// Shows the question and answers the text entered, nullopt for Cancel. On
  /// the terminal a line is the text and the end of input is Cancel; by
  /// default the answer is OK with no text. Throws like Choose.
  std::optional<std::string> AskText(const TextQuestion& question);

  /// The next answers-file line for a question of kind, used up; nullopt when
  /// the file has no more lines. Throws AnswersError when the next line
  /// answers another kind of question.
  std::optional<AnswerLine> TakeFor(const char* kind);
  /// The next answers-file line when it answers kind (used up); nullopt
  /// otherwise, and the line stays for its own question.
  std::optional<AnswerLine> TakeIfNext(const char* kind);
  /// Called when the file has no line for a question: throws
  /// UnansweredQuestion when nothing else may answer, else returns.
  void NoLineFor(const char* kind, const std::string& title,
                 const std::vector<std::string>& details);
  /// Where questions and answers are written.
  TextSink& transcript() { return transcript_; }
  /// The terminal that answers once the file is used up; nullptr when none may.
  AnswerTerminal* terminal() const;
  /// True when the transcript is a terminal.
  bool liveTranscript() const { return policy_.liveTranscript; }

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
  TextSink& transcript_;
  AnswerPolicy policy_;
};

/// The index of the choice named word (case and blanks ignored); choices.size() if none.
size_t FindChoice(const std::vector<Choice>& choices, const std::string& word);

/// "answers file line 3: "msgbox OK" answers message box, but the question is drive dialog".
std::string MisfitText(const AnswerLine& line, const char* kind);

}  // namespace vorna::platform
