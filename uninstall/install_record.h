// The install record: what installs into one folder changed on the machine,
// in the order they changed it, so that an uninstall can take exactly that
// away again, last change first.
//
// The record is a text file beside the product (INSTALLPATH\UNINSTALL.DAT);
// docs/uninstall.md describes its format. This header holds the record in
// memory and its text; reading it from disk and judging what it names are
// record_file.h's and record_area.h's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vorna {

/// The first line of every record, with the format's version.
constexpr const char* kRecordHeader = "VORNA UNINSTALL RECORD 1";

/// What an entry stands for.
enum class EntryKind {
  Product,   // an install began: the product's name
  Folder,    // a folder the install created
  File,      // a file the install wrote
  Shortcut,  // a shortcut file the install made
  Key,       // a registry key the install created
  Value,     // a registry value the install wrote
  Library,   // a library the install registered
};

/// Whether a file was written where there was none, or over an older one.
enum class FileOrigin { New, Replaced };

/// One change of an install.
struct RecordEntry {
  EntryKind kind = EntryKind::File;
  /// The product's name, the full path, or the key's full name.
  std::string name;
  /// The value's name (empty: the key's default value); Value only.
  std::string valueName;
  /// File only: how it was written, and its size and last write time then.
  FileOrigin origin = FileOrigin::New;
  uint64_t size = 0;
  platform::FileTime lastWrite;
};

/// A record: the folder it belongs to and the changes of every install there.
struct InstallRecord {
  /// The install folder, where the record lies.
  std::string installFolder;
  std::vector<RecordEntry> entries;

  /// The name of the product the latest install named; empty when none did.
  std::string ProductName() const;
};

/// A line of a record that cannot be read, and why.
struct RecordProblem {
  size_t line = 0;  // counted from 1; 0 for the record as a whole
  std::string reason;
};

/// The record's text, lines ending in carriage return and line feed.
std::string FormatRecord(const InstallRecord& record);

/// Reads a record's text; nullopt with the problem when it is not a complete
/// record of this format. Lines may end in a line feed alone.
std::optional<InstallRecord> ParseRecord(const std::string& text, RecordProblem* problem);

}  // namespace vorna
