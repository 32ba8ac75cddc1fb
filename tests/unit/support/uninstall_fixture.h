// A sandbox machine for the uninstall tests, with an install that tells a
// record writer about each change it makes, as the runtime's events do.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fileset_fixture.h"
#include "install/registry_key.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "platform/portable/portable_registry.h"
#include "platform/portable/portable_shell.h"
#include "platform/portable/portable_system.h"
#include "platform/portable/shell_folders_seed.h"
#include "temp_folder.h"
#include "uninstall/record_writer.h"
#include "uninstall/removal.h"

namespace vorna::testing {

constexpr const char* kHello = "C:\\Program Files\\Hello";
constexpr const char* kRecordFile = "C:\\Program Files\\Hello\\UNINSTALL.DAT";
constexpr const char* kHelloKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hello";
constexpr const char* kDesktopLink = "C:\\Users\\User\\Desktop\\Hello.lnk";

/// Runs one removal of target: calls remove() and answers what it answered
/// (the kill test counts the removals and ends the run at one of them).
using RemovalHook =
    std::function<bool(const std::string& target, const std::function<bool()>& remove)>;

/// The sandbox's file system, with its removals shown to a hook when one is
/// set. The record's own rewriting is not a removal of the install's.
class HookedFiles : public platform::PortableFileSystem {
 public:
  using PortableFileSystem::PortableFileSystem;
  bool Delete(const std::string& path) override {
    auto remove = [&] { return PortableFileSystem::Delete(path); };
    bool own = path.find("UNINSTALL.DAT") != std::string::npos;
    return hook && !own ? hook(path, remove) : remove();
  }
  bool RemoveFolder(const std::string& path) override {
    auto remove = [&] { return PortableFileSystem::RemoveFolder(path); };
    return hook ? hook(path, remove) : remove();
  }
  RemovalHook hook;
};

/// The sandbox's registry, with its deletions shown to a hook by key name.
class HookedRegistry : public platform::PortableRegistry {
 public:
  using PortableRegistry::PortableRegistry;
  platform::RegStatus OpenKey(platform::KeyHandle parent, const std::string& subkey,
                              uint32_t access, platform::KeyHandle* opened) override {
    platform::RegStatus status = PortableRegistry::OpenKey(parent, subkey, access, opened);
    if (status == 0) names_[*opened] = NameOf(parent) + "\\" + subkey;
    return status;
  }
  platform::RegStatus DeleteValue(platform::KeyHandle key, const std::string& name) override {
    return Hooked(NameOf(key) + "\\" + name + " (value)",
                  [&] { return PortableRegistry::DeleteValue(key, name); });
  }
  platform::RegStatus DeleteKey(platform::KeyHandle parent, const std::string& subkey) override {
    return Hooked(NameOf(parent) + "\\" + subkey,
                  [&] { return PortableRegistry::DeleteKey(parent, subkey); });
  }
  RemovalHook hook;

 private:
  platform::RegStatus Hooked(const std::string& target,
                             const std::function<platform::RegStatus()>& remove) {
    if (!hook) return remove();
    platform::RegStatus status = 0;
    hook(target, [&] { return (status = remove()) == 0; });
    return status;
  }
  std::string NameOf(platform::KeyHandle key) const {
    auto found = names_.find(key);
    return found != names_.end() ? found->second : std::to_string(key);
  }
  std::map<platform::KeyHandle, std::string> names_;
};

/// A fresh sandbox with the shell folders of a new machine, and the
/// install's and the uninstall's steps on it.
class UninstallSandbox {
 public:
  UninstallSandbox()
      : files_(folder_.path(), "C:\\SETUP.EXE"),
        registry_(folder_.path()),
        system_(stderr),
        shell_(files_, diagnostics_) {
    std::string error;
    EXPECT_TRUE(registry_.Load(&error)) << error;
    EXPECT_TRUE(platform::SeedShellFolders(registry_, files_.sandbox()));
    machine_.files = &files_;
    machine_.registry = &registry_;
    machine_.system = &system_;
    machine_.shell = &shell_;
    writer_ = std::make_unique<RecordWriter>(machine_);
  }

  /// Creates a folder and notes it.
  void MakeFolder(const std::string& path) {
    ASSERT_TRUE(files_.CreateFolder(path)) << path;
    Note(EntryKind::Folder, path);
  }
  /// Writes a file with a last write time of its own and notes it, new or replaced.
  void WriteFile(const std::string& path, const std::string& text, uint64_t time = 1) {
    bool existed = files_.Inspect(path).kind != platform::PathKind::Missing;
    auto file = files_.Open(path, platform::Access::Write, platform::Share::None,
                            platform::Creation::CreateAlways);
    ASSERT_TRUE(file && file->Write(text.data(), text.size())) << path;
    platform::FileTime when{132000000000000000ULL + time * 10000000ULL};
    ASSERT_TRUE(file->SetTimes({when, when, when}));
    file.reset();
    RecordEntry entry = Entry(EntryKind::File, path);
    entry.origin = existed ? FileOrigin::Replaced : FileOrigin::New;
    entry.size = text.size();
    entry.lastWrite = when;
    writer_->Note(entry);
  }
  /// Makes a shortcut and notes it.
  void MakeShortcut(const std::string& target, const std::string& link) {
    ASSERT_GE(shell_.CreateShortcut(target, link, "test"), 0) << link;
    Note(EntryKind::Shortcut, link);
  }
  /// Writes a registry value, creating (and noting) the keys missing on the way.
  void WriteValue(const std::string& keyName, const std::string& name, const std::string& data) {
    RegistryKey key(registry_);
    ASSERT_TRUE(key.Open(keyName, KeyCreation::CreateMissing)) << keyName;
    for (const std::string& created : key.createdKeys()) Note(EntryKind::Key, created);
    ASSERT_TRUE(key.SetText(name, data)) << keyName;
    RecordEntry entry = Entry(EntryKind::Value, keyName);
    entry.valueName = name;
    writer_->Note(entry);
  }
  void Note(EntryKind kind, const std::string& name) { writer_->Note(Entry(kind, name)); }
  static RecordEntry Entry(EntryKind kind, const std::string& name) {
    RecordEntry entry;
    entry.kind = kind;
    entry.name = name;
    return entry;
  }

  /// The sample product's install: folders, files, shortcuts, registry, record.
  void InstallHello() {
    MakeFolder("C:\\Program Files");
    MakeFolder(kHello);
    WriteFile(std::string(kHello) + "\\README.TXT", "Hello\r\n");
    MakeFolder(std::string(kHello) + "\\docs");
    WriteFile(std::string(kHello) + "\\docs\\CHANGES.TXT", "1.0\r\n");
    WriteFile(std::string(kHello) + "\\UNINSTALL.EXE", "MZ runtime");
    ASSERT_TRUE(writer_->Start(kRecordFile, "Hello")) << writer_->failure();
    MakeShortcut(std::string(kHello) + "\\README.TXT", kDesktopLink);
    WriteValue(kHelloKey, "DisplayName", "Hello");
    WriteValue("HKEY_CURRENT_USER\\Software\\Hello", "Greeting", "Hi");
  }

  /// Every file below the root with its content, the registry's file among them.
  std::map<std::string, std::string> Snapshot() const { return HostTree(folder_.path()); }

  /// Reads the record and runs the removal on it; the steps it reported.
  RemovalOutcome Uninstall(std::vector<RemovalStep>* steps = nullptr,
                           const std::string& own = "A:\\SETUP.EXE") {
    std::string text = ReadHostFile(Host(kRecordFile));
    RecordProblem problem;
    std::optional<InstallRecord> record = ParseRecord(text, &problem);
    EXPECT_TRUE(record) << problem.line << ": " << problem.reason;
    if (!record) return {RemovalEnd::Failed, "unreadable"};
    RecordRemoval removal(machine_, *ParseRecordPath(kRecordFile), *record,
                          [steps](const RemovalStep& step) {
                            if (steps) steps->push_back(step);
                          });
    return removal.Run(own);
  }

  /// The host path of a sandbox path on drive C.
  std::string Host(const std::string& windowsPath) const {
    std::string host = folder_.path() + "/C" + windowsPath.substr(2);
    for (char& c : host) c = c == '\\' ? '/' : c;
    return host;
  }

  TempFolder folder_;
  std::ostringstream diagnostics_;
  HookedFiles files_;
  HookedRegistry registry_;
  platform::PortableSystem system_;
  platform::PortableShell shell_;
  platform::Platform machine_;
  std::unique_ptr<RecordWriter> writer_;
};

class UninstallTest : public ::testing::Test, public UninstallSandbox {};

}  // namespace vorna::testing
