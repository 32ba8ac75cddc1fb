// The vorna-pack commands. Each takes the words after the command name and
// throws UsageError or PackError on failure.
#pragma once

#include <string>
#include <vector>

namespace vorna::pack {

/// build --stub FILE --scripts DIR --out FILE
void BuildCommand(const std::vector<std::string>& args);
/// list IMAGE
void ListCommand(const std::vector<std::string>& args);

}  // namespace vorna::pack
