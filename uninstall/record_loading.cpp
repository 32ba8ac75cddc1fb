#include "uninstall/record_loading.h"

#include "uninstall/record_area.h"
#include "uninstall/record_file.h"

namespace vorna {

namespace {

std::string Unusable(const std::string& file, const std::string& why) {
  return "The uninstall record " + file + " cannot be used: " + why + ".";
}

std::string Described(const RecordProblem& problem) {
  if (problem.line == 0) return problem.reason;
  return "line " + std::to_string(problem.line) + ": " + problem.reason;
}

/// The message for a record that could not be read; empty when it was.
std::string ReadRefusal(FileRead read, const std::string& file) {
  switch (read) {
    case FileRead::Read:
      return std::string();
    case FileRead::Missing:
      return "The uninstall record " + file + " was not found.";
    case FileRead::TooLarge:
      return Unusable(file, "it is too large to be one");
    case FileRead::Failed:
      break;
  }
  return "The uninstall record " + file + " cannot be read.";
}

}  // namespace

LoadedRecord LoadRecord(const platform::Platform& machine, const std::string& recordFile) {
  LoadedRecord loaded;
  std::optional<RecordPath> file = TidyPath(recordFile);
  if (!file || file->parts.empty()) {
    loaded.refusal = Unusable(recordFile, "it is not a full path");
    return loaded;
  }
  loaded.file = *file;
  std::string text;
  loaded.refusal =
      ReadRefusal(ReadWholeFile(*machine.files, file->Text(), kMaxRecordSize, &text), file->Text());
  if (!loaded.refusal.empty()) return loaded;
  RecordProblem problem;
  std::optional<InstallRecord> record = ParseRecord(text, &problem);
  RecordArea area = MachineArea(machine, file->Parent());
  std::string refusedFolder = RefusedInstallFolder(area);
  std::optional<RecordProblem> outside;
  if (!record) {
    loaded.refusal = Unusable(file->Text(), Described(problem));
  } else if (!refusedFolder.empty()) {
    loaded.refusal = Unusable(file->Text(), "it lies in " + refusedFolder);
  } else if ((outside = CheckArea(*record, area))) {
    loaded.refusal = Unusable(file->Text(), Described(*outside));
  } else {
    loaded.record = std::move(record);
  }
  return loaded;
}

std::string ProductNameOf(const LoadedRecord& loaded) {
  std::string name = loaded.record ? loaded.record->ProductName() : std::string();
  if (!name.empty()) return name;
  RecordPath folder = loaded.file.Parent();
  return folder.parts.empty() ? folder.Text() : folder.parts.back();
}

}  // namespace vorna
