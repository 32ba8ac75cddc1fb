#include "uninstall/install_record.h"

#include "uninstall/record_path.h"
#include "uninstall/record_text.h"

namespace vorna {

namespace {

constexpr const char* kHeaderStart = "VORNA UNINSTALL RECORD ";
constexpr const char* kFolderWord = "install-folder";
constexpr const char* kEndWord = "end";

struct KindWord {
  EntryKind kind;
  const char* word;
  size_t fields;  // the word included
};

constexpr KindWord kKindWords[] = {
    {EntryKind::Product, "product", 2}, {EntryKind::Folder, "folder", 2},
    {EntryKind::File, "file", 5},       {EntryKind::Shortcut, "shortcut", 2},
    {EntryKind::Key, "key", 2},         {EntryKind::Value, "value", 3},
    {EntryKind::Library, "library", 2},
};

const KindWord* FindKind(const std::string& word) {
  for (const KindWord& entry : kKindWords) {
    if (word == entry.word) return &entry;
  }
  return nullptr;
}

const char* WordOf(EntryKind kind) {
  for (const KindWord& entry : kKindWords) {
    if (entry.kind == kind) return entry.word;
  }
  return "";
}

std::vector<std::string> EntryFields(const RecordEntry& entry) {
  switch (entry.kind) {
    case EntryKind::File:
      return {"file", entry.origin == FileOrigin::New ? "new" : "replaced",
              std::to_string(entry.size), std::to_string(entry.lastWrite.ticks), entry.name};
    case EntryKind::Value:
      return {"value", entry.name, entry.valueName};
    default:
      return {WordOf(entry.kind), entry.name};
  }
}

/// The lines of text, each without its line end; nullopt when the last line
/// has no line end (the record was cut short).
std::optional<std::vector<std::string>> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) return std::nullopt;
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

/// Reads one entry line's fields; the reason it cannot be read otherwise.
std::optional<RecordEntry> ReadEntry(const std::vector<std::string>& fields, std::string* why) {
  const KindWord* kind = FindKind(fields[0]);
  if (kind == nullptr) {
    *why = "unknown entry \"" + fields[0] + "\"";
    return std::nullopt;
  }
  if (fields.size() != kind->fields) {
    *why = "a " + fields[0] + " entry has " + std::to_string(kind->fields) + " fields";
    return std::nullopt;
  }
  RecordEntry entry;
  entry.kind = kind->kind;
  entry.name = fields.back();
  if (entry.kind == EntryKind::Value) {
    entry.name = fields[1];
    entry.valueName = fields[2];
  }
  if (entry.kind != EntryKind::File) return entry;
  std::optional<uint64_t> size = ReadCount(fields[2]);
  std::optional<uint64_t> ticks = ReadCount(fields[3]);
  bool known = fields[1] == "new" || fields[1] == "replaced";
  if (!size || !ticks || !known) {
    *why = "a file entry needs new or replaced, a size and a time";
    return std::nullopt;
  }
  entry.origin = fields[1] == "new" ? FileOrigin::New : FileOrigin::Replaced;
  entry.size = *size;
  entry.lastWrite.ticks = *ticks;
  return entry;
}

/// True when the entry's path or key is well formed.
bool NamesWell(const RecordEntry& entry) {
  switch (entry.kind) {
    case EntryKind::Product:
      return true;
    case EntryKind::Key:
    case EntryKind::Value:
      return ParseRecordKey(entry.name).has_value();
    default:
      return ParseRecordPath(entry.name).has_value();
  }
}

class RecordReader {
 public:
  RecordReader(std::vector<std::string> lines, RecordProblem* problem)
      : lines_(std::move(lines)), problem_(problem) {}

  std::optional<InstallRecord> Read();

 private:
  bool ReadHeader();
  bool ReadEntries();
  bool ReadEnd(const std::vector<std::string>& fields);
  bool Fail(size_t line, std::string reason);

  std::vector<std::string> lines_;
  RecordProblem* problem_;
  InstallRecord record_;
};

std::optional<InstallRecord> RecordReader::Read() {
  if (!ReadHeader() || !ReadEntries()) return std::nullopt;
  return std::move(record_);
}

bool RecordReader::ReadHeader() {
  if (lines_.empty()) return Fail(0, "the record is empty");
  if (lines_[0] != kRecordHeader) {
    bool otherVersion = lines_[0].rfind(kHeaderStart, 0) == 0;
    return Fail(1, otherVersion ? "a record version this program does not know"
                                : "not an uninstall record");
  }
  std::optional<std::vector<std::string>> fields =
      lines_.size() > 1 ? SplitFields(lines_[1]) : std::nullopt;
  if (!fields || fields->size() != 2 || (*fields)[0] != kFolderWord ||
      !ParseRecordPath((*fields)[1])) {
    return Fail(2, "the install folder is missing or not a full path");
  }
  record_.installFolder = (*fields)[1];
  return true;
}

bool RecordReader::ReadEntries() {
  for (size_t i = 2; i < lines_.size(); ++i) {
    std::optional<std::vector<std::string>> fields = SplitFields(lines_[i]);
    if (!fields) return Fail(i + 1, "a malformed field");
    if ((*fields)[0] == kEndWord) {
      if (i + 1 != lines_.size()) return Fail(i + 2, "text after the end line");
      return ReadEnd(*fields);
    }
    std::string why;
    std::optional<RecordEntry> entry = ReadEntry(*fields, &why);
    if (!entry) return Fail(i + 1, why);
    if (!NamesWell(*entry)) return Fail(i + 1, "not a full path or key of plain names");
    record_.entries.push_back(std::move(*entry));
  }
  return Fail(0, "the record is cut short: it has no end line");
}

bool RecordReader::ReadEnd(const std::vector<std::string>& fields) {
  std::optional<uint64_t> count = fields.size() == 2 ? ReadCount(fields[1]) : std::nullopt;
  if (!count || *count != record_.entries.size()) {
    return Fail(lines_.size(), "the end line does not count the entries above it");
  }
  return true;
}

bool RecordReader::Fail(size_t line, std::string reason) {
  if (problem_) *problem_ = RecordProblem{line, std::move(reason)};
  return false;
}

}  // namespace

std::string InstallRecord::ProductName() const {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->kind == EntryKind::Product) return it->name;
  }
  return std::string();
}

std::string FormatRecord(const InstallRecord& record) {
  std::string text = std::string(kRecordHeader) + "\r\n";
  text += JoinFields({kFolderWord, record.installFolder}) + "\r\n";
  for (const RecordEntry& entry : record.entries) text += JoinFields(EntryFields(entry)) + "\r\n";
  text += JoinFields({kEndWord, std::to_string(record.entries.size())}) + "\r\n";
  return text;
}

std::optional<InstallRecord> ParseRecord(const std::string& text, RecordProblem* problem) {
  std::optional<std::vector<std::string>> lines = SplitLines(text);
  if (!lines) {
    if (problem) *problem = RecordProblem{0, "the record is cut short: its last line is not whole"};
    return std::nullopt;
  }
  return RecordReader(std::move(*lines), problem).Read();
}

}  // namespace vorna
