#include "uninstall/removal.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "uninstall/record_file.h"
#include "uninstall/removal_steps.h"

namespace vorna {

namespace {

/// The name of an entry as every entry for the same thing spells it: the
/// canonical path or key, letter case folded.
std::string CanonicalName(const RecordEntry& entry) {
  std::string name = entry.name;
  if (entry.kind == EntryKind::Key || entry.kind == EntryKind::Value) {
    if (std::optional<RecordKey> key = ParseRecordKey(entry.name)) name = key->Text();
  } else if (std::optional<RecordPath> path = ParseRecordPath(entry.name)) {
    name = path->Text();
  }
  return name;
}

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

/// What makes two entries stand for the same thing.
std::string Identity(const RecordEntry& entry) {
  std::string identity = std::to_string(static_cast<int>(entry.kind)) + "\t";
  identity += Folded(CanonicalName(entry));
  if (entry.kind == EntryKind::Value) identity += "\t" + Folded(entry.valueName);
  return identity;
}

bool Removes(RemovalResult result) {
  return result == RemovalResult::Removed || result == RemovalResult::AlreadyGone;
}

StepVerdict NotAName() {
  return StepVerdict{RemovalResult::Failed, "it is not a full path or key"};
}

}  // namespace

/// One thing to remove: every entry of the record for it taken together.
struct RecordRemoval::Item {
  EntryKind kind = EntryKind::File;
  std::string name;
  std::string valueName;
  std::string identity;
  InstalledFile file;
};

RecordRemoval::RecordRemoval(const platform::Platform& machine, RecordPath recordFile,
                             InstallRecord record, std::function<void(const RemovalStep&)> report)
    : machine_(machine),
      recordFile_(std::move(recordFile)),
      record_(std::move(record)),
      report_(std::move(report)) {}

// The latest entry for a thing places it (a file that a later install wrote
// again goes with that install), and says what it should look like now; the
// earliest says whether it was there before any install.
std::vector<RecordRemoval::Item> RecordRemoval::Plan() const {
  std::vector<Item> items;
  std::map<std::string, size_t> seen;
  for (auto entry = record_.entries.rbegin(); entry != record_.entries.rend(); ++entry) {
    if (entry->kind == EntryKind::Product) continue;
    std::string identity = Identity(*entry);
    auto found = seen.find(identity);
    if (found != seen.end()) {
      items[found->second].file.firstOrigin = entry->origin;
      continue;
    }
    seen.emplace(identity, items.size());
    InstalledFile file{entry->origin, entry->size, entry->lastWrite};
    items.push_back(Item{entry->kind, CanonicalName(*entry), entry->valueName, identity, file});
  }
  return items;
}

RemovalStep RecordRemoval::Remove(const Item& item) {
  std::optional<RecordPath> path = ParseRecordPath(item.name);
  std::optional<RecordKey> key = ParseRecordKey(item.name);
  StepVerdict verdict = NotAName();
  platform::FileSystem& files = *machine_.files;
  switch (item.kind) {
    case EntryKind::Folder:
      if (path) verdict = RemoveCreatedFolder(files, *path);
      break;
    case EntryKind::File:
      if (path) verdict = RemoveInstalledFile(files, *path, item.file);
      break;
    case EntryKind::Shortcut:
      if (path) verdict = RemoveShortcut(files, *path);
      break;
    case EntryKind::Library:
      if (path) verdict = UnregisterLibrary(files, *machine_.shell, *path);
      break;
    case EntryKind::Value:
      if (key) verdict = RemoveValue(*machine_.registry, *key, item.valueName);
      break;
    case EntryKind::Key:
      if (key) verdict = RemoveCreatedKey(*machine_.registry, *key);
      break;
    case EntryKind::Product:
      break;
  }
  return RemovalStep{item.kind, item.name, item.valueName, verdict.result, verdict.reason};
}

// What is gone leaves the record, which is written again at once, so that
// a second run does not look for it; what was kept or failed stays listed.
bool RecordRemoval::Forget(const Item& item, RemovalResult result) {
  if (result == RemovalResult::Failed) failed_ = true;
  if (!Removes(result)) return true;
  auto& entries = record_.entries;
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [&](const RecordEntry& entry) {
                                 return entry.kind != EntryKind::Product &&
                                        Identity(entry) == item.identity;
                               }),
                entries.end());
  return ReplaceWholeFile(*machine_.files, recordFile_.Text(), FormatRecord(record_));
}

bool RecordRemoval::RemoveOwnFile(const Item& item) {
  RemovalStep step = Remove(item);
  // A running program's file cannot be deleted on Windows: a copy of the
  // program finishes from here.
  if (step.result == RemovalResult::Failed) return false;
  report_(step);
  return true;
}

void RecordRemoval::FinishFolders(const std::vector<Item>& folders) {
  for (const Item& item : folders) report_(Remove(item));
}

RemovalOutcome RecordRemoval::Run(const std::string& ownProgram) {
  RecordPath recordFolder = recordFile_.Parent();
  std::string own;
  if (std::optional<RecordPath> path = TidyPath(ownProgram)) {
    RecordEntry ownEntry;
    ownEntry.name = path->Text();
    own = Identity(ownEntry);
  }
  std::vector<Item> holders;  // the install folder and the folders above it
  std::optional<Item> ownItem;
  for (const Item& item : Plan()) {
    std::optional<RecordPath> path = ParseRecordPath(item.name);
    if (item.kind == EntryKind::Folder && path && IsAtOrBelow(recordFolder, *path)) {
      holders.push_back(item);
      continue;
    }
    if (item.identity == own) {
      ownItem = item;
      continue;
    }
    RemovalStep step = Remove(item);
    report_(step);
    if (!Forget(item, step.result)) return {RemovalEnd::Failed, "the record cannot be updated"};
  }
  if (failed_) return {RemovalEnd::Failed, ""};
  if (ownItem && !RemoveOwnFile(*ownItem)) return {RemovalEnd::OwnFileLeft, ""};
  if (!DeleteWholeFile(*machine_.files, recordFile_.Text())) {
    return {RemovalEnd::Failed, "the record cannot be deleted"};
  }
  FinishFolders(holders);
  return {RemovalEnd::Finished, ""};
}

}  // namespace vorna
