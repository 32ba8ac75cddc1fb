#include "install/install_settings.h"

namespace vorna {

std::string InstallSettings::Get(InstallField field) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return fields_[static_cast<size_t>(field)];
}

bool InstallSettings::Set(InstallField field, const std::string& text) {
  if (text.size() > kMaxFieldLength) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  fields_[static_cast<size_t>(field)] = text;
  return true;
}

std::string InstallSettings::LicenceText() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return licence_;
}

void InstallSettings::SetLicenceText(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  licence_ = text.substr(0, kMaxLicenceLength);
}

void InstallSettings::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (std::string& field : fields_) field.clear();
  licence_.clear();
  setTotal_.store(0);
}

InstallSettings& SharedInstallSettings() {
  static InstallSettings settings;
  return settings;
}

}  // namespace vorna
