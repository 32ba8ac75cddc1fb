// The uninstaller's program: the runtime without the install data that a
// setup executable carries behind it.
#pragma once

#include <string>

#include "platform/files.h"

namespace vorna {

/// Copies the program file's executable image, without the install data
/// appended to it (everything from the container on), to destination,
/// replacing a file there in one step; a program without install data is
/// copied whole. False when it cannot be read or written.
bool CopyBareRuntime(platform::FileSystem& files, const std::string& program,
                     const std::string& destination);

}  // namespace vorna
