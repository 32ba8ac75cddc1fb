// Command-line options of vorna-pack: "--name value" (or "--name=value")
// pairs from a list of names each command declares, plus positional words.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorna::pack {

/// Wrong command line: reported with the usage text.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Bad input or a failed step: reported as one line.
class PackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::map<std::string, std::string> values;  // by option name without "--"
  std::vector<std::string> positional;

  /// The value of a required option; throws UsageError when it is missing.
  const std::string& Required(const std::string& name) const;
  /// The value of an optional option, or empty.
  std::string Optional(const std::string& name) const;
};

/// Parses args against the option names a command knows; throws UsageError
/// for an unknown option, a missing value or an option given twice.
Options ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& known);

}  // namespace vorna::pack
