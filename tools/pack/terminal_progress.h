// A one-line progress bar on standard error, drawn only when standard error
// is a terminal: a bar, files done, bytes done and the rate.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace vorna::pack {

class TerminalProgress {
 public:
  /// A bar for totalFiles files of totalBytes bytes (either may be 0 when unknown).
  TerminalProgress(std::string label, size_t totalFiles, uint64_t totalBytes);

  /// Redraws the bar (at most ten times a second) with the counts done so far.
  void Show(size_t files, uint64_t bytes);
  /// Draws the final state and ends the line.
  void Done(size_t files, uint64_t bytes);
  /// Seconds since the bar was created.
  double Elapsed() const;

 private:
  void Draw(size_t files, uint64_t bytes);

  std::string label_;
  size_t totalFiles_;
  uint64_t totalBytes_;
  bool enabled_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDraw_;
};

/// "12.3 MB" style text for a byte count.
std::string FormatBytes(uint64_t bytes);

}  // namespace vorna::pack
