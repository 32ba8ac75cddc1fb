#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "installdata/scramble.h"
#include "tools/pack/authoring/container_writer.h"
#include "tools/pack/authoring/fileset_writer.h"
#include "tools/pack/authoring/line_ends.h"
#include "tools/pack/build_refusals.h"
#include "tools/pack/check_command.h"
#include "tools/pack/commands.h"
#include "tools/pack/options.h"
#include "tools/pack/output_file.h"
#include "tools/pack/terminal_progress.h"

namespace vorna::pack {

namespace fs = std::filesystem;
using authoring::ContainerEntry;

namespace {

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes;
  if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) throw PackError("cannot read '" + path.string() + "'");
  return bytes;
}

// Every regular file of the folder, named by its file name, in name order
// so that the same folder always gives the same image.
std::vector<ContainerEntry> CollectEntries(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw PackError("the scripts folder '" + folder.string() + "' is not a folder");
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  if (files.empty()) throw PackError("the scripts folder '" + folder.string() + "' holds no files");
  std::sort(files.begin(), files.end());
  std::vector<ContainerEntry> entries;
  for (const fs::path& file : files) {
    entries.push_back({file.filename().string(), ReadWholeFile(file)});
  }
  return entries;
}

// Container lines end at CR: entries written with LF line ends get CR LF,
// so that scripts edited on any system load line by line. Said once, and
// per entry only when asked to be verbose.
void NormaliseEntries(std::vector<ContainerEntry>& entries, bool verbose) {
  size_t changed = 0;
  for (ContainerEntry& entry : entries) {
    if (!authoring::NormaliseLineEnds(entry.data)) continue;
    ++changed;
    if (verbose) {
      std::fprintf(stderr, "vorna-pack: '%s': lines ending in LF alone stored as CR LF\n",
                   entry.name.c_str());
    }
  }
  if (changed > 0 && !verbose) {
    std::fprintf(stderr, "vorna-pack: lines ending in LF alone stored as CR LF in %zu %s\n",
                 changed, changed == 1 ? "entry" : "entries");
  }
}

// The scripts as the checker sees them: the entries about to be packed.
size_t CheckScripts(const std::vector<ContainerEntry>& entries, const std::string& scripts) {
  check::EntrySet set;
  for (const ContainerEntry& entry : entries) set.Add(entry.name, entry.data);
  return ReportCheck(set, FolderPrefix(scripts));
}

// Encodes every file below folder, showing the progress on a terminal and
// the compression at the end.
std::vector<uint8_t> PackFileSet(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    throw PackError("the files folder '" + folder + "' is not a folder");
  std::vector<authoring::PayloadFile> files;
  std::vector<uint8_t> fileSet;
  uint64_t total = 0;
  try {
    files = authoring::ListPayload(folder);
    for (const authoring::PayloadFile& file : files) total += file.size;
    TerminalProgress progress("pack", files.size(), total);
    authoring::WriteFileSet(files, fileSet,
                            [&](size_t done, uint64_t bytes) { progress.Show(done, bytes); });
    progress.Done(files.size(), total);
  } catch (const std::runtime_error& failure) {
    throw PackError(failure.what());
  }
  std::printf(
      "file set: %zu files, %s packed into %s (%.1f%%)\n", files.size(), FormatBytes(total).c_str(),
      FormatBytes(fileSet.size()).c_str(),
      total ? 100.0 * static_cast<double>(fileSet.size()) / static_cast<double>(total) : 100.0);
  return fileSet;
}

}  // namespace

void BuildCommand(const std::vector<std::string>& args) {
  const Options options =
      ParseOptions(args, {"stub", "scripts", "out", "files"}, {"no-check", "verbose"});
  if (!options.positional.empty()) {
    throw UsageError("unexpected argument '" + options.positional[0] + "'");
  }
  const fs::path stub = options.Required("stub");
  const fs::path scripts = options.Required("scripts");
  const fs::path out = options.Required("out");
  const std::string files = options.Optional("files");
  RefuseOutput(out, files);
  RefuseStub(stub, out);

  std::vector<ContainerEntry> entries = CollectEntries(scripts);
  const std::string problem = authoring::CheckEntries(entries);
  if (!problem.empty()) throw PackError(problem);
  if (!options.Has("no-check")) {
    const size_t errors = CheckScripts(entries, scripts.string());
    if (errors > 0) {
      throw PackError("the scripts have " + std::to_string(errors) +
                      (errors == 1 ? " error" : " errors") +
                      ": nothing was packed (--no-check packs them anyway)");
    }
  }
  NormaliseEntries(entries, options.Has("verbose"));

  std::error_code error;
  if (out.has_parent_path()) fs::create_directories(out.parent_path(), error);
  std::ifstream stubIn(stub, std::ios::binary);
  OutputFile output(out);
  authoring::ImageWriter writer(output.stream());
  writer.AppendStream(stubIn);
  writer.AppendContainer(entries, kInstallerKey);
  if (!files.empty()) {
    writer.MarkFileSet();
    std::vector<uint8_t> fileSet = PackFileSet(files);
    writer.AppendBytes(fileSet.data(), fileSet.size());
  }
  writer.Finish();
  output.Commit();
  fs::permissions(out, fs::status(stub, error).permissions(), error);
}

}  // namespace vorna::pack
