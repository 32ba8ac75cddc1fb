// The console of an unattended run: no window may appear, so what a script
// prints goes to the run's events (the install log's "console:" lines), one
// event per line, and what it reads is answered from the answers file like
// the input dialog ("input OK text").
#pragma once

#include <functional>
#include <string>

#include "platform/answers/answer_source.h"
#include "platform/platform.h"

namespace vorna {

class UnattendedConsole : public platform::Console {
 public:
  /// Called when a read has no fitting answer; the run ends there.
  using BadAnswerHandler = std::function<void(const platform::AnswersError& error)>;

  /// A console that reports to machine's events and reads from answers.
  UnattendedConsole(const platform::Platform& machine, platform::AnswerSource& answers,
                    BadAnswerHandler onBadAnswer);

  bool Open() override;
  /// Reports a line begun but not ended.
  void Close() override;
  bool IsOpen() const override { return open_; }
  /// Reports each completed line (its line end dropped).
  bool Write(const std::string& text) override;
  /// The next "input" answer; nullopt (the end of input) for Cancel.
  std::optional<std::string> ReadLine() override;

 private:
  void FlushLine();

  const platform::Platform& machine_;
  platform::AnswerSource& answers_;
  BadAnswerHandler onBadAnswer_;
  std::string pending_;
  bool open_ = false;
};

}  // namespace vorna
