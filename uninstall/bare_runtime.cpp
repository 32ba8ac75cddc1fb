#include "uninstall/bare_runtime.h"

#include <algorithm>
#include <memory>

#include "installdata/image_layout.h"
#include "uninstall/record_file.h"

namespace vorna {

namespace {

/// The largest program copied: far beyond the runtime's size.
constexpr uint64_t kMaxImage = 64 * 1024 * 1024;

/// Where the install data of a program file of size bytes begins: the
/// container's base or the file set, whichever comes first; size when the
/// file carries none, 0 when it is damaged.
uint64_t ImageEnd(platform::File& program, uint64_t size) {
  ImageLayout layout = InspectImageFile(program);
  if (layout.kind == ImageKind::Damaged) return 0;
  if (layout.kind == ImageKind::BareRuntime) return size;
  uint64_t end = layout.trailerOffset;
  if (layout.trailer.base != 0) end = std::min<uint64_t>(end, layout.trailer.base);
  if (layout.trailer.fileSetOffset != 0)
    end = std::min<uint64_t>(end, layout.trailer.fileSetOffset);
  return end;
}

bool ReadImage(platform::File& program, uint64_t length, std::string* image) {
  if (!program.Seek(0, platform::SeekOrigin::Begin)) return false;
  image->assign(static_cast<size_t>(length), '\0');
  size_t done = 0;
  while (done < image->size()) {
    size_t got = 0;
    if (!program.Read(&(*image)[done], image->size() - done, &got) || got == 0) return false;
    done += got;
  }
  return true;
}

}  // namespace

bool CopyBareRuntime(platform::FileSystem& files, const std::string& program,
                     const std::string& destination) {
  std::unique_ptr<platform::File> file = files.Open(
      program, platform::Access::Read, platform::Share::Read, platform::Creation::OpenExisting);
  uint64_t size = 0;
  if (!file || !file->Size(&size)) return false;
  uint64_t length = ImageEnd(*file, size);
  std::string image;
  if (length == 0 || length > kMaxImage || !ReadImage(*file, length, &image)) return false;
  file.reset();
  return ReplaceWholeFile(files, destination, image);
}

}  // namespace vorna
