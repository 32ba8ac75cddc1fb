#include "tools/check/script_checker.h"

#include <algorithm>

#include "host/startup/startup_control.h"
#include "script/module_loader.h"
#include "tools/check/check_run.h"
#include "tools/check/statement_checker.h"
#include "tools/check/suggestions.h"
#include "values/char_class.h"

namespace vorna::check {

namespace {

/// Longest physical line that every runtime reads whole: a plain file is
/// read 254 characters at a time, a packed entry 255.
constexpr size_t kLongestWholeLine = 254;

std::vector<std::string> EntryNames(const EntrySet& entries) {
  std::vector<std::string> names;
  for (const Entry& entry : entries.entries()) names.push_back(entry.name);
  return names;
}

// The name a procedure header or a label line gives, for load messages.
std::string FirstNameOf(const std::string& line) {
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return std::string();
  size_t end = line.find_first_of(" \t(:", start);
  std::string first = line.substr(start, end - start);
  std::string upper = first;
  for (char& c : upper) c = ToUpper(c);
  if ((upper == "SUB" || upper == "FUNCTION") && end != std::string::npos) {
    size_t name = line.find_first_not_of(" \t", end);
    if (name == std::string::npos) return std::string();
    return line.substr(name, line.find_first_of(" \t(", name) - name);
  }
  return first;
}

std::string LoadErrorMessage(errorNumbers number, const std::string& line) {
  const std::string name = FirstNameOf(line);
  if (number == errorNumbers::NameAlreadyDeclared) {
    return "'" + name + "' is defined twice in this module (the module fails to load with " +
           "Name Already Declared)";
  }
  if (number == errorNumbers::IllegalFunctionName) {
    return "'" + name + "' cannot name a procedure or a label: a keyword, an empty name or " +
           "one over 32 characters (the module fails to load with Illegal Function Name)";
  }
  return std::string("the module fails to load here: ") + MessageOf(static_cast<int32_t>(number)) +
         " Error";
}

class ProgramChecker {
 public:
  ProgramChecker(const EntrySet& entries, const std::string& prefix)
      : run_(entries, prefix), files_(entries) {}

  Diagnostics Check(const std::string& controlEntry);

 private:
  bool LoadControlEntry(const std::string& controlEntry);
  ModuleSource* LoadNamed(const std::string& name, const std::string& from, int line);
  void LoadNamedByLoad();
  void IndexProcedures();
  void CheckModules();
  void CheckModule(ModuleSource& source);
  void CheckRegion(Region& region, const NamedNode* first, bool global);
  void FinishRegion(const Region& region);
  void ReportLongLines(const ModuleSource& source);
  void CheckMain(const std::string& controlEntry);
  void CheckLicence();

  CheckRun run_;
  EntryFileSystem files_;
  int firstModuleLine_ = 1;
};

Diagnostics ProgramChecker::Check(const std::string& controlEntry) {
  if (LoadControlEntry(controlEntry)) {
    // Modules that LOAD names can call and be called: load them, then
    // gather again, until no LOAD names a new one.
    size_t known = 0;
    do {
      known = run_.sources.size();
      IndexProcedures();
      run_.pass = Pass::Gather;
      CheckModules();
      LoadNamedByLoad();
    } while (run_.sources.size() > known);
    run_.pass = Pass::Report;
    CheckModules();
    CheckMain(controlEntry);
    CheckLicence();
  }
  Diagnostics& diagnostics = run_.diagnostics();
  diagnostics.Sort();
  return diagnostics;
}

bool ProgramChecker::LoadControlEntry(const std::string& controlEntry) {
  const std::string file = run_.FileOf(controlEntry);
  std::optional<std::vector<ControlLine>> lines = ReadStartupControl(files_, controlEntry);
  if (!lines) {
    run_.diagnostics().Add({file, 1, 0, Severity::Error,
                            "the start-up control entry '" + controlEntry + "' is missing"});
    return false;
  }
  if (!lines->empty()) firstModuleLine_ = lines->front().lineNumber + 1;
  for (const ControlLine& line : *lines) LoadNamed(line.name, file, line.lineNumber + 1);
  return true;
}

// Loads one module with the runtime's loader; a line that fails to load is
// reported and the loader goes on, so that one check finds every such line.
ModuleSource* ProgramChecker::LoadNamed(const std::string& name, const std::string& from,
                                        int line) {
  const Entry* entry = run_.entries().Find(name);
  if (entry == nullptr) {
    run_.diagnostics().Add(
        {from, line, 1, Severity::Error,
         "module '" + name + "' not found" + DidYouMean(name, EntryNames(run_.entries()))});
    return nullptr;
  }
  const size_t loaded = static_cast<size_t>(run_.modules.count());
  auto source = std::make_unique<ModuleSource>();
  source->file = run_.FileOf(entry->name);
  source->lines = EntryLines(*entry);
  ModuleSource& target = *source;
  Module* module = LoadModule(
      files_, run_.modules, name.c_str(), [&](errorNumbers number, int32_t lineNumber, int32_t) {
        const std::string& text = target.lines[lineNumber];
        int column = static_cast<int>(text.find_first_not_of(" \t")) + 1;
        run_.diagnostics().Add(
            {target.file, lineNumber + 1, column, Severity::Error, LoadErrorMessage(number, text)});
      });
  if (static_cast<size_t>(run_.modules.count()) == loaded) return nullptr;  // loaded before
  source->module = module;
  for (size_t i = 0; i < source->lines.size(); ++i) {
    if (source->lines[i].size() > kLongestWholeLine) source->longLines.insert(int32_t(i));
  }
  run_.sources.push_back(std::move(source));
  return run_.sources.back().get();
}

void ProgramChecker::LoadNamedByLoad() {
  for (const std::string& name : run_.loadedByName) {
    if (run_.entries().Find(name) == nullptr) continue;  // reported where LOAD stands
    std::string upper = name;
    for (char& c : upper) c = ToUpper(c);
    if (run_.modules.FindByName(upper.c_str()) == nullptr) LoadNamed(name, std::string(), 0);
  }
}

// Every procedure header, read before any call is checked.
void ProgramChecker::IndexProcedures() {
  for (const auto& source : run_.sources) {
    for (NamedNode* node = source->module->top().head(); node; node = node->next()) {
      auto* line = static_cast<ProgramLine*>(node);
      if (!line->isProcedure()) continue;
      Region region(*source);
      StatementChecker header(run_, region, *line, line->text(), 0, Nesting::Line);
      run_.index.AddProcedure(header.ReadHeader(source->module->name()));
    }
  }
}

void ProgramChecker::CheckModules() {
  for (const auto& source : run_.sources) CheckModule(*source);
}

void ProgramChecker::CheckModule(ModuleSource& source) {
  if (run_.pass == Pass::Report) ReportLongLines(source);
  NamedNode* first = source.module->top().head();
  Region global(source);
  CheckRegion(global, first, true);
  for (NamedNode* node = first; node; node = node->next()) {
    auto* procedure = static_cast<ProgramLine*>(node);
    if (!procedure->isProcedure()) continue;
    Region region(source, run_.index.FindProcedure(procedure->name() + 1), procedure);
    if (run_.pass == Pass::Report) {
      // The header's own diagnostics; the index read it quietly.
      StatementChecker(run_, region, *procedure, procedure->text(), 0, Nesting::Line)
          .ReadHeader(source.module->name());
    }
    const ProcedureInfo* found = region.procedure;
    if (found && found->module != source.module->name()) {
      // A procedure of the same name in a module loaded earlier is the one
      // calls reach; this one still has its own parameters.
      region.procedure = nullptr;
    }
    CheckRegion(region, procedure->lines().head()->next(), false);
  }
}

void ProgramChecker::CheckRegion(Region& region, const NamedNode* first, bool global) {
  for (const NamedNode* node = first; node; node = node->next()) {
    const auto* line = static_cast<const ProgramLine*>(node);
    if (global && line->isProcedure()) break;
    if (region.source.longLines.count(line->lineNumber()) > 0) continue;
    StatementChecker checker(run_, region, *line, line->text(), 0, Nesting::Line);
    if (global) {
      checker.CheckGlobalLine();
    } else {
      checker.CheckLine();
    }
  }
  FinishRegion(region);
}

// A block still open at the end of its procedure is named where it opened.
void ProgramChecker::FinishRegion(const Region& region) {
  static const char* const kMissing[] = {"IF without END IF", "FOR without NEXT",
                                         "WHILE without WEND", "DO without LOOP",
                                         "SELECT CASE without END CASE"};
  for (const OpenBlock& block : region.blocks) {
    const char* what = kMissing[static_cast<int>(block.kind)];
    std::string where = region.procedure ? " before the end of " + region.procedure->name : "";
    run_.Report(region.source.file, block.line, block.column, Severity::Error, what + where);
  }
}

void ProgramChecker::ReportLongLines(const ModuleSource& source) {
  for (int32_t line : source.longLines) {
    run_.Report(source.file, line + 1, static_cast<int>(kLongestWholeLine) + 1, Severity::Error,
                "line of " + std::to_string(source.lines[size_t(line)].size()) +
                    " characters: the runtime reads at most 254 (255 from a packed setup) and " +
                    "runs the rest as a line of its own");
  }
}

void ProgramChecker::CheckMain(const std::string& controlEntry) {
  if (run_.index.FindProcedure("MAIN") != nullptr || run_.sources.empty()) return;
  run_.Report(run_.FileOf(controlEntry), firstModuleLine_, 1, Severity::Error,
              "no module has a SUB MAIN: the setup would stop with \"Main function not found.\"");
}

// ASKLICENSE with a computed name needs some entry to show.
void ProgramChecker::CheckLicence() {
  const Diagnostic& place = run_.computedLicence();
  if (place.file.empty()) return;
  for (const Entry& entry : run_.entries().entries()) {
    std::string upper = entry.name;
    for (char& c : upper) c = ToUpper(c);
    if (run_.modules.FindByName(upper.c_str()) == nullptr && upper != "STARTUP.CTL") return;
  }
  run_.Report(place.file, place.line, place.column, Severity::Warning,
              "ASKLICENSE is used, but the scripts hold no licence entry");
}

}  // namespace

Diagnostics CheckProgram(const EntrySet& entries, const std::string& filePrefix,
                         const std::string& controlEntry) {
  ProgramChecker checker(entries, filePrefix);
  return checker.Check(controlEntry);
}

}  // namespace vorna::check
