// The application manifest a setup carries: the execution level it asks
// Windows for (so that Windows neither guesses from the file name whether it
// installs nor virtualizes its writes to Program Files and HKLM) and the
// Windows versions it was made for.
#pragma once

#include <optional>
#include <string>

namespace vorna::authoring {

/// The execution levels of "--execution-level".
enum class ExecutionLevel { Admin, Highest, User };

/// admin, highest, user; nullopt for anything else.
std::optional<ExecutionLevel> ParseExecutionLevel(const std::string& word);

/// The manifest's level attribute: requireAdministrator, highestAvailable, asInvoker.
const char* LevelAttribute(ExecutionLevel level);

/// The manifest text (UTF-8 XML) for level, with description (escaped) as its description.
std::string ManifestText(ExecutionLevel level, const std::string& description);

/// The level a manifest asks for ("requireAdministrator"); nullopt when it names none.
std::optional<std::string> ManifestLevel(const std::string& manifest);

}  // namespace vorna::authoring
