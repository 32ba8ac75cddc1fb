#include "uninstall/record_file.h"

#include <memory>

namespace vorna {

namespace {

using platform::Access;
using platform::Creation;
using platform::Share;

/// The new content is written here first, beside the file it replaces.
constexpr const char* kNewSuffix = ".NEW";

bool WriteAll(platform::File& file, const std::string& text) {
  return file.Write(text.data(), text.size()) && file.Flush();
}

}  // namespace

FileRead ReadWholeFile(platform::FileSystem& files, const std::string& path, uint64_t limit,
                       std::string* text) {
  std::unique_ptr<platform::File> file =
      files.Open(path, Access::Read, Share::Read, Creation::OpenExisting);
  if (!file) {
    bool missing = files.Inspect(path).kind == platform::PathKind::Missing;
    return missing ? FileRead::Missing : FileRead::Failed;
  }
  uint64_t size = 0;
  if (!file->Size(&size)) return FileRead::Failed;
  if (size > limit) return FileRead::TooLarge;
  text->assign(static_cast<size_t>(size), '\0');
  size_t done = 0;
  while (done < text->size()) {
    size_t got = 0;
    if (!file->Read(&(*text)[done], text->size() - done, &got) || got == 0) return FileRead::Failed;
    done += got;
  }
  return FileRead::Read;
}

bool ReplaceWholeFile(platform::FileSystem& files, const std::string& path,
                      const std::string& text) {
  std::string part = path + kNewSuffix;
  files.Delete(part);  // what an interrupted write left
  std::unique_ptr<platform::File> file =
      files.Open(part, Access::Write, Share::None, Creation::CreateNew);
  if (!file) return false;
  bool written = WriteAll(*file, text);
  file.reset();
  if (written) files.Delete(path);
  if (written && files.Move(part, path)) return true;
  files.Delete(part);
  return false;
}

bool DeleteWholeFile(platform::FileSystem& files, const std::string& path) {
  files.Delete(path + kNewSuffix);
  return files.Delete(path) || files.Inspect(path).kind == platform::PathKind::Missing;
}

}  // namespace vorna
