// The messages of start-up, shown before (or instead of) any script work.
#pragma once

#include <string>

namespace vorna {

/// The caption of every start-up message.
constexpr const char* kStartupCaption = "VORNA!";
/// The caption of the box shown when the start-up control entry is missing.
constexpr const char* kFileNotFoundCaption = "File Not Found";

/// Writes text to the system's debug output and shows it in a box with no
/// owner, captioned "VORNA!", with the stop icon; returns once it is closed.
void ShowStartupMessage(const std::string& text);

/// Shows the box that names a missing start-up file (no owner, OK, no icon).
void ShowFileNotFound(const std::string& fileName);

}  // namespace vorna
