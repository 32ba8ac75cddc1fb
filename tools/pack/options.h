// Command-line options of vorna-pack: "--name value" (or "--name=value")
// pairs from a list of names each command declares, plus positional words.
#pragma once

#include <map>
#include <set>
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

/// The check found errors and has said so: the command fails without a
/// further message.
class CheckFailed : public std::exception {};

struct Options {
  std::map<std::string, std::string> values;  // by option name without "--"
  std::set<std::string> flags;                // options without a value, given
  std::vector<std::string> positional;

  /// The value of a required option; throws UsageError when it is missing.
  const std::string& Required(const std::string& name) const;
  /// The value of an optional option, or empty.
  std::string Optional(const std::string& name) const;
  /// True when the flag was given.
  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
};

/// Parses args against the options a command knows: known take a value,
/// flags none ("-v" stands for "--verbose"). Throws UsageError for an
/// unknown option, a missing value or an option given twice.
Options ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& known,
                     const std::vector<std::string>& flags = {});

}  // namespace vorna::pack
