#include "uninstall/record_file.h"

#include <memory>

#include "installdata/copy_files.h"

namespace vorna {

namespace {

using platform::Access;
using platform::Creation;
using platform::Share;

/// The folder that holds path, with its trailing separator.
std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of("\\/") + 1);
}

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
  std::string folder = FolderOf(path);
  std::string prefix = TemporaryPrefix(path.substr(folder.size()));
  files.DeleteStartingWith(folder, prefix);  // what an interrupted write left
  std::string temporary;
  std::unique_ptr<platform::File> file = files.CreateTemporary(folder, prefix, &temporary);
  if (!file) return false;
  bool written = WriteAll(*file, text);
  file.reset();
  if (written && files.Replace(temporary, path)) return true;
  files.Delete(temporary);
  return false;
}

bool DeleteWholeFile(platform::FileSystem& files, const std::string& path) {
  std::string folder = FolderOf(path);
  files.DeleteStartingWith(folder, TemporaryPrefix(path.substr(folder.size())));
  return files.Delete(path) || files.Inspect(path).kind == platform::PathKind::Missing;
}

}  // namespace vorna
