// The removal: what an uninstall does with a record it accepted.
//
// Every change the record lists is undone once, the latest change first:
// libraries are unregistered, shortcuts, registry values, the keys the
// install created (when empty), files (when still as the install wrote them)
// and the folders it created (when empty) are removed. Each step is made so
// that doing it again finds nothing to do, and the record on disk is
// rewritten after each step without what is gone: an uninstall that is
// stopped half-way and run again finishes the work and removes nothing
// twice. The record itself goes last but for the folders that hold it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "uninstall/install_record.h"
#include "uninstall/record_path.h"

namespace vorna {

/// How one step went.
enum class RemovalResult {
  Removed,      // removed (a library: unregistered)
  AlreadyGone,  // nothing was there to remove
  Kept,         // left in place on purpose; the reason says why
  Failed,       // could not be removed; the record still lists it
};

/// One step of a removal, as it is reported.
struct RemovalStep {
  EntryKind kind = EntryKind::File;
  std::string name;       // the path, or the key's full name
  std::string valueName;  // a value's name
  RemovalResult result = RemovalResult::Removed;
  std::string reason;  // why it was kept or failed
};

/// How far a removal got.
enum class RemovalEnd {
  Finished,     // everything is removed or kept, the record included
  OwnFileLeft,  // all but the running program's own file and what holds it
  Failed,       // something remains that should go; the record lists it
};

/// What Run answers.
struct RemovalOutcome {
  RemovalEnd end = RemovalEnd::Finished;
  std::string problem;  // when the record itself could not be updated
};

class RecordRemoval {
 public:
  /// Removes what record lists; recordFile is where it lies. report is
  /// called after each step.
  RecordRemoval(const platform::Platform& machine, RecordPath recordFile, InstallRecord record,
                std::function<void(const RemovalStep&)> report);

  /// Runs the removal. ownProgram is the running program's file: when the
  /// record lists it and the system does not let it be deleted while it
  /// runs, it is left with the record and the folders that hold them
  /// (OwnFileLeft), for a copy of the program to finish.
  RemovalOutcome Run(const std::string& ownProgram);

  /// What the record still lists.
  const InstallRecord& record() const { return record_; }

 private:
  struct Item;
  std::vector<Item> Plan() const;
  RemovalStep Remove(const Item& item);
  bool Forget(const Item& item, RemovalResult result);
  bool RemoveOwnFile(const Item& item);
  void FinishFolders(const std::vector<Item>& folders);

  const platform::Platform& machine_;
  RecordPath recordFile_;
  InstallRecord record_;
  std::function<void(const RemovalStep&)> report_;
  bool failed_ = false;
};

}  // namespace vorna
