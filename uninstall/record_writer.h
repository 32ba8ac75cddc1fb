// The writing of the record during an install.
//
// Every change the run makes is noted from the start of the run; once the
// script asks for an uninstaller (UNINSTALLER), the record is started in the
// install folder and every change noted so far, and each one after, is
// written into it at once. What lies outside the install's area is left out,
// as an uninstall would refuse it (record_area.h). A record that is already
// there, from an earlier install into the same folder, is continued, so that
// one uninstall removes what both installed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "uninstall/install_record.h"
#include "uninstall/record_area.h"

namespace vorna {

class RecordWriter {
 public:
  /// A writer that reaches the disk, the registry and the system through machine.
  explicit RecordWriter(const platform::Platform& machine) : machine_(machine) {}

  /// A change of the run (a file, folder, shortcut, key, value or library).
  void Note(const RecordEntry& entry);
  /// A library the run unregistered: it is no longer the install's to undo.
  void ForgetLibrary(const std::string& path);
  /// Starts the record at recordFile (continuing one that is there) with the
  /// product's name and every change noted so far; false when it cannot be
  /// written or may not lie in that folder (failure() says why).
  bool Start(const std::string& recordFile, const std::string& product);

  /// Why the record could not be written the last time it was; empty when it was.
  const std::string& failure() const { return failure_; }

 private:
  /// The canonical form of an entry's name; nullopt when it names nothing recordable.
  static std::optional<RecordEntry> Canonical(RecordEntry entry);
  InstallRecord ExistingRecord(const std::string& path) const;
  void Append(const RecordEntry& entry);
  bool Write();

  const platform::Platform& machine_;
  std::vector<RecordEntry> run_;  // this run's changes, in order
  std::string recordFile_;        // empty until the record is started
  InstallRecord record_;
  RecordArea area_;
  std::vector<RecordKey> productKeys_;
  std::string failure_;
};

}  // namespace vorna
