// The progress dialog's bar on the terminal: the file being copied, the
// percentage and the rate, redrawn in place when the transcript is a
// terminal; otherwise one line per file seen and a closing line, so that a
// log stays readable.
#pragma once

#include <chrono>
#include <string>

#include "platform/text_sink.h"

namespace vorna::platform {

class CopyJob;

class TerminalCopyProgress {
 public:
  /// A display on out; live redraws in place when out is a terminal.
  TerminalCopyProgress(TextSink& out, bool live);

  /// Shows the job's current state.
  void Show(const CopyJob& job);
  /// Ends the bar's line before a question is asked.
  void Interrupt();
  /// Shows the final state with the words ending ("copied", "stopped").
  void Finish(const CopyJob& job, const char* ending);

  /// The bar text for a state: "[#####.....]  50%  1.2 MB/s  file".
  static std::string BarText(double fraction, double bytesPerSecond, const std::string& file);
  /// "512 B/s", "12.0 KB/s", "3.4 MB/s".
  static std::string RateText(double bytesPerSecond);

 private:
  double Rate(const CopyJob& job) const;

  TextSink& out_;
  bool live_;
  bool lineOpen_ = false;
  std::string lastFile_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace vorna::platform
