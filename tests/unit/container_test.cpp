#include "installdata/container.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "installdata/scramble.h"
#include "installdata/trailer.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/fileset_fixture.h"
#include "tools/pack/authoring/container_directory.h"
#include "tools/pack/authoring/container_writer.h"

namespace vorna {
namespace {

using authoring::ContainerEntry;
using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

const std::string kStub = "MZ this stands for the program image";
// A file that is no program and carries no install data: a bare runtime.
const std::string kBareStub = "this stands for a bare runtime";

// An image built by the packer's writer: stub, container, trailer.
Bytes BuildImage(const std::vector<ContainerEntry>& entries, const std::string& key) {
  std::ostringstream out;
  authoring::ImageWriter writer(out);
  writer.AppendBytes(kStub.data(), kStub.size());
  writer.AppendContainer(entries, key);
  writer.Finish();
  const std::string image = out.str();
  return Bytes(image.begin(), image.end());
}

// Directory records written by hand, so that tests can build containers
// the writer refuses to make (duplicates, damaged sizes).
struct RawRecord {
  uint32_t size;
  std::string name;
  std::string data;
};

Bytes BuildRawImage(const std::vector<RawRecord>& records, const std::string& key) {
  Bytes container;
  for (const RawRecord& record : records) {
    uint8_t bytes[kDirectoryRecordSize] = {};
    WriteLittleEndian32(bytes, record.size);
    std::memcpy(bytes + 4, record.name.data(), std::min<size_t>(record.name.size(), 32));
    container.insert(container.end(), bytes, bytes + sizeof bytes);
    container.insert(container.end(), record.data.begin(), record.data.end());
  }
  ScrambleBlock(container.data(), container.size(), 0, key);
  Bytes image(kStub.begin(), kStub.end());
  image.insert(image.end(), container.begin(), container.end());
  auto trailer = EncodeTrailer(Trailer{static_cast<uint32_t>(kStub.size()), 0});
  image.insert(image.end(), trailer.begin(), trailer.end());
  return image;
}

std::string ReadAllBytes(ContainerReader& reader) {
  std::string text;
  for (int c; (c = reader.ReadByte()) >= 0;) text += static_cast<char>(c);
  return text;
}

class ContainerTest : public ::testing::Test {
 protected:
  void SetUp() override { SetContainerKey(kInstallerKey); }
  void TearDown() override { ClearContainerKey(); }

  /// Writes image as the program file, C:\SETUP.EXE.
  void UseImage(const Bytes& image) { Write("SETUP.EXE", std::string(image.begin(), image.end())); }
  /// Writes a plain file of drive C, the current folder.
  void Write(const std::string& name, const std::string& text) {
    testing::WriteHostFile(sandbox_.Host(name), text);
  }

  testing::SandboxPlatform sandbox_;
};

std::string Binary(size_t size) {
  std::string data;
  for (size_t i = 0; i < size; ++i) data += static_cast<char>((i * 7 + 3) & 0xFF);
  return data;
}

TEST_F(ContainerTest, RoundTripThroughTheWriter) {
  const std::vector<ContainerEntry> entries = {
      {"STARTUP.CTL", BytesOf("INSTALL\r\n")},
      {"INSTALL", BytesOf("SUB MAIN\r\nEND SUB\r\n")},
      {"BINARY.DAT", BytesOf(Binary(777))},
  };
  UseImage(BuildImage(entries, kInstallerKey));
  ContainerReader reader(*platform::Current().files);
  ASSERT_TRUE(reader.hasContainer());
  for (const ContainerEntry& entry : entries) {
    ASSERT_TRUE(reader.OpenEntry(entry.name.c_str(), "rb")) << entry.name;
    EXPECT_FALSE(reader.AtEndOfEntry());
    Bytes read(entry.data.size() + 10);
    EXPECT_EQ(reader.ReadBlock(read.data(), 1, read.size()), entry.data.size());
    read.resize(entry.data.size());
    EXPECT_EQ(read, entry.data) << entry.name;
    EXPECT_TRUE(reader.AtEndOfEntry());
    EXPECT_EQ(reader.ReadByte(), -1);
  }
  // A second reader of the same file keeps its own place: a byte, whole
  // items of a block and the rest read on as one stream.
  ContainerReader mixed(*platform::Current().files);
  ASSERT_TRUE(mixed.OpenEntry("BINARY.DAT", "rb"));
  std::string text(1, static_cast<char>(mixed.ReadByte()));
  char block[40];
  ASSERT_EQ(mixed.ReadBlock(block, 4, 10), 40u);
  text.append(block, 40);
  EXPECT_EQ(text + ReadAllBytes(mixed), Binary(777));
  // The data are really scrambled in the file.
  Bytes image = BuildImage(entries, kInstallerKey);
  std::string imageText(image.begin(), image.end());
  EXPECT_EQ(imageText.find("SUB MAIN"), std::string::npos);
  EXPECT_EQ(imageText.find("STARTUP.CTL"), std::string::npos);
}

TEST_F(ContainerTest, TheKeyIsTakenWhenAnEntryOpensAndAnEmptyKeyScramblesNothing) {
  UseImage(BuildImage({{"STARTUP.CTL", BytesOf("X")}}, kInstallerKey));
  ClearContainerKey();
  ContainerReader reader(*platform::Current().files);
  SetContainerKey("507-194463820XYZ", 13);  // length 13: the installer's key
  ASSERT_TRUE(reader.OpenEntry("STARTUP.CTL", "r"));
  EXPECT_EQ(ReadAllBytes(reader), "X");
  ClearContainerKey();
  Bytes image = BuildImage({{"PLAIN", BytesOf("visible text")}}, "");
  EXPECT_NE(std::string(image.begin(), image.end()).find("visible text"), std::string::npos);
  UseImage(image);
  ContainerReader plain(*platform::Current().files);
  ASSERT_TRUE(plain.OpenEntry("PLAIN", "rb"));
  EXPECT_EQ(ReadAllBytes(plain), "visible text");
}

// Which names open and what they read: a name in any case, the first of two
// alike, an empty entry; never the end record nor what lies behind it; a name
// of 32 characters, which no entry can hold, opens a plain file.
TEST_F(ContainerTest, WhichNamesOpenAndWhatTheyRead) {
  const std::string name31(31, 'N');
  const std::string name32(32, 'N');
  Write(name32, "on disk");
  const Bytes raw = BuildRawImage({{1, "Startup.Ctl", "A"},
                                   {1, "STARTUP.CTL", "2"},
                                   {1, "LICENSE", "B"},
                                   {kEndRecordMarker, "", ""},
                                   {1, "AFTER", "z"}},
                                  kInstallerKey);
  const Bytes written =
      BuildImage({{"EMPTY", {}}, {name31, BytesOf("in the container")}}, kInstallerKey);
  struct Case {
    const Bytes& image;
    std::string name;
    const char* read;  // nullptr: the name does not open
  };
  const Case cases[] = {
      {raw, "startup.ctl", "A"},
      {raw, "license", "B"},
      {raw, "LICENS", nullptr},
      {raw, "", nullptr},
      {raw, "AFTER", nullptr},
      {written, "EMPTY", ""},
      {written, name31, "in the container"},
      {written, name32, "on disk"},
      {written, name32 + "X", nullptr},
  };
  for (const Case& c : cases) {
    UseImage(c.image);
    ContainerReader reader(*platform::Current().files);
    ASSERT_EQ(reader.OpenEntry(c.name.c_str(), "r"), c.read != nullptr) << c.name;
    EXPECT_EQ(ReadAllBytes(reader), c.read ? c.read : "") << c.name;
    EXPECT_TRUE(reader.AtEndOfEntry()) << c.name;
  }
}

TEST_F(ContainerTest, NothingOpenOrAnEmptyEntryReadsNothing) {
  UseImage(BuildImage({{"EMPTY", {}}, {"NEXT", BytesOf("N")}}, kInstallerKey));
  ContainerReader reader(*platform::Current().files);
  char block[10];
  EXPECT_EQ(reader.ReadBlock(block, 1, 8), 0u);  // nothing is open yet
  ASSERT_TRUE(reader.OpenEntry("EMPTY", "rb"));
  EXPECT_EQ(reader.ReadLine(block, 8), nullptr);
  EXPECT_EQ(reader.ReadBlock(block, 1, 8), 0u);
  ASSERT_TRUE(reader.OpenEntry("NEXT", "rb"));
  EXPECT_EQ(reader.ReadBlock(block, 0, 8), 0u);  // items of no size
  EXPECT_EQ(ReadAllBytes(reader), "N");
}

TEST_F(ContainerTest, AMissingTinyOrCutShortProgramFileOpensNothing) {
  UseImage(BytesOf("VORNA"));  // shorter than a trailer
  EXPECT_FALSE(ContainerReader(*platform::Current().files).hasContainer());
  std::filesystem::remove(sandbox_.Host("SETUP.EXE"));
  ContainerReader missing(*platform::Current().files);
  EXPECT_FALSE(missing.hasContainer());
  EXPECT_FALSE(missing.OpenEntry("STARTUP.CTL", "r"));
  // A program without a trailer is damaged: not even a plain file opens.
  Write("STARTUP.CTL", "PLANTED\r\n");
  UseImage(BytesOf(kStub + std::string(40, 'x')));
  ContainerReader cut(*platform::Current().files);
  EXPECT_EQ(cut.imageKind(), ImageKind::Damaged);
  EXPECT_FALSE(cut.CheckDirectory());
  EXPECT_FALSE(cut.OpenEntry("STARTUP.CTL", "r"));
}

// A directory that breaks off is a damaged setup: from then on nothing opens,
// not even a plain file of the same name in the current folder.
TEST_F(ContainerTest, ADirectoryThatBreaksOffOpensNothingMore) {
  Write("LATER", "planted");
  Write("OTHER", "planted");
  Write("B", "planted");
  UseImage(BuildRawImage(
      {{2, "GOOD", "ok"}, {1000000, "BAD", "short"}, {1, "LATER", "x"}, {kEndRecordMarker, "", ""}},
      kInstallerKey));
  ContainerReader reader(*platform::Current().files);
  ASSERT_TRUE(reader.OpenEntry("GOOD", "rb"));
  EXPECT_EQ(ReadAllBytes(reader), "ok");
  EXPECT_FALSE(reader.OpenEntry("LATER", "rb"));
  EXPECT_EQ(reader.imageKind(), ImageKind::Damaged);
  EXPECT_FALSE(reader.OpenEntry("GOOD", "rb"));
  // A directory without an end record and a name without terminator break off too.
  UseImage(BuildRawImage({{1, "ONLY", "1"}}, kInstallerKey));
  EXPECT_FALSE(ContainerReader(*platform::Current().files).OpenEntry("OTHER", "rb"));
  UseImage(BuildRawImage({{1, std::string(32, 'L'), "1"}, {1, "B", "2"}}, kInstallerKey));
  ContainerReader checked(*platform::Current().files);
  EXPECT_FALSE(checked.CheckDirectory());
  EXPECT_FALSE(checked.OpenEntry("B", "rb"));
}

// A line of a container entry ends after its CR or after limit + 1 bytes;
// a LF is dropped.
TEST_F(ContainerTest, ContainerLinesKeepCarriageReturnsAndDropLineFeeds) {
  UseImage(BuildImage({{"LINES", BytesOf("AB\r\nC\rD\nE\r\n\r\nF")},
                       {"LONG", BytesOf("0123456789")},
                       {"SHORT", BytesOf("X\rY")}},
                      kInstallerKey));
  ContainerReader reader(*platform::Current().files);
  ASSERT_TRUE(reader.OpenEntry("LINES", "rb"));
  char line[20];
  std::vector<std::string> lines;
  while (!reader.AtEndOfEntry()) {
    ASSERT_NE(reader.ReadLine(line, 16), nullptr);
    lines.push_back(line);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"AB\r", "C\r", "DE\r", "\r", "F"}));
  EXPECT_EQ(reader.ReadLine(line, 16), nullptr);
  // A last line of one byte after a bare CR.
  ASSERT_TRUE(reader.OpenEntry("SHORT", "rb"));
  ASSERT_NE(reader.ReadLine(line, 16), nullptr);
  EXPECT_STREQ(line, "X\r");
  ASSERT_NE(reader.ReadLine(line, 16), nullptr);
  EXPECT_STREQ(line, "Y");
  ASSERT_TRUE(reader.OpenEntry("LONG", "rb"));
  ASSERT_NE(reader.ReadLine(line, 4), nullptr);
  EXPECT_STREQ(line, "01234");
  ASSERT_NE(reader.ReadLine(line, 4), nullptr);
  EXPECT_STREQ(line, "56789");
  EXPECT_TRUE(reader.AtEndOfEntry());
}

// Without install data every name is a plain file, read only, and its lines
// read like the C library's.
TEST_F(ContainerTest, PlainFileLinesReadLikeTheCLibrary) {
  UseImage(BytesOf(kBareStub + std::string(40, 'x')));
  Write("TEXT", "AB\r\nCDEFG\nH");
  ContainerReader reader(*platform::Current().files);
  EXPECT_FALSE(reader.hasContainer());
  EXPECT_FALSE(reader.OpenEntry("MISSING", "r"));
  EXPECT_TRUE(reader.AtEndOfEntry());
  EXPECT_FALSE(reader.OpenEntry("TEXT", "w"));
  char line[10];
  ASSERT_TRUE(reader.OpenEntry("TEXT", "rb"));
  std::vector<std::string> lines;
  while (reader.ReadLine(line, 4)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"AB\r", "\n", "CDE", "FG\n", "H"}));
  EXPECT_TRUE(reader.AtEndOfEntry());

  ASSERT_TRUE(reader.OpenEntry("TEXT", "r"));
  ASSERT_NE(reader.ReadLine(line, 8), nullptr);
  EXPECT_STREQ(line, "AB\n");  // text mode drops the CR before LF
  char block[4];
  EXPECT_EQ(reader.ReadBlock(block, 2, 2), 2u);
  EXPECT_EQ(std::string(block, 4), "CDEF");
  EXPECT_EQ(reader.ReadBlock(block, 2, 2), 1u);  // "G\nH" holds one whole item of two
}

TEST(ContainerWriter, RefusesNamesTheDirectoryCannotHold) {
  using authoring::CheckEntries;
  EXPECT_EQ(CheckEntries({{std::string(31, 'A'), {}}}), "");
  EXPECT_NE(CheckEntries({{std::string(32, 'A'), {}}}).find("longer than 31"), std::string::npos);
  EXPECT_NE(CheckEntries({{"Setup.Ctl", {}}, {"SETUP.CTL", {}}}).find("differ only in case"),
            std::string::npos);
  EXPECT_NE(CheckEntries({{"", {}}}), "");
  EXPECT_THROW(authoring::EncodeContainer({{"A", {}}, {"a", {}}}, kInstallerKey),
               std::invalid_argument);
}

// Where the trailer puts the container and the file set is pinned by the
// packer's default image (tests/runner/codec_test.sh) and read by every
// file-set test's image.

TEST(ContainerDirectory, ListsWhatTheWriterWroteAndRefusesDamage) {
  Bytes image = BuildImage({{"Startup.Ctl", BytesOf("abc")}, {"EMPTY", {}}}, kInstallerKey);
  std::istringstream in(std::string(image.begin(), image.end()));
  authoring::ImageDirectory directory = authoring::ReadImageDirectory(in, kInstallerKey);
  EXPECT_EQ(directory.base, kStub.size());
  EXPECT_EQ(directory.fileSetOffset, 0u);
  std::vector<std::string> listed;
  for (const auto& entry : directory.entries) {
    listed.push_back(entry.name + " " + std::to_string(entry.size) + " at " +
                     std::to_string(entry.dataOffset));
  }
  const size_t first = kStub.size() + kDirectoryRecordSize;
  EXPECT_EQ(listed, (std::vector<std::string>{
                        "Startup.Ctl 3 at " + std::to_string(first),
                        "EMPTY 0 at " + std::to_string(first + 3 + kDirectoryRecordSize)}));
  // No magic, a size past the end, no end record.
  for (const Bytes& bad :
       {BytesOf(kStub),
        BuildRawImage({{500, "BIG", "x"}, {kEndRecordMarker, "", ""}}, kInstallerKey),
        BuildRawImage({{1, "A", "x"}}, kInstallerKey)}) {
    std::istringstream damaged(std::string(bad.begin(), bad.end()));
    EXPECT_THROW(authoring::ReadImageDirectory(damaged, kInstallerKey), std::runtime_error);
  }
}

TEST(Scramble, FollowsTheKeyPositionRule) {
  const std::string key = kInstallerKey;
  // Position 3 of the key is '-' (0x2D): ((0x41 ^ 0x2D) + 3) & 0xFF.
  EXPECT_EQ(ScrambleByte(0x41, 3, key), ((0x41 ^ 0x2D) + 3) & 0xFF);
  for (uint32_t i = 0; i < key.size(); ++i) {
    for (int plain = 0; plain < 256; ++plain) {
      uint8_t stored = ScrambleByte(static_cast<uint8_t>(plain), i, key);
      ASSERT_EQ(UnscrambleByte(stored, i, key), plain);
    }
  }
  EXPECT_EQ(KeyPositionAt(13, key), 0u);
  EXPECT_EQ(KeyPositionAt(27, key), 1u);
  EXPECT_EQ(KeyPositionAt(27, ""), 0u);
  // A long key: positions beyond 255 add (i mod 255).
  std::string longKey(300, 'k');
  EXPECT_EQ(ScrambleByte(0, 256, longKey), ('k' + 1) & 0xFF);
}

}  // namespace
}  // namespace vorna
