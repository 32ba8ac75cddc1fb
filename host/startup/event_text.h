// Events as one line of text each: what the install log writes after the
// time stamp, and what the sandbox's report shows.
#pragma once

#include <cstdint>
#include <string>

#include "platform/install_events.h"

namespace vorna {

/// The event as one line ("file written (new): C:\App\A.TXT, 12 bytes, ...");
/// line breaks inside its texts become " / ", so the line stays one line.
std::string DescribeEvent(const platform::InstallEvent& event);

/// "2026-05-04 10:11:12": a moment given in seconds since 1970-01-01 UTC.
std::string FormatUtcTime(int64_t secondsSince1970);

/// A file time (ticks since 1601) as FormatUtcTime writes it.
std::string FormatFileTime(platform::FileTime time);

/// The word of an outcome: "success", "cancelled", "failed".
const char* OutcomeWord(platform::RunOutcome outcome);

}  // namespace vorna
