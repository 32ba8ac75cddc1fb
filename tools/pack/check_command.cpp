#include "tools/pack/check_command.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "tools/check/script_checker.h"
#include "tools/pack/commands.h"
#include "tools/pack/options.h"

#ifdef _WIN32
#include <io.h>
#define VORNA_ISATTY _isatty
#define VORNA_FILENO _fileno
#else
#include <unistd.h>
#define VORNA_ISATTY isatty
#define VORNA_FILENO fileno
#endif

namespace vorna::pack {

namespace fs = std::filesystem;

namespace {

bool StandardOutputIsTerminal() {
  return VORNA_ISATTY(VORNA_FILENO(stdout)) != 0;
}

// The physical line a diagnostic points at, for its caret.
std::string SourceLine(const check::EntrySet& entries, const std::string& prefix,
                       const check::Diagnostic& diagnostic) {
  if (diagnostic.file.compare(0, prefix.size(), prefix) != 0) return std::string();
  const check::Entry* entry = entries.Find(diagnostic.file.substr(prefix.size()));
  if (entry == nullptr) return std::string();
  std::vector<std::string> lines = check::EntryLines(*entry);
  size_t index = static_cast<size_t>(diagnostic.line - 1);
  return index < lines.size() ? lines[index] : std::string();
}

}  // namespace

std::string FolderPrefix(const std::string& folder) {
  std::string prefix = fs::path(folder).make_preferred().string();
  if (!prefix.empty() && prefix.back() != fs::path::preferred_separator) {
    prefix += fs::path::preferred_separator;
  }
  return prefix;
}

size_t ReportCheck(const check::EntrySet& entries, const std::string& prefix) {
  check::Diagnostics diagnostics = check::CheckProgram(entries, prefix);
  const bool carets = StandardOutputIsTerminal();
  for (const check::Diagnostic& diagnostic : diagnostics.list()) {
    std::printf("%s\n", check::FormatDiagnostic(diagnostic).c_str());
    if (carets) {
      std::fputs(
          check::CaretLines(SourceLine(entries, prefix, diagnostic), diagnostic.column).c_str(),
          stdout);
    }
  }
  std::fflush(stdout);
  std::fprintf(stderr, "vorna-pack: check: %s\n", check::Summary(diagnostics).c_str());
  return diagnostics.Count(check::Severity::Error);
}

void CheckCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {});
  if (options.positional.size() != 1) {
    throw UsageError("check needs exactly one scripts folder or image");
  }
  const std::string& target = options.positional[0];
  std::error_code error;
  check::EntrySet entries;
  std::string prefix;
  try {
    if (fs::is_directory(target, error)) {
      entries = check::ReadFolderEntries(target);
      prefix = FolderPrefix(target);
    } else {
      entries = check::ReadImageEntries(target);
    }
  } catch (const std::runtime_error& failure) {
    throw PackError(failure.what());
  }
  if (ReportCheck(entries, prefix) > 0) throw CheckFailed();
}

}  // namespace vorna::pack
