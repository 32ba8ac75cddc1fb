#include "host/portable/sandbox_setup.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace vorna {

namespace fs = std::filesystem;

std::string MakeTemporaryRoot() {
  std::error_code error;
  fs::path base = fs::temp_directory_path(error);
  if (error) base = "/tmp";
  std::string pattern = (base / "vorna-run.XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) {
    throw std::runtime_error("cannot create a sandbox folder in " + base.string());
  }
  return name.data();
}

int CopyPlainFiles(const std::string& from, const std::string& to) {
  fs::create_directories(to);
  int copied = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    if (!entry.is_regular_file()) continue;
    fs::path target = fs::path(to) / entry.path().filename();
    std::error_code same;
    if (fs::equivalent(entry.path(), target, same)) continue;
    std::error_code error;
    fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing, error);
    if (error) {
      throw std::runtime_error("cannot copy " + entry.path().string() + ": " + error.message());
    }
    ++copied;
  }
  return copied;
}

void RemoveTree(const std::string& folder) {
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace vorna
