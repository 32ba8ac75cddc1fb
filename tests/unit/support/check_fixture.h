// Checking small programs held in memory: a start-up control entry that
// names SETUP.BAS, the script, and any further entries.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/check/script_checker.h"

namespace vorna::testing {

/// Further entries, by name and text.
using MoreEntries = std::vector<std::pair<std::string, std::string>>;

/// The diagnostics of the program, "LINE:COLUMN: SEVERITY: MESSAGE" for
/// SETUP.BAS and "FILE:LINE:COLUMN: ..." for the other entries. Entries in
/// more come first, so they may replace the control entry.
inline std::vector<std::string> CheckScript(const std::string& script,
                                            const MoreEntries& more = {}) {
  check::EntrySet entries;
  auto add = [&](const std::string& name, const std::string& text) {
    entries.Add(name, std::vector<uint8_t>(text.begin(), text.end()));
  };
  for (const auto& [name, text] : more) add(name, text);
  add("STARTUP.CTL", "SETUP.BAS\r\n");
  add("SETUP.BAS", script);
  const check::Diagnostics diagnostics = check::CheckProgram(entries, "");
  std::vector<std::string> found;
  for (const check::Diagnostic& diagnostic : diagnostics.list()) {
    std::string text = check::FormatDiagnostic(diagnostic);
    found.push_back(text.rfind("SETUP.BAS:", 0) == 0 ? text.substr(10) : text);
  }
  return found;
}

}  // namespace vorna::testing
