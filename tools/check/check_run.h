// The state of one check: the entries, the loaded modules, what is known of
// the program, the facts gathered while statements are read, and the
// diagnostics. The statements are read twice: the first pass only gathers
// (declarations, LOADed modules), the second reports.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "script/program.h"
#include "tools/check/diagnostics.h"
#include "tools/check/entry_set.h"
#include "tools/check/program_index.h"
#include "values/node_list.h"

namespace vorna::check {

/// One loaded module with what the diagnostics need of its text.
struct ModuleSource {
  Module* module = nullptr;        // owned by the run's module list
  std::string file;                // the module as diagnostics name it
  std::vector<std::string> lines;  // its physical lines
  std::set<int32_t> longLines;     // lines cut into pieces, not read as statements
};

/// Which pass over the statements is running.
enum class Pass { Gather, Report };

class CheckRun {
 public:
  /// filePrefix goes in front of every entry name in diagnostics (the
  /// scripts folder, or empty for an image's entries).
  CheckRun(const EntrySet& entries, std::string filePrefix)
      : entries_(entries), prefix_(std::move(filePrefix)) {}

  const EntrySet& entries() const { return entries_; }
  /// The name diagnostics give an entry.
  std::string FileOf(const std::string& entryName) const { return prefix_ + entryName; }

  /// Adds a diagnostic; in the gathering pass nothing is kept.
  void Report(const std::string& file, int line, int column, Severity severity,
              std::string message);
  Diagnostics& diagnostics() { return diagnostics_; }

  Pass pass = Pass::Gather;
  ProgramIndex index;
  NodeList modules;
  std::vector<std::unique_ptr<ModuleSource>> sources;
  /// Module names given as literals to LOAD, in the order met.
  std::vector<std::string> loadedByName;
  /// Some LOAD computes its module's name: procedures the check cannot see
  /// may come from it.
  bool loadsComputedName = false;
  /// Notes where ASKLICENSE is given an entry name that is no literal (the
  /// first place is kept).
  void NoteComputedLicence(const std::string& file, int line, int column);
  /// The first such place; its file is empty when there is none.
  const Diagnostic& computedLicence() const { return computedLicence_; }

 private:
  const EntrySet& entries_;
  std::string prefix_;
  Diagnostics diagnostics_;
  Diagnostic computedLicence_;
};

}  // namespace vorna::check
