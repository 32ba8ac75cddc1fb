#include "installdata/image_layout.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/files.h"

namespace vorna {

namespace {

constexpr uint16_t kPe32 = 0x10B;
constexpr uint16_t kPe32Plus = 0x20B;
constexpr size_t kSecurityDirectory = 4;
constexpr size_t kSectionHeaderSize = 40;
constexpr uint64_t kSymbolSize = 18;
constexpr uint16_t kMostSections = 96;  // the Windows loader's limit
constexpr uint64_t kTablePadding = 7;   // zeros a signing tool adds to align the table to 8

uint16_t Little16(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

/// The PE headers as far as the layout needs them.
struct PeHeaders {
  bool isProgram = false;  // the file begins with "MZ"
  bool readable = false;   // and its PE headers make sense
  uint64_t imageEnd = 0;
  CertificateTable certificates;
};

/// The optional header's size of headers and security directory; false when
/// the header is too short for them or of an unknown kind.
bool ReadOptionalHeader(const std::vector<uint8_t>& header, uint64_t headerAt, PeHeaders* pe) {
  if (header.size() < 2) return false;
  uint16_t magic = Little16(header.data());
  if (magic != kPe32 && magic != kPe32Plus) return false;
  size_t countAt = magic == kPe32 ? 92 : 108;
  size_t directoriesAt = countAt + 4;
  if (header.size() < directoriesAt) return false;
  uint64_t headersSize = ReadLittleEndian32(header.data() + 60);
  pe->imageEnd = std::max(pe->imageEnd, headersSize);
  uint32_t count = ReadLittleEndian32(header.data() + countAt);
  size_t securityAt = directoriesAt + kSecurityDirectory * 8;
  if (count > kSecurityDirectory && header.size() >= securityAt + 8) {
    pe->certificates.offset = ReadLittleEndian32(header.data() + securityAt);
    pe->certificates.size = ReadLittleEndian32(header.data() + securityAt + 4);
    pe->certificates.entryAt = headerAt + securityAt;
  }
  return true;
}

/// Widens the image end over every section's raw data; false when the
/// section table cannot be read.
bool ReadSections(const ReadAt& read, uint64_t tableAt, uint16_t count, PeHeaders* pe) {
  std::vector<uint8_t> table(size_t{count} * kSectionHeaderSize);
  if (!table.empty() && !read(tableAt, table.data(), table.size())) return false;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* section = table.data() + size_t{i} * kSectionHeaderSize;
    uint64_t rawSize = ReadLittleEndian32(section + 16);
    uint64_t rawAt = ReadLittleEndian32(section + 20);
    if (rawSize > 0) pe->imageEnd = std::max(pe->imageEnd, rawAt + rawSize);
  }
  pe->imageEnd = std::max(pe->imageEnd, tableAt + table.size());
  return true;
}

/// Widens the image end over the COFF symbol table and the string table
/// after it, which a linker leaves behind the sections of an unstripped
/// program; false when they cannot be read.
bool ReadSymbols(const ReadAt& read, const uint8_t* coff, PeHeaders* pe) {
  uint64_t symbolsAt = ReadLittleEndian32(coff + 8);
  if (symbolsAt == 0) return true;
  uint64_t stringsAt = symbolsAt + kSymbolSize * ReadLittleEndian32(coff + 12);
  uint8_t stringsSize[4];
  if (!read(stringsAt, stringsSize, sizeof stringsSize)) return false;
  pe->imageEnd = std::max(pe->imageEnd, stringsAt + ReadLittleEndian32(stringsSize));
  return true;
}

// dos header -> "MZ" ... e_lfanew at 0x3C
// nt headers -> "PE\0\0" coff-header(20) optional-header section-table
PeHeaders ReadPeHeaders(const ReadAt& read) {
  PeHeaders pe;
  uint8_t dos[64];
  if (!read(0, dos, 2) || dos[0] != 'M' || dos[1] != 'Z') return pe;
  pe.isProgram = true;
  uint8_t nt[24];
  if (!read(0, dos, sizeof dos)) return pe;
  uint64_t ntAt = ReadLittleEndian32(dos + 0x3C);
  if (!read(ntAt, nt, sizeof nt) || std::memcmp(nt, "PE\0\0", 4) != 0) return pe;
  uint16_t sections = Little16(nt + 6);
  uint16_t optionalSize = Little16(nt + 20);
  std::vector<uint8_t> optional(optionalSize);
  if (sections > kMostSections ||
      (optionalSize > 0 && !read(ntAt + 24, optional.data(), optionalSize))) {
    return pe;
  }
  pe.readable = ReadOptionalHeader(optional, ntAt + 24, &pe) &&
                ReadSections(read, ntAt + 24 + optionalSize, sections, &pe) &&
                ReadSymbols(read, nt + 4, &pe);
  return pe;
}

ImageLayout Damaged(const std::string& problem, uint64_t imageEnd = 0) {
  ImageLayout layout;
  layout.kind = ImageKind::Damaged;
  layout.imageEnd = imageEnd;
  layout.problem = problem;
  return layout;
}

/// The trailer that ends at end, if its magic is there.
bool TrailerEndingAt(const ReadAt& read, uint64_t end, Trailer* trailer) {
  uint8_t bytes[kTrailerSize];
  return end >= kTrailerSize && read(end - kTrailerSize, bytes, sizeof bytes) &&
         DecodeTrailer(bytes, trailer);
}

/// True when every byte from offset to end is zero.
bool OnlyZeros(const ReadAt& read, uint64_t offset, uint64_t end) {
  uint8_t bytes[kTablePadding] = {};
  if (end <= offset) return true;
  if (end - offset > sizeof bytes || !read(offset, bytes, end - offset)) return false;
  return std::all_of(bytes, bytes + (end - offset), [](uint8_t b) { return b == 0; });
}

/// A setup with the trailer ending at end, when its offsets point into the
/// install data before it.
ImageLayout SetupWith(const Trailer& trailer, uint64_t end, uint64_t imageEnd) {
  uint64_t trailerOffset = end - kTrailerSize;
  bool inside = trailer.base >= imageEnd && trailer.base < trailerOffset &&
                (trailer.fileSetOffset == 0 ||
                 (trailer.fileSetOffset >= imageEnd && trailer.fileSetOffset < trailerOffset));
  if (!inside) return Damaged("the trailer points outside the install data", imageEnd);
  ImageLayout layout;
  layout.kind = ImageKind::Setup;
  layout.trailer = trailer;
  layout.trailerOffset = trailerOffset;
  layout.imageEnd = imageEnd;
  return layout;
}

/// A file that is no PE program: a setup when it ends in a trailer.
ImageLayout InspectPlainFile(const ReadAt& read, uint64_t size, bool beginsAsProgram) {
  Trailer trailer;
  if (TrailerEndingAt(read, size, &trailer)) return SetupWith(trailer, size, 0);
  if (beginsAsProgram) return Damaged("the program file is cut short");
  ImageLayout layout;
  layout.imageEnd = size;
  return layout;
}

/// Where the signed region ends: the certificate table's offset, or the end
/// of the file; Damaged when the table does not close the file exactly.
ImageLayout CheckCertificates(const PeHeaders& pe, uint64_t size, uint64_t* regionEnd) {
  const CertificateTable& table = pe.certificates;
  *regionEnd = size;
  if (table.size == 0) return ImageLayout();
  if (table.offset < pe.imageEnd || table.offset > size || table.size > size - table.offset) {
    return Damaged("the certificate table lies outside the file", pe.imageEnd);
  }
  if (table.offset + table.size < size) {
    return Damaged("data follows the certificate table", pe.imageEnd);
  }
  *regionEnd = table.offset;
  return ImageLayout();
}

/// The trailer of a PE program: at the end of its signed region, perhaps
/// followed by the zeros that align a certificate table.
ImageLayout FindTrailer(const ReadAt& read, const PeHeaders& pe, uint64_t regionEnd) {
  uint64_t padding = pe.certificates.size > 0 ? kTablePadding : 0;
  for (uint64_t zeros = 0; zeros <= padding && regionEnd - zeros >= pe.imageEnd; ++zeros) {
    Trailer trailer;
    uint64_t end = regionEnd - zeros;
    if (end - pe.imageEnd < kTrailerSize || !OnlyZeros(read, end, regionEnd)) break;
    if (TrailerEndingAt(read, end, &trailer)) return SetupWith(trailer, end, pe.imageEnd);
  }
  return Damaged("the install data has no trailer", pe.imageEnd);
}

}  // namespace

ImageLayout InspectImage(const ReadAt& read, uint64_t size) {
  PeHeaders pe = ReadPeHeaders(read);
  if (!pe.readable) return InspectPlainFile(read, size, pe.isProgram);
  if (pe.imageEnd > size) return Damaged("the program file is cut short", pe.imageEnd);
  uint64_t regionEnd = size;
  ImageLayout layout = CheckCertificates(pe, size, &regionEnd);
  if (layout.kind == ImageKind::Damaged) return layout;
  // Nothing but the image (and the zeros that align a signature): a bare runtime.
  if (regionEnd - pe.imageEnd <= kTablePadding && OnlyZeros(read, pe.imageEnd, regionEnd)) {
    layout.imageEnd = pe.imageEnd;
    layout.certificates = pe.certificates;
    return layout;
  }
  layout = FindTrailer(read, pe, regionEnd);
  layout.certificates = pe.certificates;
  return layout;
}

ImageLayout InspectImageFile(platform::File& file) {
  uint64_t size = 0;
  if (!file.Size(&size)) return Damaged("the file cannot be read");
  ReadAt read = [&file, size](uint64_t offset, uint8_t* bytes, size_t count) {
    size_t got = 0;
    return offset <= size && count <= size - offset &&
           file.Seek(static_cast<int64_t>(offset), platform::SeekOrigin::Begin) &&
           file.Read(bytes, count, &got) && got == count;
  };
  return InspectImage(read, size);
}

}  // namespace vorna
