#include "host/portable/working_folder_files.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "platform/code_page.h"

namespace vorna {

namespace fs = std::filesystem;

namespace {

// The name as Windows compares it: Windows-1252, upper case.
std::string Upper(std::string text) {
  for (char& c : text) c = platform::AnsiUpper(c);
  return text;
}

}  // namespace

WorkingFolderFiles::WorkingFolderFiles(platform::PortableFileSystem& files,
                                       const std::string& folder, const std::string& driveC)
    : files_(files), driveC_(driveC) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    // A host name Windows-1252 cannot hold is no name a script can use.
    std::optional<std::string> name = platform::Utf8ToAnsi(entry.path().filename().string());
    if (entry.is_regular_file(error) && name) waiting_.emplace(Upper(*name), entry.path().string());
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

bool WorkingFolderFiles::Replace(const std::string& from, const std::string& to) {
  BringIn(from);
  BringIn(to);
  return files_.Replace(from, to);
}

bool WorkingFolderFiles::Exists(const std::string& path) {
  BringIn(path);
  return files_.Exists(path);
}

bool WorkingFolderFiles::CreateFolder(const std::string& path) {
  BringIn(path);
  return files_.CreateFolder(path);
}

}  // namespace vorna
