// The record on disk: where it lies, how it is read and how it is replaced.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

namespace vorna {

/// The record's file name in the install folder.
constexpr const char* kRecordFileName = "UNINSTALL.DAT";
/// The uninstaller's file name in the install folder.
constexpr const char* kUninstallerFileName = "UNINSTALL.EXE";
/// The largest record read: far beyond any install's, small enough to hold.
constexpr uint64_t kMaxRecordSize = 16 * 1024 * 1024;

/// How reading a whole file went.
enum class FileRead { Read, Missing, Failed, TooLarge };

/// Reads the whole file at path into *text, when it holds at most limit bytes.
FileRead ReadWholeFile(platform::FileSystem& files, const std::string& path, uint64_t limit,
                       std::string* text);

/// Makes text the whole content of path in one step: it is written to a new
/// file beside path and put in path's place only when complete, so a reader
/// (or a crash) finds the old content or the new, never a part of either.
bool ReplaceWholeFile(platform::FileSystem& files, const std::string& path,
                      const std::string& text);

/// Deletes the file at path and whatever an interrupted ReplaceWholeFile
/// left beside it; true when nothing stands at path any more.
bool DeleteWholeFile(platform::FileSystem& files, const std::string& path);

}  // namespace vorna
