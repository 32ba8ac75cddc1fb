// What a running copy shows: the file it is on and how far it has come.
//
// The copy worker writes it and the progress display reads it from another
// thread, so the text is guarded by a mutex and the fraction is atomic.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace vorna {

class CopyState {
 public:
  /// Empties the text and sets the fraction to 0 (done when a copy starts).
  void Clear();
  /// The current-file text: the destination path of the record being copied.
  void SetCurrentFile(const std::string& text);
  std::string CurrentFile() const;
  /// Marks the end of the copy: the text's first character becomes "*".
  void MarkEnd();
  /// True once the text starts with "*".
  bool Ended() const;
  /// Records the bytes copied so far; the progress fraction becomes copied /
  /// total (at most 1, and 1 when the total is 0).
  void SetCopied(uint64_t copied, uint64_t total);
  /// The progress fraction, bytes copied / set total.
  double Progress() const { return progress_.load(); }
  /// The bytes copied so far.
  uint64_t BytesCopied() const { return copied_.load(); }

 private:
  mutable std::mutex mutex_;
  std::string currentFile_;
  std::atomic<double> progress_{0.0};
  std::atomic<uint64_t> copied_{0};
};

/// The one copy state of the process, shared by the copy and the progress display.
CopyState& SharedCopyState();

}  // namespace vorna
