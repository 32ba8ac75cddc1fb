// Where a program file's install data ends: a small PE program built here,
// with install data, a certificate table and damage of each kind.
#include "installdata/image_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vorna {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kNtAt = 0x40;
constexpr uint32_t kOptionalAt = kNtAt + 24;
constexpr uint32_t kOptionalSize = 224;
constexpr uint32_t kSecurityAt = kOptionalAt + 96 + 4 * 8;
constexpr uint32_t kImageEnd = 0x400;  // headers up to 0x200, one section of 0x200 bytes

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  if (bytes.size() < at + 4) bytes.resize(at + 4);
  WriteLittleEndian32(bytes.data() + at, value);
}

void Put16(Bytes& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

/// A 32-bit program: DOS header, PE headers, one section, nothing after it.
Bytes Program() {
  Bytes pe(kImageEnd, 0);
  pe[0] = 'M';
  pe[1] = 'Z';
  Put32(pe, 0x3C, kNtAt);
  std::memcpy(pe.data() + kNtAt, "PE\0\0", 4);
  Put16(pe, kNtAt + 4, 0x14C);           // i386
  Put16(pe, kNtAt + 6, 1);               // one section
  Put16(pe, kNtAt + 20, kOptionalSize);  // size of the optional header
  Put16(pe, kOptionalAt, 0x10B);         // PE32
  Put32(pe, kOptionalAt + 60, 0x200);    // size of headers
  Put32(pe, kOptionalAt + 92, 16);       // data directories
  size_t section = kOptionalAt + kOptionalSize;
  Put32(pe, section + 16, 0x200);  // raw size
  Put32(pe, section + 20, 0x200);  // raw data at
  return pe;
}

/// Appends install data (a few bytes standing for the container) and its trailer.
Bytes& AddInstallData(Bytes& image, uint32_t fileSet = 0) {
  uint32_t base = static_cast<uint32_t>(image.size());
  image.insert(image.end(), 20, 0xAB);
  auto trailer = EncodeTrailer(Trailer{base, fileSet});
  image.insert(image.end(), trailer.begin(), trailer.end());
  return image;
}

/// Signs: zeros up to a multiple of 8, then a table of size bytes.
Bytes& AddSignature(Bytes& image, uint32_t size = 24) {
  image.resize((image.size() + 7) / 8 * 8, 0);
  Put32(image, kSecurityAt, static_cast<uint32_t>(image.size()));
  Put32(image, kSecurityAt + 4, size);
  image.insert(image.end(), size, 0x5A);
  return image;
}

ImageLayout Inspect(const Bytes& image) {
  ReadAt read = [&image](uint64_t offset, uint8_t* bytes, size_t size) {
    if (offset > image.size() || size > image.size() - offset) return false;
    std::memcpy(bytes, image.data() + offset, size);
    return true;
  };
  return InspectImage(read, image.size());
}

Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

TEST(ImageLayout, FindsTheTrailerAtTheEndOfTheSignedRegion) {
  Bytes setup = Program();
  AddInstallData(setup);
  ImageLayout plain = Inspect(setup);
  EXPECT_EQ(plain.kind, ImageKind::Setup);
  EXPECT_EQ(plain.trailer.base, kImageEnd);
  EXPECT_EQ(plain.trailerOffset, setup.size() - kTrailerSize);

  Bytes signedSetup = setup;
  AddSignature(signedSetup);
  ImageLayout layout = Inspect(signedSetup);
  EXPECT_EQ(layout.kind, ImageKind::Setup) << layout.problem;
  EXPECT_EQ(layout.trailerOffset, plain.trailerOffset);  // behind it: the padding, the table
  EXPECT_EQ(layout.certificates.size, 24u);
}

// A file that is no program (or is empty) is a bare runtime too, and a setup
// only with a trailer at its end.
TEST(ImageLayout, AProgramWithNothingButASignatureAfterItIsABareRuntime) {
  EXPECT_EQ(Inspect(Program()).kind, ImageKind::BareRuntime);
  Bytes standIn = Text("a stand-in for the runtime");
  EXPECT_EQ(Inspect(standIn).kind, ImageKind::BareRuntime);
  EXPECT_EQ(Inspect(AddInstallData(standIn)).kind, ImageKind::Setup);
  EXPECT_EQ(Inspect(Bytes()).kind, ImageKind::BareRuntime);
  Bytes signedRuntime = Program();
  EXPECT_EQ(Inspect(AddSignature(signedRuntime)).kind, ImageKind::BareRuntime);
  // Symbols that a linker left behind the sections belong to the program.
  Bytes symbols = Program();
  Put32(symbols, kNtAt + 12, kImageEnd);  // the symbol table
  Put32(symbols, kNtAt + 16, 2);          // two symbols of 18 bytes
  Put32(symbols, kImageEnd + 36, 10);     // then 10 bytes of strings
  symbols.resize(kImageEnd + 46, 0);
  ImageLayout layout = Inspect(symbols);
  EXPECT_EQ(layout.kind, ImageKind::BareRuntime) << layout.problem;
  EXPECT_EQ(layout.imageEnd, kImageEnd + 46u);
}

struct DamageCase {
  const char* what;
  Bytes image;
  const char* problem;
};

TEST(ImageLayout, DamageOfEachKindIsNamed) {
  const Bytes program = Program();
  Bytes setup = program;
  AddInstallData(setup);
  Bytes signedSetup = setup;
  AddSignature(signedSetup);

  Bytes after = signedSetup;
  AddInstallData(after);  // a second container after the signature
  Bytes outside = signedSetup;
  Put32(outside, kSecurityAt + 4, 4096);
  Bytes noTrailer = Program();
  noTrailer.insert(noTrailer.end(), 100, 0xCD);
  Bytes intoImage = Program();
  auto trailer = EncodeTrailer(Trailer{0x100, 0});
  intoImage.insert(intoImage.end(), trailer.begin(), trailer.end());
  Bytes zerosAfter = setup;  // zeros are the signature's padding only
  zerosAfter.resize(zerosAfter.size() + 3, 0);

  const std::vector<DamageCase> cases = {
      {"cut inside the image", Bytes(program.begin(), program.begin() + 0x300),
       "the program file is cut short"},
      {"cut inside the headers", Bytes(program.begin(), program.begin() + 0x80),
       "the program file is cut short"},
      {"cut inside the trailer", Bytes(setup.begin(), setup.end() - 5),
       "the install data has no trailer"},
      {"cut inside the table", Bytes(signedSetup.begin(), signedSetup.end() - 5),
       "the certificate table lies outside the file"},
      {"data after the table", after, "data follows the certificate table"},
      {"a table longer than the file", outside, "the certificate table lies outside the file"},
      {"data without a trailer", noTrailer, "the install data has no trailer"},
      {"a trailer pointing into the program", intoImage,
       "the trailer points outside the install data"},
      {"zeros after an unsigned setup", zerosAfter, "the install data has no trailer"},
      {"a stand-in program without a trailer", Text("MZ and nothing more"),
       "the program file is cut short"},
  };
  for (const DamageCase& c : cases) {
    ImageLayout layout = Inspect(c.image);
    EXPECT_EQ(layout.kind, ImageKind::Damaged) << c.what;
    EXPECT_EQ(layout.problem, c.problem) << c.what;
  }
}

}  // namespace
}  // namespace vorna
