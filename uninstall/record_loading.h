// An uninstall's first step: the record named on the command line, read,
// parsed and checked against the area of the folder it lies in. A record
// that fails any check is refused whole: nothing of it is removed.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "uninstall/install_record.h"
#include "uninstall/record_path.h"

namespace vorna {

/// A record ready for removal, or why it is refused.
struct LoadedRecord {
  std::optional<InstallRecord> record;  // none when refused
  RecordPath file;                      // where it lies
  std::string refusal;                  // the message that says why
};

/// Reads the record at recordFile and checks everything it names.
LoadedRecord LoadRecord(const platform::Platform& machine, const std::string& recordFile);

/// The product's name for the user: the record's, else its folder's name.
std::string ProductNameOf(const LoadedRecord& loaded);

}  // namespace vorna
