// The install settings: the product texts, the destination folder, the set
// total and the licence text, one set for the whole run.
//
// The script changes them through the install object; the dialogs, the
// backdrop (on the main thread) and the copy read them, so every access
// goes through one lock and readers get copies.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace vorna {

/// The text fields hold 63 characters (64 bytes with the terminator).
constexpr size_t kMaxFieldLength = 63;
/// The longest licence text kept.
constexpr size_t kMaxLicenceLength = 32768;

/// The text fields, in the order the install object tries their words.
enum class InstallField { ProgramName, InstallName, Copyright, InstallPath, Version };
constexpr size_t kInstallFieldCount = 5;

class InstallSettings {
 public:
  /// A copy of the field's text (empty until set).
  std::string Get(InstallField field) const;
  /// Stores text in the field; false, and the field unchanged, when the text
  /// is longer than kMaxFieldLength characters.
  bool Set(InstallField field, const std::string& text);

  /// Bytes the file set needs; read from the set by CALCSPACE and COPYFILES.
  uint32_t setTotal() const { return setTotal_.load(); }
  void setSetTotal(uint32_t total) { setTotal_.store(total); }

  /// The licence text that the licence dialog shows.
  std::string LicenceText() const;
  /// Replaces the licence text, cut to kMaxLicenceLength bytes.
  void SetLicenceText(const std::string& text);

  /// Back to the start of a run: empty texts, set total 0, no licence.
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::string fields_[kInstallFieldCount];
  std::string licence_;
  std::atomic<uint32_t> setTotal_{0};
};

/// The one set of install settings of the process.
InstallSettings& SharedInstallSettings();

}  // namespace vorna
