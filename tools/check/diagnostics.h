// What the script checker finds: one diagnostic per problem, with the place
// it was found, printed the way compilers print theirs so that editors can
// jump to it ("SETUP.BAS:12:5: error: ...").
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vorna::check {

/// An error stops a build; a warning only tells.
enum class Severity { Error, Warning };

/// One problem at one place. Lines and columns count from 1; a column of 0
/// stands for the whole line.
struct Diagnostic {
  std::string file;
  int line = 0;
  int column = 0;
  Severity severity = Severity::Error;
  std::string message;
};

/// The diagnostics of one check, in the order they were found.
class Diagnostics {
 public:
  /// Adds one diagnostic.
  void Add(Diagnostic diagnostic) { list_.push_back(std::move(diagnostic)); }
  /// Sorts them by file (in the order files were first named), line and column.
  void Sort();
  const std::vector<Diagnostic>& list() const { return list_; }
  /// How many there are of a severity.
  size_t Count(Severity severity) const;

 private:
  std::vector<Diagnostic> list_;
};

/// "FILE:LINE:COL: error: message" (a column of 0 is written as 1).
std::string FormatDiagnostic(const Diagnostic& diagnostic);

/// The two lines that show where: the source line (tabs kept) and a caret
/// under the column; empty when the column is 0.
std::string CaretLines(const std::string& sourceLine, int column);

/// "2 errors, 1 warning", or "no problems".
std::string Summary(const Diagnostics& diagnostics);

}  // namespace vorna::check
