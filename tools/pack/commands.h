// The vorna-pack commands. Each takes the words after the command name and
// throws UsageError or PackError on failure.
#pragma once

#include <string>
#include <vector>

namespace vorna::pack {

/// build --stub FILE --scripts DIR --out FILE [--files DIR] [--no-check] [-v]
void BuildCommand(const std::vector<std::string>& args);
/// check SCRIPTS-DIR|IMAGE: the script checker; throws CheckFailed on errors.
void CheckCommand(const std::vector<std::string>& args);
/// new DIR: writes a starter product that packs and installs as it is.
void NewCommand(const std::vector<std::string>& args);
/// list IMAGE
void ListCommand(const std::vector<std::string>& args);
/// extract IMAGE DIR: decodes the file set into DIR with the runtime's copy.
void ExtractCommand(const std::vector<std::string>& args);
/// verify IMAGE: decodes every record and checks it against its size field.
void VerifyCommand(const std::vector<std::string>& args);
/// Prints the file set of an image (name, size, times).
void ListFileSet(const std::string& image);

}  // namespace vorna::pack
