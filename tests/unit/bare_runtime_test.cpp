// The uninstaller's copy of the runtime: the program image alone, cut where
// the install data begins, with no claim to the signature it left behind.
#include "uninstall/bare_runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "installdata/trailer.h"
#include "platform/portable/portable_files.h"
#include "tests/unit/support/temp_folder.h"

namespace vorna {
namespace {

constexpr uint32_t kNtAt = 0x40;
constexpr uint32_t kOptionalAt = kNtAt + 24;
constexpr uint32_t kSecurityAt = kOptionalAt + 96 + 4 * 8;
constexpr uint32_t kImageEnd = 0x400;

void Put(std::string& bytes, size_t at, uint32_t value, int width = 4) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

/// A 32-bit program of one section, then install data and a trailer, then a
/// certificate table of 24 bytes that the security directory names.
std::string SignedSetup() {
  std::string pe(kImageEnd, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  Put(pe, 0x3C, kNtAt);
  std::memcpy(&pe[kNtAt], "PE\0\0", 4);
  Put(pe, kNtAt + 4, 0x14C, 2);    // i386
  Put(pe, kNtAt + 6, 1, 2);        // one section
  Put(pe, kNtAt + 20, 224, 2);     // size of the optional header
  Put(pe, kOptionalAt, 0x10B, 2);  // PE32
  Put(pe, kOptionalAt + 60, 0x200);
  Put(pe, kOptionalAt + 92, 16);           // data directories
  Put(pe, kOptionalAt + 224 + 16, 0x200);  // the section's raw size
  Put(pe, kOptionalAt + 224 + 20, 0x200);  // and where it lies
  std::string setup = pe + std::string(20, '\xAB');
  auto trailer = EncodeTrailer(Trailer{kImageEnd, 0});
  setup.append(trailer.begin(), trailer.end());
  setup.resize((setup.size() + 7) / 8 * 8, '\0');
  Put(setup, kSecurityAt, static_cast<uint32_t>(setup.size()));
  Put(setup, kSecurityAt + 4, 24);
  return setup + std::string(24, '\x5A');
}

TEST(BareRuntime, ACopyOfASignedSetupIsItsImageWithoutTheSignatureEntry) {
  testing::TempFolder folder;
  std::string setup = SignedSetup();
  testing::WriteHostFile(folder / "C/SETUP.EXE", setup);
  platform::PortableFileSystem files(folder.path(), "C:\\SETUP.EXE");

  ASSERT_TRUE(CopyBareRuntime(files, "C:\\SETUP.EXE", "C:\\UNINSTALL.EXE"));
  std::string expected = setup.substr(0, kImageEnd);
  Put(expected, kSecurityAt, 0);
  Put(expected, kSecurityAt + 4, 0);
  EXPECT_EQ(testing::ReadHostFile(folder / "C/UNINSTALL.EXE"), expected);
}

}  // namespace
}  // namespace vorna
