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
uint64_t ImageEnd(const ImageLayout& layout, uint64_t size) {
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

/// Blanks the security directory entry of a signed setup's image: the copy
/// ends before the certificate table, and an entry naming a table past the
/// end of the file makes a program look damaged to signature checks.
void ForgetSignature(const ImageLayout& layout, std::string* image) {
  if (layout.certificates.size == 0 || layout.certificates.entryAt == 0) return;
  if (layout.certificates.entryAt + 8 > image->size()) return;
  std::fill_n(image->begin() + static_cast<std::ptrdiff_t>(layout.certificates.entryAt), 8, '\0');
}

}  // namespace

bool CopyBareRuntime(platform::FileSystem& files, const std::string& program,
                     const std::string& destination) {
  std::unique_ptr<platform::File> file = files.Open(
      program, platform::Access::Read, platform::Share::Read, platform::Creation::OpenExisting);
  uint64_t size = 0;
  if (!file || !file->Size(&size)) return false;
  ImageLayout layout = InspectImageFile(*file);
  uint64_t length = ImageEnd(layout, size);
  std::string image;
  if (length == 0 || length > kMaxImage || !ReadImage(*file, length, &image)) return false;
  file.reset();
  ForgetSignature(layout, &image);
  return ReplaceWholeFile(files, destination, image);
}

}  // namespace vorna
