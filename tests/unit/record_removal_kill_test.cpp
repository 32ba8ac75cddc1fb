// An uninstall killed half-way, at any of its removals and just before or
// just after it, and then run again: it finishes, the sandbox is as it was
// before the install, and nothing was removed twice. The folders that hold
// the record go after it: a kill between leaves them empty and no record to
// run again.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>

#include "tests/unit/support/uninstall_fixture.h"

namespace vorna::testing {
namespace {

/// What a killed process leaves: nothing after the point of the kill runs.
struct Killed {};

/// Counts the removals it is shown and ends the run at the armed one.
class RemovalCounter {
 public:
  enum class When { Before, After };

  void Arm(uint64_t n, When when) {
    armedAt_ = n;
    when_ = when;
    seen_ = 0;
  }
  void Disarm() { armedAt_ = 0; }
  bool reached() const { return armedAt_ != 0 && seen_ >= armedAt_; }

  /// Runs one removal of target; a successful one is counted against it.
  template <class Call>
  bool Removal(const std::string& target, Call call) {
    bool killHere = armedAt_ != 0 && ++seen_ == armedAt_;
    if (killHere && when_ == When::Before) throw Killed{};
    bool removed = call();
    if (removed) ++removedTimes[Folded(target)];
    if (killHere) throw Killed{};
    return removed;
  }

  std::map<std::string, int> removedTimes;

 private:
  static std::string Folded(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
  uint64_t armedAt_ = 0;
  uint64_t seen_ = 0;
  When when_ = When::After;
};

/// The sandbox's file system, with its removals shown to the counter. The
/// record's own rewriting is not a removal of the install's.
class CountingFiles : public platform::FileSystem {
 public:
  CountingFiles(platform::FileSystem& inner, RemovalCounter& counter)
      : inner_(inner), counter_(counter) {}
  std::unique_ptr<platform::File> Open(const std::string& path, platform::Access access,
                                       platform::Share share,
                                       platform::Creation creation) override {
    return inner_.Open(path, access, share, creation);
  }
  std::unique_ptr<platform::File> OpenNullSink() override { return inner_.OpenNullSink(); }
  bool Delete(const std::string& path) override {
    if (path.find("UNINSTALL.DAT") != std::string::npos) return inner_.Delete(path);
    return counter_.Removal(path, [&] { return inner_.Delete(path); });
  }
  bool Move(const std::string& from, const std::string& to) override {
    return inner_.Move(from, to);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    return inner_.Replace(from, to);
  }
  std::unique_ptr<platform::File> CreateTemporary(const std::string& folder,
                                                  const std::string& prefix,
                                                  std::string* path) override {
    return inner_.CreateTemporary(folder, prefix, path);
  }
  int DeleteStartingWith(const std::string& folder, const std::string& prefix) override {
    return inner_.DeleteStartingWith(folder, prefix);
  }
  bool IsLinkFree(const std::string& folder, const std::string& relative) override {
    return inner_.IsLinkFree(folder, relative);
  }
  bool Exists(const std::string& path) override { return inner_.Exists(path); }
  bool CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }
  bool RemoveFolder(const std::string& path) override {
    return counter_.Removal(path, [&] { return inner_.RemoveFolder(path); });
  }
  bool SetCurrentFolder(const std::string& path) override { return inner_.SetCurrentFolder(path); }
  bool IsFolder(const std::string& path) override { return inner_.IsFolder(path); }
  std::string ProgramPath() override { return inner_.ProgramPath(); }
  platform::DriveType GetDriveType(const std::string& root) override {
    return inner_.GetDriveType(root);
  }
  bool VolumeLabel(const std::string& root, std::string* label) override {
    return inner_.VolumeLabel(root, label);
  }
  bool FreeSpace(const std::string& root, uint64_t* bytes) override {
    return inner_.FreeSpace(root, bytes);
  }
  platform::PathFacts Inspect(const std::string& path) override { return inner_.Inspect(path); }

 private:
  platform::FileSystem& inner_;
  RemovalCounter& counter_;
};

/// The sandbox's registry, with its deletions shown to the counter.
class CountingRegistry : public platform::Registry {
 public:
  CountingRegistry(platform::Registry& inner, RemovalCounter& counter)
      : inner_(inner), counter_(counter) {}
  platform::RegStatus OpenKey(platform::KeyHandle parent, const std::string& subkey,
                              uint32_t access, platform::KeyHandle* opened) override {
    platform::RegStatus status = inner_.OpenKey(parent, subkey, access, opened);
    if (status == 0) names_[*opened] = NameOf(parent) + "\\" + subkey;
    return status;
  }
  platform::RegStatus CreateKey(platform::KeyHandle parent, const std::string& subkey,
                                platform::KeyHandle* opened) override {
    return inner_.CreateKey(parent, subkey, opened);
  }
  platform::RegStatus QueryValue(platform::KeyHandle key, const std::string& name,
                                 platform::RegType* type, void* data, uint32_t* size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  platform::RegStatus SetValue(platform::KeyHandle key, const std::string& name,
                               platform::RegType type, const void* data, uint32_t size) override {
    return inner_.SetValue(key, name, type, data, size);
  }
  platform::RegStatus CloseKey(platform::KeyHandle key) override { return inner_.CloseKey(key); }
  platform::RegStatus DeleteValue(platform::KeyHandle key, const std::string& name) override {
    platform::RegStatus status = 0;
    counter_.Removal(NameOf(key) + "\\" + name + " (value)", [&] {
      status = inner_.DeleteValue(key, name);
      return status == 0;
    });
    return status;
  }
  platform::RegStatus DeleteKey(platform::KeyHandle parent, const std::string& subkey) override {
    platform::RegStatus status = 0;
    counter_.Removal(NameOf(parent) + "\\" + subkey, [&] {
      status = inner_.DeleteKey(parent, subkey);
      return status == 0;
    });
    return status;
  }
  platform::RegStatus CountEntries(platform::KeyHandle key, uint32_t* subkeys,
                                   uint32_t* values) override {
    return inner_.CountEntries(key, subkeys, values);
  }

 private:
  std::string NameOf(platform::KeyHandle key) const {
    auto found = names_.find(key);
    return found != names_.end() ? found->second : std::to_string(key);
  }
  platform::Registry& inner_;
  RemovalCounter& counter_;
  std::map<platform::KeyHandle, std::string> names_;
};

/// A small install: a folder of its own, a file, a shortcut, a key and a value.
void InstallSmall(UninstallSandbox& sandbox) {
  sandbox.MakeFolder("C:\\Program Files");
  sandbox.MakeFolder(kHello);
  sandbox.WriteFile(std::string(kHello) + "\\README.TXT", "Hello\r\n");
  ASSERT_TRUE(sandbox.writer_->Start(kRecordFile, "Hello"));
  sandbox.MakeShortcut(std::string(kHello) + "\\README.TXT", kDesktopLink);
  sandbox.WriteValue("HKEY_CURRENT_USER\\Software\\Hello", "Greeting", "Hi");
}

TEST(UninstallKilledTest, AKilledUninstallRunAgainFinishesAndRemovesNothingTwice) {
  for (RemovalCounter::When when : {RemovalCounter::When::Before, RemovalCounter::When::After}) {
    for (uint64_t n = 1;; ++n) {
      UninstallSandbox sandbox;
      std::string before = sandbox.Snapshot();
      InstallSmall(sandbox);
      RemovalCounter counter;
      CountingFiles files(sandbox.files_, counter);
      CountingRegistry registry(sandbox.registry_, counter);
      platform::Platform machine = sandbox.machine_;
      machine.files = &files;
      machine.registry = &registry;
      counter.Arm(n, when);
      bool killed = false;
      try {
        sandbox.Uninstall(nullptr, "A:\\SETUP.EXE", &machine);
      } catch (const Killed&) {
        killed = true;
      }
      if (!killed) break;
      counter.Disarm();
      if (std::filesystem::exists(sandbox.Host(kRecordFile))) {
        EXPECT_EQ(sandbox.Uninstall(nullptr, "A:\\SETUP.EXE", &machine).end, RemovalEnd::Finished)
            << "killed at removal " << n;
      } else {
        for (const char* holder : {kHello, "C:\\Program Files"}) {
          std::filesystem::remove(sandbox.Host(holder));  // only when empty
        }
      }
      EXPECT_EQ(sandbox.Snapshot(), before) << "killed at removal " << n;
      for (const auto& [target, times] : counter.removedTimes) {
        EXPECT_EQ(times, 1) << target << ", killed at removal " << n;
      }
      ASSERT_LT(n, 50u) << "the uninstall never ends";
    }
  }
}

}  // namespace
}  // namespace vorna::testing
