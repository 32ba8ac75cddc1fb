// The product's identity stamped into a program's resources and read back:
// a small PE program built here stands for the runtime.
#include "tools/pack/authoring/product_identity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "installdata/trailer.h"
#include "tools/pack/authoring/container_writer.h"
#include "tools/pack/authoring/icon_file.h"
#include "tools/pack/authoring/resource_tree.h"
#include "tools/pack/authoring/version_block.h"

namespace vorna::authoring {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kNtAt = 0x80;
constexpr uint32_t kOptionalAt = kNtAt + 24;
constexpr uint32_t kOptionalSize = 224;
constexpr uint32_t kSectionsAt = kOptionalAt + kOptionalSize;
constexpr uint32_t kResourceRva = 0x2000;
constexpr uint32_t kSymbolsAt = 0x800;

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  WriteLittleEndian32(bytes.data() + at, value);
}

uint32_t Get32(const Bytes& bytes, size_t at) {
  return ReadLittleEndian32(bytes.data() + at);
}

ResourceId Named(const std::u16string& name) {
  ResourceId id;
  id.name = name;
  return id;
}

ResourceId Numbered(uint16_t number) {
  ResourceId id;
  id.id = number;
  return id;
}

/// The runtime's resources, in small: a named dialog and a version block.
ResourceTree RuntimeResources() {
  ResourceTree tree;
  tree[Numbered(5)][Named(u"ERROR")][Numbered(kEnglishUs)] = ResourceData{{1, 2, 3}, 0};
  VersionInfo version;
  version.numbers = {0, 1, 0, 0};
  version.strings = {{"ProductName", "Vorna"}};
  tree[Numbered(resource_type::kVersion)][Numbered(1)][Numbered(kEnglishUs)] =
      ResourceData{EncodeVersionInfo(version), 0};
  return tree;
}

void PutSection(Bytes& pe, int index, const char* name, uint32_t rva, uint32_t size,
                uint32_t rawAt) {
  size_t at = kSectionsAt + 40 * index;
  std::memcpy(pe.data() + at, name, std::strlen(name));
  Put32(pe, at + 8, size);
  Put32(pe, at + 12, rva);
  Put32(pe, at + 16, 0x200);
  Put32(pe, at + 20, rawAt);
}

/// A 32-bit program: .text at 0x1000, .rsrc at 0x2000 holding RuntimeResources,
/// then 18 bytes of COFF symbols and 4 of strings behind the sections.
Bytes Runtime() {
  Bytes pe(kSymbolsAt + 22, 0);
  pe[0] = 'M';
  pe[1] = 'Z';
  Put32(pe, 0x3C, kNtAt);
  std::memcpy(pe.data() + kNtAt, "PE\0\0", 4);
  pe[kNtAt + 6] = 2;                  // two sections
  Put32(pe, kNtAt + 12, kSymbolsAt);  // the symbol table
  Put32(pe, kNtAt + 16, 1);           // one symbol
  pe[kNtAt + 20] = kOptionalSize;     // size of the optional header
  pe[kOptionalAt] = 0x0B, pe[kOptionalAt + 1] = 0x01;
  Put32(pe, kOptionalAt + 32, 0x1000);  // section alignment
  Put32(pe, kOptionalAt + 36, 0x200);   // file alignment
  Put32(pe, kOptionalAt + 56, 0x3000);  // size of image
  Put32(pe, kOptionalAt + 60, 0x400);   // size of headers
  Put32(pe, kOptionalAt + 92, 16);      // data directories
  PutSection(pe, 0, ".text", 0x1000, 0x10, 0x400);
  Bytes resources = WriteResources(RuntimeResources(), kResourceRva);
  PutSection(pe, 1, ".rsrc", kResourceRva, static_cast<uint32_t>(resources.size()), 0x600);
  std::copy(resources.begin(), resources.end(), pe.begin() + 0x600);
  Put32(pe, kOptionalAt + 96 + 2 * 8, kResourceRva);
  Put32(pe, kOptionalAt + 96 + 2 * 8 + 4, static_cast<uint32_t>(resources.size()));
  Put32(pe, kSymbolsAt + 18, 4);  // the strings' size
  return pe;
}

/// An icon file of two images, 16x16 and 32x32, with stand-in image bytes.
Bytes IconFile() {
  Bytes file = {0, 0, 1, 0, 2, 0};
  auto entry = [&](uint8_t size, uint32_t bytes, uint32_t at) {
    Bytes e = {size, size, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    WriteLittleEndian32(e.data() + 8, bytes);
    WriteLittleEndian32(e.data() + 12, at);
    file.insert(file.end(), e.begin(), e.end());
  };
  entry(16, 40, 38);
  entry(32, 60, 78);
  file.resize(138, 0x77);
  return file;
}

PeFile Parsed(const Bytes& bytes) {
  std::optional<PeFile> program = PeFile::Parse(bytes);
  EXPECT_TRUE(program);
  return std::move(*program);
}

TEST(ProductIdentity, StampsVersionIconAndManifestAndKeepsTheRest) {
  ProductIdentity identity;
  identity.product = "Hello";
  identity.version = "1.2.3";
  identity.company = "The Hello Makers";
  identity.icon = IconFile();
  identity.level = ExecutionLevel::Highest;
  PeFile stamped = StampIdentity(Parsed(Runtime()), identity);

  EXPECT_EQ(DescribeIdentity(stamped),
            (std::vector<std::string>{"product: Hello 1.2.3, Hello Setup, The Hello Makers",
                                      "icon: 2 images: 16x16, 32x32",
                                      "execution level: highestAvailable"}));
  ResourceTree tree = ReadResources(stamped);
  EXPECT_EQ(tree[Numbered(5)][Named(u"ERROR")][Numbered(kEnglishUs)].bytes, (Bytes{1, 2, 3}));
  EXPECT_EQ(tree[Numbered(resource_type::kIcon)][Numbered(2)][Numbered(kEnglishUs)].bytes,
            Bytes(60, 0x77));
  VersionInfo version = DecodeVersionInfo(
      tree[Numbered(resource_type::kVersion)][Numbered(1)][Numbered(kEnglishUs)].bytes);
  EXPECT_EQ(version.numbers, (std::array<uint16_t, 4>{1, 2, 3, 0}));
}

// The new resources are a section of their own at the end of the image: the
// section table, the image size and the directory follow, and the symbols
// behind the sections move behind it.
TEST(ProductIdentity, TheResourcesMoveToANewLastSection) {
  PeFile stamped = StampIdentity(Parsed(Runtime()), ProductIdentity());
  const Bytes& bytes = stamped.bytes();
  ASSERT_EQ(stamped.sections().size(), 3u);
  EXPECT_EQ(stamped.sections()[1].name, ".oldrsrc");
  const PeSection& added = stamped.sections()[2];
  EXPECT_EQ(added.name, ".rsrc");
  EXPECT_EQ(added.virtualAddress, 0x3000u);
  EXPECT_EQ(added.rawOffset, kSymbolsAt);
  EXPECT_EQ(stamped.DirectoryAddress(PeDirectory::Resource), 0x3000u);
  EXPECT_EQ(Get32(bytes, kOptionalAt + 56), 0x4000u);  // the image's size
  uint32_t symbols = Get32(bytes, kNtAt + 12);
  EXPECT_EQ(symbols, kSymbolsAt + added.rawSize);
  EXPECT_EQ(Get32(bytes, symbols + 18), 4u);
  EXPECT_EQ(DescribeIdentity(stamped)[2], "execution level: requireAdministrator");
}

TEST(ProductIdentity, RefusesWhatCannotBeStamped) {
  ProductIdentity badVersion;
  badVersion.product = "Hello";
  badVersion.version = "1.x";
  EXPECT_THROW(StampIdentity(Parsed(Runtime()), badVersion), std::runtime_error);
  ProductIdentity longTexts;
  longTexts.product = "Hello";
  longTexts.version = "1.0";
  longTexts.copyright = std::string(40000, 'c');  // 80000 bytes in UTF-16
  EXPECT_THROW(StampIdentity(Parsed(Runtime()), longTexts), std::runtime_error);
  ProductIdentity badIcon;
  badIcon.icon = Bytes{'P', 'N', 'G'};
  EXPECT_THROW(StampIdentity(Parsed(Runtime()), badIcon), std::runtime_error);
  Bytes shortIcon = IconFile();
  shortIcon.resize(100);  // the second image runs past the end
  badIcon.icon = shortIcon;
  EXPECT_THROW(StampIdentity(Parsed(Runtime()), badIcon), std::runtime_error);
  Bytes full = Runtime();
  Put32(full, kSectionsAt + 20, kSectionsAt + 80);  // .text's data right behind the table
  EXPECT_THROW(StampIdentity(Parsed(full), ProductIdentity()), std::runtime_error);
}

TEST(ProductIdentity, AStubsOwnSignatureIsRemoved) {
  Bytes signedRuntime = Runtime();
  uint32_t tableAt = static_cast<uint32_t>(signedRuntime.size());
  signedRuntime.resize(tableAt + 16, 0x5A);
  Put32(signedRuntime, kOptionalAt + 96 + 4 * 8, tableAt);
  Put32(signedRuntime, kOptionalAt + 96 + 4 * 8 + 4, 16);
  PeFile stamped = StampIdentity(Parsed(signedRuntime), ProductIdentity());
  EXPECT_EQ(stamped.DirectorySize(PeDirectory::Security), 0u);
  EXPECT_EQ(stamped.bytes().size(), Get32(stamped.bytes(), kNtAt + 12) + 22u);
}

// Words are summed little-endian with the carry folded back, the field
// itself counts as zeros, and the length is added last.
TEST(ProductIdentity, TheChecksumFollowsThePeRule) {
  const Bytes bytes = {0xFF, 0xFF, 0x02, 0x00, 9, 9, 9, 9, 0x03};
  PeChecksum sum(4);
  sum.Add(bytes.data(), 2);
  sum.Add(bytes.data() + 2, bytes.size() - 2);
  // 0xFFFF + 0x0002 folds to 0x0002, + 0x0003 = 5, + 9 bytes = 14.
  EXPECT_EQ(sum.Value(), 14u);
}

// The image's checksum is stamped when it is complete, over every byte,
// the image having been made to end at a multiple of 8.
TEST(ProductIdentity, TheWholeImageIsChecksummed) {
  PeFile stamped = StampIdentity(Parsed(Runtime()), ProductIdentity());
  std::ostringstream out;
  ImageWriter writer(out);
  writer.StampChecksum(stamped.checksumOffset());
  writer.AppendBytes(stamped.bytes().data(), stamped.bytes().size());
  writer.AppendContainer({{"STARTUP.CTL", {'A'}}}, "");
  writer.Finish();
  std::string image = out.str();
  EXPECT_EQ(image.size() % 8, 0u);
  PeChecksum again(stamped.checksumOffset());
  again.Add(reinterpret_cast<const uint8_t*>(image.data()), image.size());
  EXPECT_EQ(
      ReadLittleEndian32(reinterpret_cast<const uint8_t*>(image.data()) + stamped.checksumOffset()),
      again.Value());
  EXPECT_NE(again.Value(), 0u);
}

}  // namespace
}  // namespace vorna::authoring
