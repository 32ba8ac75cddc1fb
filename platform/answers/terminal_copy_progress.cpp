#include "platform/answers/terminal_copy_progress.h"

#include <cstdio>

#include "platform/install_dialogs.h"

namespace vorna::platform {

namespace {
constexpr int kBarWidth = 20;
constexpr size_t kShownFileLength = 60;
}  // namespace

TerminalCopyProgress::TerminalCopyProgress(TextSink& out, bool live)
    : out_(out), live_(live), start_(std::chrono::steady_clock::now()) {}

std::string TerminalCopyProgress::RateText(double bytesPerSecond) {
  char text[32];
  if (bytesPerSecond < 1024) {
    std::snprintf(text, sizeof text, "%.0f B/s", bytesPerSecond);
  } else if (bytesPerSecond < 1024 * 1024) {
    std::snprintf(text, sizeof text, "%.1f KB/s", bytesPerSecond / 1024);
  } else {
    std::snprintf(text, sizeof text, "%.1f MB/s", bytesPerSecond / (1024 * 1024));
  }
  return text;
}

std::string TerminalCopyProgress::BarText(double fraction, double bytesPerSecond,
                                          const std::string& file) {
  if (!(fraction >= 0)) fraction = 0;
  if (fraction > 1) fraction = 1;
  int filled = static_cast<int>(fraction * kBarWidth);
  std::string bar(static_cast<size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  char percent[8];
  std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(fraction * 100));
  std::string shown = file.size() > kShownFileLength
                          ? "..." + file.substr(file.size() - (kShownFileLength - 3))
                          : file;
  return "[" + bar + "] " + percent + "  " + RateText(bytesPerSecond) + "  " + shown;
}

double TerminalCopyProgress::Rate(const CopyJob& job) const {
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  return seconds > 0 ? job.BytesCopied() / seconds : 0;
}

void TerminalCopyProgress::Show(const CopyJob& job) {
  std::string file = job.CurrentFile();
  if (live_) {
    out_ << "\r  " << BarText(job.Progress(), Rate(job), file) << "\033[K";
    lineOpen_ = true;
  } else if (file != lastFile_ && !file.empty() && file[0] != '*') {
    out_ << "  copying " << file << "\n";
  }
  lastFile_ = file;
  out_.Flush();
}

void TerminalCopyProgress::Interrupt() {
  if (lineOpen_) out_ << "\n";
  lineOpen_ = false;
  out_.Flush();
}

void TerminalCopyProgress::Finish(const CopyJob& job, const char* ending) {
  Interrupt();
  char percent[8];
  std::snprintf(percent, sizeof percent, "%d%%", static_cast<int>(job.Progress() * 100));
  out_ << "  " << ending << ": " << percent << " of the set, "
       << std::to_string(static_cast<unsigned long long>(job.BytesCopied())) << " bytes, "
       << RateText(Rate(job)) << "\n";
  out_.Flush();
}

}  // namespace vorna::platform
