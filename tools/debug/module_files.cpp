#include "tools/debug/module_files.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "installdata/container.h"
#include "installdata/scramble.h"
#include "platform/platform.h"

#ifdef _WIN32
#include "platform/win32/win32_files.h"
#else
#include <stdlib.h>

#include "platform/portable/portable_files.h"
#endif

namespace vorna::debug {

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The files the container reader needs.
class ContainerAccess {
 public:
  explicit ContainerAccess(const std::string& image) {
    // Every runtime's container is scrambled with the installer key.
    SetContainerKey(kInstallerKey);
#ifdef _WIN32
    imagePath_ = std::filesystem::absolute(image).string();
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "vorna-debug-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) root_ = pattern;
    files_ = std::make_unique<platform::PortableFileSystem>(root_, image);
    imagePath_ = files_->ProgramPath();
#endif
  }
  ~ContainerAccess() {
#ifndef _WIN32
    files_.reset();
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
#endif
  }

  /// The entry's text when the container holds it.
  std::optional<std::string> Read(const std::string& module) {
    ContainerReader reader(Files(), imagePath_.c_str());
    if (!reader.hasContainer() || !reader.OpenEntry(module.c_str(), "rb")) return std::nullopt;
    std::string text;
    for (int c = reader.ReadByte(); c >= 0; c = reader.ReadByte())
      text.push_back(static_cast<char>(c));
    return text;
  }

 private:
  platform::FileSystem& Files() {
#ifdef _WIN32
    return files_;
#else
    return *files_;
#endif
  }

  std::string imagePath_;
#ifdef _WIN32
  platform::Win32FileSystem files_;
#else
  std::string root_;
  std::unique_ptr<platform::PortableFileSystem> files_;
#endif
};

}  // namespace

std::optional<std::string> ReadPlainModule(const std::string& folder, const std::string& module) {
  std::filesystem::path exact = std::filesystem::path(folder) / module;
  if (std::filesystem::is_regular_file(exact)) return ReadWholeFile(exact);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && SameNameIgnoringCase(entry.path().filename().string(), module)) {
      return ReadWholeFile(entry.path());
    }
  }
  return std::nullopt;
}

ModuleLoader MakeModuleLoader(const std::string& image, const std::string& folder) {
  std::shared_ptr<ContainerAccess> container;
  if (!image.empty()) container = std::make_shared<ContainerAccess>(image);
  return [container, folder](const std::string& module) -> std::optional<std::string> {
    if (container) {
      if (std::optional<std::string> text = container->Read(module)) return text;
    }
    return ReadPlainModule(folder, module);
  };
}

}  // namespace vorna::debug
