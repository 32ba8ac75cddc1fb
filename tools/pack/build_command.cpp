#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "installdata/scramble.h"
#include "tools/pack/authoring/container_writer.h"
#include "tools/pack/commands.h"
#include "tools/pack/options.h"
#include "tools/pack/output_file.h"

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

// Container lines end at CR, so a script whose lines end in LF alone would
// read as one long line.
void WarnAboutBareLineFeeds(const std::vector<ContainerEntry>& entries) {
  for (const ContainerEntry& entry : entries) {
    const std::vector<uint8_t>& data = entry.data;
    for (size_t i = 0; i < data.size(); ++i) {
      if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) {
        std::fprintf(stderr,
                     "vorna-pack: warning: entry '%s' has lines that end in LF alone; "
                     "the runtime ends lines at CR\n",
                     entry.name.c_str());
        break;
      }
    }
  }
}

}  // namespace

void BuildCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {"stub", "scripts", "out"});
  if (!options.positional.empty()) {
    throw UsageError("unexpected argument '" + options.positional[0] + "'");
  }
  const fs::path stub = options.Required("stub");
  const fs::path scripts = options.Required("scripts");
  const fs::path out = options.Required("out");

  std::error_code error;
  std::ifstream stubIn(stub, std::ios::binary);
  if (!fs::is_regular_file(stub, error) || !stubIn) {
    throw PackError("cannot read the stub '" + stub.string() + "'");
  }
  const std::vector<ContainerEntry> entries = CollectEntries(scripts);
  const std::string problem = authoring::CheckEntries(entries);
  if (!problem.empty()) throw PackError(problem);
  WarnAboutBareLineFeeds(entries);

  OutputFile output(out);
  authoring::ImageWriter writer(output.stream());
  writer.AppendStream(stubIn);
  writer.AppendContainer(entries, kInstallerKey);
  writer.Finish();
  output.Commit();
  fs::permissions(out, fs::status(stub, error).permissions(), error);
}

}  // namespace vorna::pack
