#include "tools/pack/image_platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include "platform/win32/win32_files.h"
#else
#include "platform/portable/portable_files.h"
#endif

namespace vorna::pack {

namespace {

class ConsoleInteraction : public platform::Interaction {
 public:
  int MessageBox(platform::Owner, const std::string& text, const std::string& caption,
                 unsigned style) override {
    std::fprintf(stderr, "vorna-pack: %s: %s\n", caption.c_str(), text.c_str());
    return (style & 0xF) == platform::mb::OkCancel ? platform::id::Cancel : platform::id::Ok;
  }
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport&) override {
    return platform::ErrorAnswer::Abort;
  }
};

class QuietSystem : public platform::System {
 public:
  std::optional<uint32_t> StartProcess(const std::string&, int) override { return std::nullopt; }
  std::optional<std::string> Environment(const std::string& name) override {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  void Sleep(uint32_t) override {}
  int64_t Now() override { return 0; }
  void Beep(unsigned) override {}
  void DebugOutput(const std::string&) override {}
  [[noreturn]] void ExitProcess(int code) override { std::exit(code); }
};

}  // namespace

struct ImagePlatform::Parts {
  ConsoleInteraction interaction;
  QuietSystem system;
#ifdef _WIN32
  platform::Win32FileSystem files;
#else
  // The sandbox root holds nothing of value: the image is reached by its own
  // host path and the output folder is mounted as drive X.
  std::string root;
  std::unique_ptr<platform::PortableFileSystem> files;
#endif
};

ImagePlatform::ImagePlatform(const std::string& image, const std::string& outputFolder)
    : parts_(std::make_unique<Parts>()) {
  platform::Platform& machine = machine_;
#ifdef _WIN32
  machine.files = &parts_->files;
  imagePath_ = std::filesystem::absolute(image).string();
  outputFolder_ = outputFolder.empty() ? "" : std::filesystem::absolute(outputFolder).string();
#else
  std::string pattern = (std::filesystem::temp_directory_path() / "vorna-pack-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  parts_->root = pattern;
  parts_->files = std::make_unique<platform::PortableFileSystem>(parts_->root, image);
  if (!outputFolder.empty()) parts_->files->sandbox().Mount('X', outputFolder);
  machine.files = parts_->files.get();
  imagePath_ = parts_->files->ProgramPath();
  outputFolder_ = outputFolder.empty() ? "" : "X:\\";
#endif
  machine.interaction = &parts_->interaction;
  machine.system = &parts_->system;
}

ImagePlatform::~ImagePlatform() {
#ifndef _WIN32
  std::error_code ignored;
  parts_->files.reset();
  std::filesystem::remove_all(parts_->root, ignored);
#endif
}

}  // namespace vorna::pack
