// The progress dialog's bar on the terminal: the percentage, the bytes
// copied of the set, the rate, the time left and the file being copied,
// redrawn in place when the transcript is a terminal; otherwise one line per
// file seen and a closing line, so that a log stays readable.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/text_sink.h"

namespace vorna::platform {

class CopyJob;

/// What the bar shows of a copy at one moment.
struct CopyFigures {
  double fraction = 0;        // of the set, 0 to 1
  uint64_t copied = 0;        // bytes
  uint64_t total = 0;         // bytes of the set
  double bytesPerSecond = 0;  // since the copy started; 0 before anything was measured
};

class TerminalCopyProgress {
 public:
  /// Seconds on a clock that only moves forward.
  using Clock = std::function<double()>;
  /// The process's steady clock.
  static double SteadySeconds();

  /// A display on out; live redraws in place when out is a terminal. The
  /// rate and the time left are measured on clock.
  TerminalCopyProgress(TextSink& out, bool live, Clock clock = SteadySeconds);

  /// Shows the job's current state.
  void Show(const CopyJob& job);
  /// Ends the bar's line before a question is asked.
  void Interrupt();
  /// Shows the final state with the words ending ("copied", "stopped").
  void Finish(const CopyJob& job, const char* ending);

  /// The figures of a job at the clock's present reading.
  CopyFigures Measure(const CopyJob& job) const;

  /// The bar text: "[#####.....]  50%  1.2 MB of 2.4 MB  1.2 MB/s  0:01 left  file".
  static std::string BarText(const CopyFigures& figures, const std::string& file);
  /// "512 B/s", "12.0 KB/s", "3.4 MB/s".
  static std::string RateText(double bytesPerSecond);
  /// "512 B", "12.0 KB", "3.4 MB".
  static std::string SizeText(double bytes);
  /// "0:07 left", "1:02:03 left"; "--:-- left" while no rate is known.
  static std::string TimeLeftText(const CopyFigures& figures);

 private:
  TextSink& out_;
  bool live_;
  Clock clock_;
  bool lineOpen_ = false;
  std::string lastFile_;
  double start_;
};

}  // namespace vorna::platform
