// A sandbox platform for file-set tests: a portable file system in a fresh
// folder, a message box that answers from a script and records what it was
// asked, and a system that records beeps.
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/startup/event_text.h"
#include "inert_system.h"
#include "installdata/copy_files.h"
#include "installdata/copy_state.h"
#include "installdata/fileset_codec.h"
#include "installdata/scramble.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "temp_folder.h"
#include "tools/pack/authoring/container_writer.h"
#include "tools/pack/authoring/fileset_writer.h"

namespace vorna::testing {

constexpr uint64_t k2000 = 125911584000000000ULL;
constexpr uint64_t k2010 = 129067776000000000ULL;
constexpr uint64_t k2020 = 132223104000000000ULL;

/// Three times apart from base: creation, last access and last write.
inline platform::FileTimes Times(uint64_t base) {
  return {platform::FileTime{base}, platform::FileTime{base + 11}, platform::FileTime{base + 22}};
}

/// Every host file and folder below root (none when it is missing), named
/// from root on, with its content, for before/after comparisons.
inline std::map<std::string, std::string> HostTree(const std::string& root) {
  std::map<std::string, std::string> tree;
  if (!std::filesystem::exists(root)) return tree;
  for (auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string name = entry.path().string().substr(root.size());
    tree[name] = entry.is_directory() ? "<folder>" : ReadHostFile(entry.path().string());
  }
  return tree;
}

/// One record of a file set a test packs.
struct SetRecord {
  std::string name;
  std::string data;
  platform::FileTimes times = Times(k2010);
  int64_t sizeField = -1;  // -1: the data's size
};

/// Packs records into a file set with codec; *offsets, when given, gets where
/// each record starts.
inline std::vector<uint8_t> PackSet(const std::vector<SetRecord>& records,
                                    FileSetCodec codec = FileSetCodec::Huffman,
                                    std::vector<uint32_t>* offsets = nullptr) {
  uint32_t total = 0;
  for (const SetRecord& r : records) total += static_cast<uint32_t>(r.data.size());
  std::vector<uint8_t> out;
  authoring::FileSetWriter writer(out, total, codec);
  for (const SetRecord& r : records) {
    uint32_t size = static_cast<uint32_t>(r.sizeField < 0 ? r.data.size() : r.sizeField);
    writer.AddRecord(r.name, reinterpret_cast<const uint8_t*>(r.data.data()), r.data.size(),
                     r.times, size);
  }
  writer.Finish();
  if (offsets) *offsets = writer.RecordOffsets();
  return out;
}

struct AskedBox {
  std::string text;
  std::string caption;
  unsigned style;
};

class ScriptedInteraction : public platform::Interaction {
 public:
  int MessageBox(platform::Owner, const std::string& text, const std::string& caption,
                 unsigned style) override {
    asked.push_back({text, caption, style});
    if (answers.empty()) return platform::id::Cancel;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport&) override {
    return platform::ErrorAnswer::Abort;
  }
  std::deque<int> answers;
  std::vector<AskedBox> asked;
};

/// An inert system that keeps the beeps asked of it.
class RecordingSystem : public InertSystem {
 public:
  void Beep(unsigned type) override { beeps.push_back(type); }
  [[noreturn]] void ExitProcess(int) override { std::abort(); }
  std::vector<unsigned> beeps;
};

/// What a copy shows while it lives: the events it reports (as the install
/// log words them) and, at each safe point, the current file and the bytes copied.
struct CopyRecorder : platform::InstallEventSink, CopyControl {
  explicit CopyRecorder(CopyState& copyState) : state(copyState) {
    source.Attach(*this);
    platform::Current().events = &source;
  }
  ~CopyRecorder() override { platform::Current().events = nullptr; }
  void Receive(const platform::InstallEvent& event) override {
    events.push_back(DescribeEvent(event));
  }
  bool Continue() override {
    files.push_back(state.CurrentFile());
    bytes.push_back(state.BytesCopied());
    return true;
  }

  CopyState& state;
  platform::InstallEvents source;
  std::vector<std::string> events;
  std::vector<std::string> files;
  std::vector<uint64_t> bytes;
};

/// Installs a sandbox platform for the lifetime of the object.
class SandboxPlatform {
 public:
  SandboxPlatform() : files(temp.path(), "C:\\SETUP.EXE") {
    saved_ = platform::Current();
    platform::Platform machine;
    machine.files = &files;
    machine.system = &system;
    machine.interaction = &interaction;
    platform::SetPlatform(machine);
  }
  ~SandboxPlatform() { platform::SetPlatform(saved_); }
  SandboxPlatform(const SandboxPlatform&) = delete;
  SandboxPlatform& operator=(const SandboxPlatform&) = delete;

  /// The host path of a Windows path below drive C ("Apps/x" for "C:\Apps\x").
  std::string Host(const std::string& belowC) const { return temp / ("C/" + belowC); }

  /// Writes an install image: a stub, the file set and a trailer whose last
  /// field is fileSetOffset (by default where the file set starts).
  void WriteImage(const std::vector<uint8_t>& fileSet, int64_t fileSetOffset = -1) {
    std::string image = "MZ stub of the program";
    uint32_t offset = fileSetOffset < 0 ? static_cast<uint32_t>(image.size())
                                        : static_cast<uint32_t>(fileSetOffset);
    image.append(fileSet.begin(), fileSet.end());
    image += std::string("VORNA\0\0\0\0\0\0\0", 12);
    for (int i = 0; i < 4; ++i) image += static_cast<char>(offset >> (8 * i));
    WriteHostFile(Host("SETUP.EXE"), image);
  }

  /// Writes an install image whose container holds a codec entry naming
  /// codecName (none when it is empty), with fileSet behind it.
  void WriteImageNamingCodec(const std::vector<uint8_t>& fileSet, const std::string& codecName) {
    std::vector<authoring::ContainerEntry> entries;
    if (!codecName.empty()) {
      entries.push_back(
          {kCodecEntryName, std::vector<uint8_t>(codecName.begin(), codecName.end())});
    }
    WriteImageWithEntries(fileSet, entries);
  }

  /// Writes an install image whose container holds entries, with fileSet behind it.
  void WriteImageWithEntries(const std::vector<uint8_t>& fileSet,
                             const std::vector<authoring::ContainerEntry>& entries) {
    std::ostringstream image;
    authoring::ImageWriter writer(image);
    writer.AppendBytes("MZ stub", 7);
    writer.AppendContainer(entries, kInstallerKey);
    writer.MarkFileSet();
    writer.AppendBytes(fileSet.data(), fileSet.size());
    writer.Finish();
    SetContainerKey(kInstallerKey);
    WriteHostFile(Host("SETUP.EXE"), image.str());
  }

  TempFolder temp;
  platform::PortableFileSystem files;
  ScriptedInteraction interaction;
  RecordingSystem system;

 private:
  platform::Platform saved_;
};

}  // namespace vorna::testing
