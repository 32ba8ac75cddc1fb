#include "tools/pack/terminal_progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define VORNA_ISATTY _isatty
#define VORNA_FILENO _fileno
#else
#include <unistd.h>
#define VORNA_ISATTY isatty
#define VORNA_FILENO fileno
#endif

namespace vorna::pack {

namespace {
constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
}  // namespace

std::string FormatBytes(uint64_t bytes) {
  char text[32];
  if (bytes < 1024) {
    std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
  } else if (bytes < 1024 * 1024) {
    std::snprintf(text, sizeof text, "%.1f KB", bytes / 1024.0);
  } else {
    std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
  }
  return text;
}

TerminalProgress::TerminalProgress(std::string label, size_t totalFiles, uint64_t totalBytes)
    : label_(std::move(label)),
      totalFiles_(totalFiles),
      totalBytes_(totalBytes),
      enabled_(VORNA_ISATTY(VORNA_FILENO(stderr)) != 0),
      start_(std::chrono::steady_clock::now()),
      lastDraw_(start_ - kRedrawEvery) {}

double TerminalProgress::Elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void TerminalProgress::Show(size_t files, uint64_t bytes) {
  auto now = std::chrono::steady_clock::now();
  if (!enabled_ || now - lastDraw_ < kRedrawEvery) return;
  lastDraw_ = now;
  Draw(files, bytes);
}

void TerminalProgress::Done(size_t files, uint64_t bytes) {
  if (!enabled_) return;
  Draw(files, bytes);
  std::fputc('\n', stderr);
}

void TerminalProgress::Draw(size_t files, uint64_t bytes) {
  double fraction = totalBytes_ ? static_cast<double>(bytes) / totalBytes_ : 1.0;
  if (fraction > 1.0) fraction = 1.0;
  int filled = static_cast<int>(fraction * kBarWidth);
  std::string bar(static_cast<size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  double seconds = Elapsed();
  double rate = seconds > 0 ? bytes / seconds : 0;
  std::fprintf(stderr, "\r%s [%s] %zu/%zu files  %s/%s  %s/s   ", label_.c_str(), bar.c_str(),
               files, totalFiles_, FormatBytes(bytes).c_str(), FormatBytes(totalBytes_).c_str(),
               FormatBytes(static_cast<uint64_t>(rate)).c_str());
  std::fflush(stderr);
}

}  // namespace vorna::pack
