// The three times of a file on the machine that runs the packer, as FILETIME ticks.
#pragma once

#include <string>

#include "platform/files.h"

namespace vorna::authoring {

/// Reads the creation, last access and last write times of a host file; a
/// host without creation times gives the last write time for it.
bool ReadHostFileTimes(const std::string& hostPath, platform::FileTimes* times);

}  // namespace vorna::authoring
