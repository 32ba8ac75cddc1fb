// The messages of start-up, shown before (or instead of) any script work.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// The caption of every start-up message.
constexpr const char* kStartupCaption = "VORNA!";
/// The caption of the box shown when the start-up control entry is missing.
constexpr const char* kFileNotFoundCaption = "File Not Found";

/// Writes text to the system's debug output and shows it in a box with no
/// owner, captioned "VORNA!", with the stop icon; returns once it is closed.
void ShowStartupMessage(const platform::Platform& machine, const std::string& text);

/// Shows the box that names a missing start-up file (no owner, OK, no icon).
void ShowFileNotFound(const platform::Platform& machine, const std::string& fileName);

/// Shows the start-up message and reports that the run failed for its reason.
void FailStartup(const platform::Platform& machine, const std::string& text);

}  // namespace vorna
