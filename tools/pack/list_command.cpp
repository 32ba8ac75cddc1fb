#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "installdata/scramble.h"
#include "tools/pack/authoring/container_directory.h"
#include "tools/pack/authoring/host_names.h"
#include "tools/pack/commands.h"
#include "tools/pack/layout_check.h"
#include "tools/pack/options.h"

namespace vorna::pack {

void ListCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {});
  if (options.positional.size() != 1) throw UsageError("list needs exactly one image");
  const std::string& path = options.positional[0];
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError("cannot read '" + path + "'");
  authoring::ImageDirectory directory;
  try {
    directory = authoring::ReadImageDirectory(in, kInstallerKey);
  } catch (const std::runtime_error& error) {
    throw PackError(path + ": " + error.what());
  }
  for (const authoring::DirectoryEntry& entry : directory.entries) {
    std::printf("%10lu  %s\n", static_cast<unsigned long>(entry.size),
                authoring::Printable(entry.name).c_str());
  }
  for (const std::string& line : DescribeProgram(path)) std::printf("%s\n", line.c_str());
  std::string signature = DescribeSignature(path);
  if (!signature.empty()) std::printf("%s\n", signature.c_str());
  std::printf("%zu entries; container at %lu; ", directory.entries.size(),
              static_cast<unsigned long>(directory.base));
  if (directory.fileSetOffset == 0) {
    std::printf("no file set\n");
  } else {
    std::printf("file set at %lu\n", static_cast<unsigned long>(directory.fileSetOffset));
    ListFileSet(path);
  }
}

}  // namespace vorna::pack
