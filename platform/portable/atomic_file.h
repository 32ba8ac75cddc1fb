// Whole-file reads and atomic whole-file replacement for the sandbox's own
// bookkeeping files.
#pragma once

#include <string>

namespace vorna::platform {

/// What reading a whole file found.
enum class ReadOutcome { Read, Missing, Failed };

/// Reads the whole file into *text.
ReadOutcome ReadWholeFile(const std::string& path, std::string* text);

/// Replaces the file's content with text: writes a temporary file beside it,
/// flushes it to disk and renames it over the file. On failure the old file
/// is left as it was and no temporary file remains.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);

}  // namespace vorna::platform
