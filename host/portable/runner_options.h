// The command line of vorna-run.
//
//   vorna-run [--image FILE] [--root DIR] [--keep] [--answers FILE] [--debug-fds R,W]
//             [--faults KIND:N[+],...] [-- RUNTIME-COMMAND-LINE]
#pragma once

#include <optional>
#include <string>

namespace vorna {

struct RunnerOptions {
  /// The install data file (a packed setup executable); empty: plain files only.
  std::string image;
  /// The sandbox root; empty: a fresh temporary folder, removed at the end.
  std::string root;
  /// Keep the temporary sandbox root after the run (its path is printed).
  bool keep = false;
  /// The answers file; empty: the terminal or the default buttons answer.
  std::string answers;
  /// The debugger channel (-D): the descriptors the debugger client passed
  /// to read its replies from and to write the records to; -1 when none.
  int debugReadFd = -1;
  int debugWriteFd = -1;
  /// The sandbox faults to inject, as the fault injector reads them ("write:3",
  /// "open:2+,registrywrite:1"); empty: none.
  std::string faults;
  /// The runtime's own command line: the words after "--", joined by blanks.
  std::string commandLine;
  /// Only print the usage.
  bool help = false;
  /// Only print the version.
  bool version = false;
};

/// The usage text printed for --help and after an option error.
extern const char* const kRunnerUsage;

/// Reads the runner's arguments (argv[0] excluded); on a bad argument answers
/// nullopt and describes it in *error.
std::optional<RunnerOptions> ParseRunnerOptions(int argc, const char* const* argv,
                                                std::string* error);

}  // namespace vorna
