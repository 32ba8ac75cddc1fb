// Shortcut files: the .lnk bytes written in the sandbox and read back. The
// transcript line is checked in tests/scripts/sandbox/createlink_sealed.bas.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "platform/portable/portable_shell.h"
#include "platform/portable/shell_link_file.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna::platform {
namespace {

using vorna::testing::TempFolder;

/// A small link of the sandbox's writer, as a starting point for damage.
std::vector<uint8_t> SmallLink() {
  ShellLink link;
  link.localBasePath = "C:\\App\\app.exe";
  link.relativePath = ".\\app.exe";
  link.description = "desc";
  return *EncodeShellLink(link);
}

std::vector<std::string> Parts(const ShellLink& link) {
  return {link.localBasePath, link.relativePath, link.description,
          link.arguments,     link.workingDir,   link.iconLocation};
}

const std::vector<uint8_t> kHeaderStart = {0x4c, 0, 0,    0, 0x01, 0x14, 0x02, 0, 0, 0,
                                           0,    0, 0xc0, 0, 0,    0,    0,    0, 0, 0x46};

/// One shortcut the shell writes in a sandbox, and what its file reads back as.
struct LinkCase {
  const char* what;
  const char* target;
  const char* link;  // below C:\Users\Me, the current folder
  const char* description;
  uint32_t flags;
  const char* localBasePath;
  const char* relativePath;
};

// The flags name the parts the file holds: a network target has no link
// info, an empty description no name. A second link of the same name
// replaces the first, longer one.
TEST(PortableShell, WritesLinksThatReadBackAsTheirTargets) {
  const LinkCase cases[] = {
      {"an absolute target", "C:\\Program Files\\App\\app.exe", "Desktop\\App.lnk", "The App",
       linkFlags::HasLinkInfo | linkFlags::HasName | linkFlags::HasRelativePath,
       "C:\\Program Files\\App\\app.exe", "..\\..\\..\\Program Files\\App\\app.exe"},
      {"relative paths", "bin/app.exe", "desktop/./Rel.lnk", "",
       linkFlags::HasLinkInfo | linkFlags::HasRelativePath, "C:\\Users\\Me\\bin\\app.exe",
       "..\\bin\\app.exe"},
      {"a network target", "\\\\server\\share\\app.exe", "C:\\Users\\Me\\Desktop\\Net.lnk", "net",
       linkFlags::HasName | linkFlags::HasRelativePath, "", "\\\\server\\share\\app.exe"},
      {"a long link to be replaced", "C:\\A\\long-target-name.exe", "Desktop\\Same.lnk",
       "first, longer", linkFlags::HasLinkInfo | linkFlags::HasName | linkFlags::HasRelativePath,
       "C:\\A\\long-target-name.exe", "..\\..\\..\\A\\long-target-name.exe"},
      {"its replacement", "C:\\B.exe", "Desktop\\Same.lnk", "second",
       linkFlags::HasLinkInfo | linkFlags::HasName | linkFlags::HasRelativePath, "C:\\B.exe",
       "..\\..\\..\\B.exe"},
  };
  TempFolder folder;
  std::filesystem::create_directories(folder / "C/Users/Me/Desktop");
  std::ostringstream diagnostics;
  PortableFileSystem files(folder.path(), "C:\\SETUP.EXE");
  PortableShell shell(files, diagnostics);
  ASSERT_TRUE(files.SetCurrentFolder("C:\\Users\\Me"));
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(shell.CreateShortcut(c.target, c.link, c.description), kHrOk);
    std::string file = vorna::testing::ReadHostFile(*files.sandbox().ToHost(c.link));
    std::vector<uint8_t> bytes(file.begin(), file.end());
    ASSERT_GE(bytes.size(), kShellLinkHeaderSize);
    // The header size and the shell link class id, as Windows expects them.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 20), kHeaderStart);
    EXPECT_EQ(file.substr(file.size() - 4), std::string(4, '\0')) << "terminal block";
    ShellLinkHeader header;
    std::string error;
    auto link = DecodeShellLink(bytes, &header, &error);
    ASSERT_TRUE(link) << error;
    EXPECT_EQ(header.flags, c.flags);
    EXPECT_EQ(header.showCommand, 1u) << "shown normally";
    EXPECT_EQ(link->localBasePath, c.localBasePath);
    EXPECT_EQ(link->relativePath, c.relativePath);
    EXPECT_EQ(link->description, c.description);
  }
}

TEST(RelativeLinkTarget, CountsTheFoldersBetweenLinkAndTarget) {
  EXPECT_EQ(RelativeLinkTarget("C:\\Dir\\a.lnk", "C:\\Dir\\app.exe"), ".\\app.exe");
  EXPECT_EQ(RelativeLinkTarget("C:\\Dir\\a.lnk", "c:\\dir\\Sub\\app.exe"), ".\\Sub\\app.exe");
  EXPECT_EQ(RelativeLinkTarget("C:\\A\\B\\a.lnk", "C:\\A\\C\\app.exe"), "..\\C\\app.exe");
  EXPECT_EQ(RelativeLinkTarget("C:\\a.lnk", "C:\\app.exe"), ".\\app.exe");
  EXPECT_EQ(RelativeLinkTarget("C:/A/../B/a.lnk", "C:/B/x/../app.exe"), ".\\app.exe");
  EXPECT_EQ(RelativeLinkTarget("C:\\A\\a.lnk", "D:\\app.exe"), "");
  EXPECT_EQ(RelativeLinkTarget("C:\\A\\a.lnk", "bin/app.exe"), "bin\\app.exe");
  EXPECT_EQ(NormalizeWindowsPath("C:\\..\\x\\.\\y\\\\z"), "C:\\x\\y\\z");
}

TEST(ShellLinkFile, EncodedLinksDecodeToTheSameParts) {
  ShellLink link;
  link.localBasePath = "C:\\Program Files\\App\\app.exe";
  link.relativePath = ".\\app.exe";
  link.description = std::string(300, 'd');
  link.arguments = "-x";
  link.workingDir = "C:\\Program Files\\App";
  link.iconLocation = "C:\\icons.dll";
  auto bytes = EncodeShellLink(link);
  ASSERT_TRUE(bytes);
  ShellLinkHeader header;
  std::string error;
  auto back = DecodeShellLink(*bytes, &header, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(Parts(*back), Parts(link));
  link.description = std::string(0x10000, 'd');
  EXPECT_FALSE(EncodeShellLink(link)) << "a count holds at most 65535 characters";
}

TEST(ShellLinkFile, TruncatedOrForeignFilesAreRefusedWithoutOverrun) {
  const std::vector<uint8_t> bytes = SmallLink();
  // Every cut through the link-info block and the strings is caught; only the
  // terminal block may be missing.
  for (size_t size = 0; size + 4 < bytes.size(); ++size) {
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
    std::string error;
    EXPECT_FALSE(DecodeShellLink(cut, nullptr, &error)) << size;
  }
  std::vector<uint8_t> foreign = bytes;
  foreign[4] ^= 0xFF;
  std::string error;
  EXPECT_FALSE(DecodeShellLink(foreign, nullptr, &error));
  EXPECT_EQ(error, "not the shell link class id");
  std::vector<uint8_t> badInfo = bytes;
  badInfo[kShellLinkHeaderSize + 16] = 0xF0;  // local base path offset far outside the block
  EXPECT_FALSE(DecodeShellLink(badInfo, nullptr, &error));
}

// Links that Windows writes carry an item-id list and UTF-16 strings.
TEST(ShellLinkFile, ReadsUnicodeStringsAndSkipsTheItemIdList) {
  std::vector<uint8_t> bytes(kShellLinkHeaderSize, 0);
  bytes[0] = 0x4C;
  std::copy(kShellLinkClassId, kShellLinkClassId + 16, bytes.begin() + 4);
  bytes[20] = linkFlags::HasLinkTargetIdList | linkFlags::HasName | linkFlags::IsUnicode;
  const uint8_t idList[] = {4, 0, 0xAA, 0xBB, 0, 0};
  bytes.insert(bytes.end(), idList, idList + sizeof idList);
  // Counted with its terminating zero, as some writers do.
  const uint8_t name[] = {3, 0, 'O', 0, 0xE9, 0, 0, 0};
  bytes.insert(bytes.end(), name, name + sizeof name);
  std::string error;
  auto link = DecodeShellLink(bytes, nullptr, &error);
  ASSERT_TRUE(link) << error;
  EXPECT_EQ(link->description, "O\xC3\xA9");
}

// Random damage to a link file never makes the reader step outside the bytes.
TEST(ShellLinkFile, DamagedFilesAreReadOrRefusedWithoutOverrun) {
  const std::vector<uint8_t> valid = SmallLink();
  std::mt19937 random(4242);
  for (int round = 0; round < 5000; ++round) {
    std::vector<uint8_t> bytes = valid;
    int edits = 1 + static_cast<int>(random() % 3);
    for (int e = 0; e < edits; ++e) {
      // Damage past the class id so that most rounds reach the later parts.
      size_t at = 20 + random() % (bytes.size() - 20);
      bytes[at] = static_cast<uint8_t>(random());
    }
    std::string error;
    EXPECT_TRUE(DecodeShellLink(bytes, nullptr, &error) || !error.empty());
  }
}

}  // namespace
}  // namespace vorna::platform
