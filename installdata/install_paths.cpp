#include "installdata/install_paths.h"

namespace vorna {

namespace {

constexpr int kProbeNames = 10;

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

}  // namespace

std::string WithTrailingSeparator(const std::string& folder) {
  return EndsWithSeparator(folder) ? folder : folder + "\\";
}

bool FolderWriteTest(platform::FileSystem& files, const std::string& folder) {
  std::string base = folder;
  if (base.empty() || base.back() != '\\') base += '\\';
  base += "TEST";
  for (int attempt = 0; attempt < kProbeNames; ++attempt) {
    std::string probe = attempt == 0 ? base : base + "." + std::to_string(attempt);
    auto file = files.Open(probe, platform::Access::Write, platform::Share::None,
                           platform::Creation::CreateNew);
    if (!file) continue;  // not writable, or a file of that name exists
    file.reset();
    files.Delete(probe);
    return true;
  }
  return false;
}

bool CreateReportedFolder(const platform::Platform& machine, const std::string& path) {
  if (!machine.files->CreateFolder(path)) return false;
  platform::Emit(machine, platform::event::FolderCreated{path});
  return true;
}

bool CreateFolderChain(const platform::Platform& machine, const std::string& path) {
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' || path[i] == '/') CreateReportedFolder(machine, path.substr(0, i));
  }
  return CreateReportedFolder(machine, path);
}

}  // namespace vorna
