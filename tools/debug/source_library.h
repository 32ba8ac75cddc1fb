// The source lines that the client lists: each module's text, read once
// through a loader (the install data container or the plain module files)
// and kept as lines.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorna::debug {

/// Answers the whole text of a module, or nullopt when it cannot be read.
using ModuleLoader = std::function<std::optional<std::string>(const std::string& module)>;

class SourceLibrary {
 public:
  explicit SourceLibrary(ModuleLoader loader) : loader_(std::move(loader)) {}

  /// The lines of module (without their line ends); nullptr when the module
  /// cannot be read.
  const std::vector<std::string>* Lines(const std::string& module);
  /// Line number (counted from 0) of module; nullopt when there is none.
  std::optional<std::string> Line(const std::string& module, long number);

 private:
  ModuleLoader loader_;
  std::map<std::string, std::optional<std::vector<std::string>>> modules_;
};

/// Splits text into lines at LF, CR LF or a lone CR.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace vorna::debug
