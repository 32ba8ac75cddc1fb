#include "tools/pack/output_file.h"

#include <random>
#include <string>
#include <system_error>

#include "tools/pack/options.h"

namespace vorna::pack {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryNameFor(const fs::path& path) {
  std::random_device random;
  std::string suffix = ".vorna-pack-" + std::to_string(random() % 1000000000u) + ".tmp";
  fs::path name = path.filename();
  name += suffix;
  return path.parent_path() / name;
}

}  // namespace

OutputFile::OutputFile(const fs::path& path) : path_(path), temporary_(TemporaryNameFor(path)) {
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) throw PackError("cannot create a file in the folder of '" + path.string() + "'");
}

OutputFile::~OutputFile() {
  if (committed_) return;
  out_.close();
  std::error_code ignored;
  fs::remove(temporary_, ignored);
}

void OutputFile::Commit() {
  out_.close();
  if (!out_) throw PackError("cannot write '" + temporary_.string() + "'");
  std::error_code error;
  fs::rename(temporary_, path_, error);
  if (error && fs::exists(path_)) {
    // Some systems do not rename over an existing file.
    fs::remove(path_, error);
    if (!error) fs::rename(temporary_, path_, error);
  }
  if (error) throw PackError("cannot create '" + path_.string() + "': " + error.message());
  committed_ = true;
}

}  // namespace vorna::pack
