#include "platform/answers/terminal_copy_progress.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/install_dialogs.h"

namespace vorna::platform {

namespace {
constexpr int kBarWidth = 20;
constexpr size_t kShownFileLength = 60;

std::string Scaled(double value, const char* unit) {
  char text[32];
  if (value < 1024) {
    std::snprintf(text, sizeof text, "%.0f %s", value, unit);
  } else if (value < 1024 * 1024) {
    std::snprintf(text, sizeof text, "%.1f K%s", value / 1024, unit);
  } else {
    std::snprintf(text, sizeof text, "%.1f M%s", value / (1024 * 1024), unit);
  }
  return text;
}
}  // namespace

double TerminalCopyProgress::SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

TerminalCopyProgress::TerminalCopyProgress(TextSink& out, bool live, Clock clock)
    : out_(out), live_(live), clock_(std::move(clock)), start_(clock_()) {}

std::string TerminalCopyProgress::RateText(double bytesPerSecond) {
  return Scaled(bytesPerSecond, "B/s");
}

std::string TerminalCopyProgress::SizeText(double bytes) {
  return Scaled(bytes, "B");
}

std::string TerminalCopyProgress::TimeLeftText(const CopyFigures& figures) {
  if (!(figures.bytesPerSecond > 0)) return "--:-- left";
  double rest = figures.total > figures.copied ? double(figures.total - figures.copied) : 0;
  auto seconds = static_cast<unsigned long long>(std::ceil(rest / figures.bytesPerSecond));
  char text[40];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu left", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%llu:%02llu left", seconds / 60, seconds % 60);
  }
  return text;
}

std::string TerminalCopyProgress::BarText(const CopyFigures& figures, const std::string& file) {
  double fraction = figures.fraction;
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
  return "[" + bar + "] " + percent + "  " + SizeText(double(figures.copied)) + " of " +
         SizeText(double(figures.total)) + "  " + RateText(figures.bytesPerSecond) + "  " +
         TimeLeftText(figures) + "  " + shown;
}

CopyFigures TerminalCopyProgress::Measure(const CopyJob& job) const {
  CopyFigures figures;
  figures.fraction = job.Progress();
  figures.copied = static_cast<uint64_t>(job.BytesCopied());
  figures.total = static_cast<uint64_t>(job.TotalBytes());
  double seconds = clock_() - start_;
  figures.bytesPerSecond = seconds > 0 ? double(figures.copied) / seconds : 0;
  return figures;
}

void TerminalCopyProgress::Show(const CopyJob& job) {
  std::string file = job.CurrentFile();
  if (live_) {
    out_ << "\r  " << BarText(Measure(job), file) << "\033[K";
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
  CopyFigures figures = Measure(job);
  char percent[8];
  std::snprintf(percent, sizeof percent, "%d%%", static_cast<int>(figures.fraction * 100));
  out_ << "  " << ending << ": " << percent << " of the set, "
       << std::to_string(static_cast<unsigned long long>(figures.copied)) << " bytes, "
       << RateText(figures.bytesPerSecond) << "\n";
  out_.Flush();
}

}  // namespace vorna::platform
