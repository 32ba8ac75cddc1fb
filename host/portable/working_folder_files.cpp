#include "host/portable/working_folder_files.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

namespace vorna {

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

WorkingFolderFiles::WorkingFolderFiles(platform::PortableFileSystem& files,
                                       const std::string& folder, const std::string& driveC)
    : files_(files), driveC_(driveC) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error)) {
      waiting_.emplace(Upper(entry.path().filename().string()), entry.path().string());
    }
  }
}

void WorkingFolderFiles::BringIn(const std::string& path) {
  std::optional<platform::WindowsPath> resolved = files_.sandbox().Resolve(path);
  if (!resolved || resolved->drive != 'C' || resolved->parts.size() != 1) return;
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = waiting_.find(Upper(resolved->parts[0]));
  if (found == waiting_.end()) return;
  const fs::path source = found->second;
  waiting_.erase(found);
  const fs::path target = fs::path(driveC_) / source.filename();
  std::error_code error;
  if (fs::equivalent(source, target, error)) return;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
  if (error) {
    std::fprintf(stderr, "vorna-run: cannot copy %s: %s\n", source.string().c_str(),
                 error.message().c_str());
    return;
  }
  ++broughtIn_;
}

std::unique_ptr<platform::File> WorkingFolderFiles::Open(const std::string& path,
                                                         platform::Access access,
                                                         platform::Share share,
                                                         platform::Creation creation) {
  BringIn(path);
  return files_.Open(path, access, share, creation);
}

bool WorkingFolderFiles::Delete(const std::string& path) {
  BringIn(path);
  return files_.Delete(path);
}

bool WorkingFolderFiles::Move(const std::string& from, const std::string& to) {
  BringIn(from);
  BringIn(to);
  return files_.Move(from, to);
}

bool WorkingFolderFiles::CreateFolder(const std::string& path) {
  BringIn(path);
  return files_.CreateFolder(path);
}

}  // namespace vorna
