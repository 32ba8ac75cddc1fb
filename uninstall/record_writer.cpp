#include "uninstall/record_writer.h"

#include <algorithm>

#include "uninstall/record_file.h"

namespace vorna {

std::optional<RecordEntry> RecordWriter::Canonical(RecordEntry entry) {
  if (entry.kind == EntryKind::Product) return entry;
  if (entry.kind == EntryKind::Key || entry.kind == EntryKind::Value) {
    std::optional<RecordKey> key = ParseRecordKey(entry.name);
    if (!key) return std::nullopt;
    entry.name = key->Text();
    return entry;
  }
  std::optional<RecordPath> path = TidyPath(entry.name);
  if (!path) return std::nullopt;
  entry.name = path->Text();
  return entry;
}

void RecordWriter::Note(const RecordEntry& entry) {
  std::optional<RecordEntry> canonical = Canonical(entry);
  if (!canonical) return;
  run_.push_back(*canonical);
  if (recordFile_.empty()) return;
  size_t before = record_.entries.size();
  Append(*canonical);
  if (record_.entries.size() != before) Write();
}

void RecordWriter::ForgetLibrary(const std::string& path) {
  std::optional<RecordPath> library = TidyPath(path);
  if (!library) return;
  auto unregistered = [&](const RecordEntry& entry) {
    std::optional<RecordPath> named = ParseRecordPath(entry.name);
    return entry.kind == EntryKind::Library && named && IsAtOrBelow(*named, *library) &&
           named->parts.size() == library->parts.size();
  };
  run_.erase(std::remove_if(run_.begin(), run_.end(), unregistered), run_.end());
  if (recordFile_.empty()) return;
  size_t before = record_.entries.size();
  auto& entries = record_.entries;
  entries.erase(std::remove_if(entries.begin(), entries.end(), unregistered), entries.end());
  if (entries.size() != before) Write();
}

bool RecordWriter::Start(const std::string& recordFile, const std::string& product) {
  std::optional<RecordPath> path = TidyPath(recordFile);
  if (!path || path->parts.empty()) {
    failure_ = recordFile + " is not a full path";
    return false;
  }
  // UNINSTALLER asked for twice: the record is going already.
  if (SameName(path->Text(), recordFile_)) return Write();
  area_ = MachineArea(machine_, path->Parent());
  std::string refused = RefusedInstallFolder(area_);
  if (!refused.empty()) {
    failure_ = "an uninstall record may not lie in " + refused;
    return false;
  }
  recordFile_ = path->Text();
  record_ = ExistingRecord(recordFile_);
  productKeys_ = ProductKeys(record_);
  RecordEntry start;
  start.kind = EntryKind::Product;
  start.name = product;
  record_.entries.push_back(start);
  for (const RecordEntry& entry : run_) Append(entry);
  return Write();
}

// An earlier install's record is continued when it is a whole record of this
// folder; anything else there is replaced by a new one, since an uninstall
// would refuse it anyway.
InstallRecord RecordWriter::ExistingRecord(const std::string& path) const {
  InstallRecord fresh;
  fresh.installFolder = area_.installFolder.Text();
  std::string text;
  if (ReadWholeFile(*machine_.files, path, kMaxRecordSize, &text) != FileRead::Read) return fresh;
  RecordProblem problem;
  std::optional<InstallRecord> existing = ParseRecord(text, &problem);
  if (existing && !CheckArea(*existing, area_)) return *existing;
  std::string why = existing ? CheckArea(*existing, area_)->reason : problem.reason;
  machine_.system->DebugOutput("The uninstall record " + path + " is replaced: " + why + ".");
  return fresh;
}

void RecordWriter::Append(const RecordEntry& entry) {
  if (!InArea(entry, area_, productKeys_)) return;
  record_.entries.push_back(entry);
  if (entry.kind != EntryKind::Key) return;
  RecordKey key = *ParseRecordKey(entry.name);
  if (!IsMachineKey(key)) productKeys_.push_back(key);
}

bool RecordWriter::Write() {
  if (ReplaceWholeFile(*machine_.files, recordFile_, FormatRecord(record_))) {
    failure_.clear();
    return true;
  }
  failure_ = "the uninstall record " + recordFile_ + " cannot be written";
  return false;
}

}  // namespace vorna
