#include "tools/check/diagnostics.h"

#include <algorithm>
#include <map>

namespace vorna::check {

void Diagnostics::Sort() {
  std::map<std::string, size_t> fileOrder;
  for (const Diagnostic& diagnostic : list_) fileOrder.emplace(diagnostic.file, fileOrder.size());
  std::stable_sort(list_.begin(), list_.end(), [&](const Diagnostic& a, const Diagnostic& b) {
    if (a.file != b.file) return fileOrder[a.file] < fileOrder[b.file];
    if (a.line != b.line) return a.line < b.line;
    return a.column < b.column;
  });
}

size_t Diagnostics::Count(Severity severity) const {
  return static_cast<size_t>(std::count_if(
      list_.begin(), list_.end(), [&](const Diagnostic& d) { return d.severity == severity; }));
}

std::string FormatDiagnostic(const Diagnostic& diagnostic) {
  const char* severity = diagnostic.severity == Severity::Error ? "error" : "warning";
  return diagnostic.file + ":" + std::to_string(diagnostic.line) + ":" +
         std::to_string(std::max(diagnostic.column, 1)) + ": " + severity + ": " +
         diagnostic.message;
}

std::string CaretLines(const std::string& sourceLine, int column) {
  if (column <= 0) return std::string();
  // The caret lines up under tabs when the padding keeps them.
  std::string pad;
  for (int i = 0; i + 1 < column && i < static_cast<int>(sourceLine.size()); ++i) {
    pad += sourceLine[static_cast<size_t>(i)] == '\t' ? '\t' : ' ';
  }
  return "    " + sourceLine + "\n    " + pad + "^\n";
}

namespace {

std::string Counted(size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string Summary(const Diagnostics& diagnostics) {
  size_t errors = diagnostics.Count(Severity::Error);
  size_t warnings = diagnostics.Count(Severity::Warning);
  if (errors == 0 && warnings == 0) return "no problems";
  return Counted(errors, "error") + ", " + Counted(warnings, "warning");
}

}  // namespace vorna::check
