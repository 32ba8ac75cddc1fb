// Path services of the install: the folder write test and the creation of a
// folder chain.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// True when a file can be created in folder. The probe file is created only
/// where no file of its name exists, so no file of the user's is ever replaced.
bool FolderWriteTest(platform::FileSystem& files, const std::string& folder);

/// Creates every missing folder along path through machine's file system
/// (failures on the way, such as an existing folder or a drive name, are
/// ignored) and reports each folder created; answers whether the last folder,
/// the whole path, was created.
bool CreateFolderChain(const platform::Platform& machine, const std::string& path);

/// Creates one folder and reports it when it was created; answers whether it was.
bool CreateReportedFolder(const platform::Platform& machine, const std::string& path);

/// folder with a backslash appended unless it already ends in "\" or "/".
std::string WithTrailingSeparator(const std::string& folder);

}  // namespace vorna
