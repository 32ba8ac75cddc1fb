// Fuzz target: the runtime's start-up up to the loaded modules, on an image
// held in memory. The setup is checked (trailer, directory, file-set codec),
// the start-up control entry STARTUP.CTL is read from the container and
// every module it names is loaded into the program model; nothing runs.
//
// The input is either a whole install data file (its last 16 bytes are a
// trailer: a packed image as the packer writes it) or, more often, the plain
// bytes of a container's directory, which the target scrambles and places
// behind a stub with a trailer pointing at it. The machine has no other
// file: no plain file may stand in for an entry.
//
// Every input must end with the modules loaded or the start-up refused; the
// sanitizers of the fuzz build report any read or write out of bounds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/startup/language_setup.h"
#include "host/startup/startup_control.h"
#include "installdata/scramble.h"
#include "installdata/trailer.h"
#include "platform/platform.h"
#include "script/interpreter.h"
#include "script/program.h"
#include "tests/fuzz/memory_file.h"
#include "tests/unit/support/inert_system.h"

namespace {

using namespace vorna;
using namespace vorna::platform;

constexpr char kImagePath[] = "C:\\SETUP.EXE";
constexpr char kStub[] = "STUB";

/// A machine whose only file is the program's own image.
class ImageFileSystem : public FileSystem {
 public:
  std::vector<uint8_t> image;

  std::unique_ptr<File> Open(const std::string& path, Access, Share, Creation) override {
    if (path != kImagePath) return nullptr;
    return std::make_unique<fuzz::MemoryFile>(&image);
  }
  std::unique_ptr<File> OpenNullSink() override {
    return std::make_unique<fuzz::MemoryFile>(nullptr);
  }
  bool Delete(const std::string&) override { return false; }
  bool Move(const std::string&, const std::string&) override { return false; }
  bool Replace(const std::string&, const std::string&) override { return false; }
  std::unique_ptr<File> CreateTemporary(const std::string&, const std::string&,
                                        std::string*) override {
    return nullptr;
  }
  int DeleteStartingWith(const std::string&, const std::string&) override { return 0; }
  bool IsLinkFree(const std::string&, const std::string&) override { return true; }
  bool Exists(const std::string& path) override { return path == kImagePath; }
  bool CreateFolder(const std::string&) override { return false; }
  bool RemoveFolder(const std::string&) override { return false; }
  bool SetCurrentFolder(const std::string&) override { return false; }
  bool IsFolder(const std::string&) override { return false; }
  std::string ProgramPath() override { return kImagePath; }
  DriveType GetDriveType(const std::string&) override { return DriveType::Fixed; }
  bool VolumeLabel(const std::string&, std::string*) override { return false; }
  bool FreeSpace(const std::string&, uint64_t*) override { return false; }
};

/// Start-up messages and boxes are answered with Cancel and otherwise dropped.
class SilentInteraction : public Interaction {
 public:
  int MessageBox(Owner, const std::string&, const std::string&, unsigned) override {
    return id::Cancel;
  }
  ErrorAnswer ErrorDialog(const ErrorReport&) override { return ErrorAnswer::Abort; }
};

/// Nothing starts, sleeps or ends the process while the modules load.
class QuietSystem : public vorna::testing::InertSystem {
 public:
  [[noreturn]] void ExitProcess(int) override {
    // Loading modules never ends the process.
    std::abort();
  }
};

/// True when the input is a whole install data file: it ends with a trailer.
bool IsWholeImage(const uint8_t* data, size_t size) {
  Trailer trailer;
  return size >= kTrailerSize && DecodeTrailer(data + size - kTrailerSize, &trailer);
}

/// A setup around the plain container bytes: the stub, the scrambled
/// container and a trailer naming its base (and no file set).
std::vector<uint8_t> ImageAround(const uint8_t* data, size_t size) {
  std::vector<uint8_t> image(kStub, kStub + sizeof kStub - 1);
  size_t base = image.size();
  image.insert(image.end(), data, data + size);
  ScrambleBlock(image.data() + base, size, 0, ContainerKey());
  Trailer trailer;
  trailer.base = static_cast<uint32_t>(base);
  std::array<uint8_t, kTrailerSize> bytes = EncodeTrailer(trailer);
  image.insert(image.end(), bytes.begin(), bytes.end());
  return image;
}

/// Walks what was loaded: every module and line must be whole.
size_t CountNodes(const NodeList& list) {
  size_t count = 0;
  for (NamedNode* node = list.head(); node != nullptr; node = node->next()) ++count;
  if (count != static_cast<size_t>(list.count())) std::abort();
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetContainerKey(kInstallerKey);
  ImageFileSystem files;
  files.image =
      IsWholeImage(data, size) ? std::vector<uint8_t>(data, data + size) : ImageAround(data, size);
  SilentInteraction interaction;
  QuietSystem system;
  Platform machine;
  machine.files = &files;
  machine.interaction = &interaction;
  machine.system = &system;

  Interpreter interpreter(machine);
  RegisterLanguage(interpreter);
  if (LoadStartupControl(machine, "STARTUP.CTL", interpreter.modules())) {
    for (NamedNode* node = interpreter.modules().head(); node; node = node->next()) {
      CountNodes(static_cast<Module*>(node)->top());
    }
  }
  return 0;
}
