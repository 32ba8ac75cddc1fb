#include "installdata/copy_state.h"

namespace vorna {

namespace {
constexpr size_t kTextLimit = 259;  // the text holds 260 characters with its terminator
}

void CopyState::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  currentFile_.clear();
  progress_.store(0.0);
  copied_.store(0);
}

void CopyState::SetCopied(uint64_t copied, uint64_t total) {
  double fraction = total == 0 ? 1.0 : static_cast<double>(copied) / static_cast<double>(total);
  copied_.store(copied);
  progress_.store(fraction < 1.0 ? fraction : 1.0);
}

void CopyState::SetCurrentFile(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  currentFile_ = text.substr(0, kTextLimit);
}

std::string CopyState::CurrentFile() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return currentFile_;
}

void CopyState::MarkEnd() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (currentFile_.empty()) {
    currentFile_ = "*";
  } else {
    currentFile_[0] = '*';
  }
}

bool CopyState::Ended() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !currentFile_.empty() && currentFile_[0] == '*';
}

CopyState& SharedCopyState() {
  static CopyState state;
  return state;
}

}  // namespace vorna
