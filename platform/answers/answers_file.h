// The answers file: the user's answers, written down in advance, one line
// per question, used in the order the questions come. The portable runner
// reads it with --answers, and both the runtime and the runner with -A.
//
//   # comment lines and blank lines are skipped
//   log C:\setup.log the install log (a setting, not an answer)
//   msgbox OK        the next message box: press OK
//   error Abort      the next error dialog: press Abort
//   input OK yes     the next input dialog: type "yes" and press OK
//
// The first word names the kind of question; the rest of the line is the
// answer. The format is described for authors in docs/answers-file.md.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/interaction.h"

namespace vorna::platform {

/// A malformed answers file, or a line that does not fit the question asked.
struct UnansweredQuestion;

struct AnswersError : std::runtime_error {
  using std::runtime_error::runtime_error;
  /// The question nobody may answer, when that is what ended the run.
  /// (The Windows runtime is built without run-time type information.)
  virtual const UnansweredQuestion* Unanswered() const { return nullptr; }
};

/// The word of the setting line that names the install log.
constexpr const char* kLogSetting = "log";

/// What a kind of question is called in a transcript ("message box"); nullptr if unknown.
const char* DescribeQuestionKind(const std::string& kind);

/// One answer: where it stands, what it answers, and the answer itself.
struct AnswerLine {
  int lineNumber = 0;
  std::string kind;
  std::string answer;
};

class AnswersFile {
 public:
  /// An answers file with no answers.
  AnswersFile() = default;
  /// Parses answers-file text; throws AnswersError naming the first bad line.
  static AnswersFile Parse(const std::string& text);
  /// Parses the text of the file called name; its errors start with the name.
  static AnswersFile ParseNamed(const std::string& text, const std::string& name);
  /// Reads and parses the file at path through files; throws AnswersError
  /// when it cannot be read or is malformed.
  static AnswersFile Read(FileSystem& files, const std::string& path);

  /// Hands out the next unused answer; nullopt once every answer is used.
  std::optional<AnswerLine> Take();
  /// How many answers are still unused.
  size_t remaining() const { return lines_.size() - next_; }
  /// The next unused answer without using it up; nullptr once every answer is used.
  const AnswerLine* Peek() const { return next_ == lines_.size() ? nullptr : &lines_[next_]; }
  /// The path of the install log its "log" line names; empty when none.
  const std::string& logPath() const { return logPath_; }

 private:
  void AddLine(const std::string& line, int lineNumber);

  std::vector<AnswerLine> lines_;
  size_t next_ = 0;
  std::string logPath_;
};

}  // namespace vorna::platform
