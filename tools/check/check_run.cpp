#include "tools/check/check_run.h"

namespace vorna::check {

void CheckRun::Report(const std::string& file, int line, int column, Severity severity,
                      std::string message) {
  if (pass != Pass::Report) return;
  diagnostics_.Add({file, line, column, severity, std::move(message)});
}

void CheckRun::NoteComputedLicence(const std::string& file, int line, int column) {
  if (!computedLicence_.file.empty()) return;
  computedLicence_ = {file, line, column, Severity::Warning, std::string()};
}

}  // namespace vorna::check
