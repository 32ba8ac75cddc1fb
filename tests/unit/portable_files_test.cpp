// The sandbox's file system: Windows creation, sharing, times, drives and
// fault injection. Case, NAME and KILL rules as scripts see them are in
// tests/scripts/sandbox/file_rules.bas.
#include "platform/portable/portable_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/portable/portable_file.h"
#include "tests/unit/support/temp_folder.h"

namespace vorna::platform {
namespace {

using testing::ReadHostFile;
using testing::TempFolder;
using testing::WriteHostFile;

class PortableFilesTest : public ::testing::Test {
 protected:
  PortableFilesTest() : files_(temp_.path(), "C:\\SETUP.EXE") {}

  std::unique_ptr<File> OpenRead(const std::string& path, Share share = Share::Read) {
    return files_.Open(path, Access::Read, share, Creation::OpenExisting);
  }
  std::string ReadAll(File* file) {
    std::string text(64, '\0');
    size_t got = 0;
    EXPECT_TRUE(file->Read(text.data(), text.size(), &got));
    text.resize(got);
    return text;
  }

  TempFolder temp_;
  PortableFileSystem files_;
};

TEST_F(PortableFilesTest, WritesReadsSeeksAndSizes) {
  auto file = files_.Open("C:\\data.bin", Access::ReadWrite, Share::None, Creation::CreateNew);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("hello world", 11));
  uint64_t position = 0, size = 0;
  ASSERT_TRUE(file->Seek(6, SeekOrigin::Begin, &position));
  EXPECT_EQ(position, 6u);
  EXPECT_EQ(ReadAll(file.get()), "world");
  ASSERT_TRUE(file->Seek(-5, SeekOrigin::End, &position));
  EXPECT_EQ(position, 6u);
  ASSERT_TRUE(file->Seek(-1, SeekOrigin::Current, &position));
  EXPECT_EQ(position, 5u);
  EXPECT_FALSE(file->Seek(-100, SeekOrigin::Current));
  ASSERT_TRUE(file->Size(&size));
  EXPECT_EQ(size, 11u);
  EXPECT_TRUE(file->Flush());
  file.reset();
  EXPECT_EQ(ReadHostFile(temp_ / "C/data.bin"), "hello world");
}

TEST_F(PortableFilesTest, CreationRulesFollowWindows) {
  EXPECT_FALSE(OpenRead("C:\\missing.txt"));
  EXPECT_FALSE(std::filesystem::exists(temp_ / "C/missing.txt"));

  WriteHostFile(temp_ / "C/keep.txt", "original");
  // OpenAlways on an existing file keeps every byte.
  auto always = files_.Open("C:\\keep.txt", Access::Write, Share::None, Creation::OpenAlways);
  ASSERT_TRUE(always);
  ASSERT_TRUE(always->Write("O", 1));
  always.reset();
  EXPECT_EQ(ReadHostFile(temp_ / "C/keep.txt"), "Original");
  // OpenAlways creates a missing file.
  EXPECT_TRUE(files_.Open("C:\\new.txt", Access::Write, Share::None, Creation::OpenAlways));
  EXPECT_TRUE(std::filesystem::exists(temp_ / "C/new.txt"));
  // CreateNew refuses an existing file and leaves it alone.
  EXPECT_FALSE(files_.Open("C:\\KEEP.TXT", Access::Write, Share::None, Creation::CreateNew));
  EXPECT_EQ(ReadHostFile(temp_ / "C/keep.txt"), "Original");
  // CreateAlways truncates.
  EXPECT_TRUE(files_.Open("C:\\keep.txt", Access::Write, Share::None, Creation::CreateAlways));
  EXPECT_EQ(ReadHostFile(temp_ / "C/keep.txt"), "");
  // A folder is not a file, and a missing folder holds nothing.
  EXPECT_FALSE(files_.Open("C:\\", Access::Read, Share::Read, Creation::OpenExisting));
  EXPECT_FALSE(files_.Open("C:\\nofolder\\x", Access::Write, Share::None, Creation::CreateAlways));
}

TEST_F(PortableFilesTest, ShareModesRefuseConflictingOpens) {
  WriteHostFile(temp_ / "C/shared.txt", "data");
  {
    auto exclusive =
        files_.Open("C:\\shared.txt", Access::Read, Share::None, Creation::OpenExisting);
    ASSERT_TRUE(exclusive);
    EXPECT_FALSE(OpenRead("C:\\shared.txt", Share::ReadWrite));
    // A refused CreateAlways must not truncate the file it may not open.
    EXPECT_FALSE(
        files_.Open("C:\\shared.txt", Access::Write, Share::ReadWrite, Creation::CreateAlways));
    EXPECT_EQ(ReadHostFile(temp_ / "C/shared.txt"), "data");
    EXPECT_FALSE(files_.Delete("C:\\shared.txt"));
    EXPECT_FALSE(files_.Move("C:\\shared.txt", "C:\\moved.txt"));
  }
  {
    auto reader = OpenRead("C:\\shared.txt", Share::Read);
    ASSERT_TRUE(reader);
    EXPECT_TRUE(OpenRead("C:\\shared.txt", Share::Read));   // readers sharing reading
    EXPECT_FALSE(OpenRead("C:\\shared.txt", Share::None));  // would deny the first reader
    EXPECT_FALSE(
        files_.Open("C:\\shared.txt", Access::Write, Share::ReadWrite, Creation::OpenExisting));
  }
  {
    auto writer =
        files_.Open("C:\\shared.txt", Access::Write, Share::ReadWrite, Creation::OpenExisting);
    ASSERT_TRUE(writer);
    EXPECT_TRUE(OpenRead("C:\\shared.txt", Share::ReadWrite));
    EXPECT_FALSE(OpenRead("C:\\shared.txt", Share::Read));  // must share the writer's writing
  }
  // Closing releases the file.
  EXPECT_TRUE(
      files_.Open("C:\\shared.txt", Access::ReadWrite, Share::None, Creation::OpenExisting));
}

TEST_F(PortableFilesTest, TimesRoundTripToTheTick) {
  auto file = files_.Open("C:\\t.txt", Access::ReadWrite, Share::None, Creation::CreateNew);
  ASSERT_TRUE(file);
  FileTimes set;
  set.creation.ticks = 125911584001234567ULL;    // 2000-01-01 plus odd ticks
  set.lastAccess.ticks = 132223104009876543ULL;  // 2020
  set.lastWrite.ticks = 130000000000000001ULL;
  ASSERT_TRUE(file->SetTimes(set));
  FileTimes got;
  ASSERT_TRUE(file->GetTimes(&got));
  EXPECT_EQ(got.lastAccess.ticks, set.lastAccess.ticks);
  EXPECT_EQ(got.lastWrite.ticks, set.lastWrite.ticks);
  EXPECT_EQ(got.creation.ticks, set.creation.ticks);
  file.reset();
  // The times stay with the file, also after a rename.
  ASSERT_TRUE(files_.Move("C:\\t.txt", "C:\\u.txt"));
  auto again = OpenRead("C:\\u.txt");
  ASSERT_TRUE(again && again->GetTimes(&got));
  EXPECT_EQ(got.lastWrite.ticks, set.lastWrite.ticks);
  EXPECT_EQ(got.creation.ticks, set.creation.ticks);
}

TEST_F(PortableFilesTest, ZeroTimesAreLeftUnchangedAndSettingNeedsWriteAccess) {
  auto file = files_.Open("C:\\t.txt", Access::ReadWrite, Share::Read, Creation::CreateNew);
  ASSERT_TRUE(file);
  FileTimes first{FileTime{125911584000000000ULL}, FileTime{125911584000000010ULL},
                  FileTime{125911584000000020ULL}};
  ASSERT_TRUE(file->SetTimes(first));
  FileTimes onlyWrite;
  onlyWrite.lastWrite.ticks = 130000000000000000ULL;
  ASSERT_TRUE(file->SetTimes(onlyWrite));
  FileTimes got;
  ASSERT_TRUE(file->GetTimes(&got));
  EXPECT_EQ(got.creation.ticks, first.creation.ticks);
  EXPECT_EQ(got.lastAccess.ticks, first.lastAccess.ticks);
  EXPECT_EQ(got.lastWrite.ticks, onlyWrite.lastWrite.ticks);
  auto reader = files_.Open("C:\\t.txt", Access::Read, Share::ReadWrite, Creation::OpenExisting);
  ASSERT_TRUE(reader);
  EXPECT_FALSE(reader->SetTimes(first));
}

TEST_F(PortableFilesTest, TimesBefore1970Convert) {
  FileTime old{100000000000000000ULL};  // 1917
  EXPECT_EQ(FromTimespec(ToTimespec(old)).ticks, old.ticks);
  FileTime odd{116444735999999999ULL};  // one tick before 1970
  struct timespec t = ToTimespec(odd);
  EXPECT_EQ(t.tv_sec, -1);
  EXPECT_EQ(t.tv_nsec, 999999900);
  EXPECT_EQ(FromTimespec(t).ticks, odd.ticks);
}

// What scripts see of folders is in tests/scripts/system/folders.bas and
// sandbox/file_rules.bas; MKDIR hides these refusals behind its chain.
TEST_F(PortableFilesTest, CreateFolderMakesOneNewFolderBelowAnExistingOne) {
  EXPECT_TRUE(files_.CreateFolder("C:\\Apps"));
  EXPECT_FALSE(files_.CreateFolder("C:\\apps"));
  EXPECT_FALSE(files_.CreateFolder("C:\\No\\Chain"));
  EXPECT_FALSE(files_.CreateFolder("C:\\"));
  EXPECT_TRUE(files_.IsFolder("c:\\APPS"));
}

TEST_F(PortableFilesTest, NulIsTheNullSink) {
  for (const char* name : {"NUL", "nul.txt", "C:\\Apps\\Nul"}) {
    auto sink = files_.Open(name, Access::Write, Share::None, Creation::CreateAlways);
    ASSERT_TRUE(sink) << name;
    EXPECT_TRUE(sink->Write("discard", 7));
    uint64_t size = 1;
    EXPECT_TRUE(sink->Size(&size));
    EXPECT_EQ(size, 0u);
  }
  EXPECT_FALSE(std::filesystem::exists(temp_ / "C/NUL"));
  EXPECT_FALSE(std::filesystem::exists(temp_ / "C/nul.txt"));
  EXPECT_TRUE(files_.OpenNullSink()->Write("x", 1));
}

TEST_F(PortableFilesTest, DrivesAreTheSingleLetterFolders) {
  std::filesystem::create_directories(temp_ / "E");
  std::filesystem::create_directories(temp_ / "Data");
  WriteHostFile(temp_ / "E/.label", "INSTALL DISK\n");
  WriteHostFile(temp_ / "E/.drive-type", "cdrom\n");
  WriteHostFile(temp_ / "E/.free-space", "12345\n");
  EXPECT_EQ(files_.GetDriveType("C:\\"), DriveType::Fixed);
  EXPECT_EQ(files_.GetDriveType("c:"), DriveType::Fixed);
  EXPECT_EQ(files_.GetDriveType("E:\\"), DriveType::CdRom);
  EXPECT_EQ(files_.GetDriveType("F:\\"), DriveType::NoRootDir);
  EXPECT_EQ(files_.GetDriveType("C:\\Windows\\"), DriveType::NoRootDir);
  std::string label;
  ASSERT_TRUE(files_.VolumeLabel("C:\\", &label));
  EXPECT_EQ(label, "C");
  ASSERT_TRUE(files_.VolumeLabel("E:\\", &label));
  EXPECT_EQ(label, "INSTALL DISK");
  EXPECT_FALSE(files_.VolumeLabel("F:\\", &label));
  uint64_t free = 0;
  ASSERT_TRUE(files_.FreeSpace("C:\\", &free));
  EXPECT_GT(free, 0u);
  ASSERT_TRUE(files_.FreeSpace("E:\\", &free));
  EXPECT_EQ(free, 12345u);
  EXPECT_FALSE(files_.FreeSpace("F:\\", &free));
}

// A program outside the sandbox is A:\<name>, read-only and alone there: the
// golden scripts run so (tests/scripts/sandbox/open_sealed.bas).
TEST(PortableProgramPath, AProgramInsideTheSandboxIsNamedByItsWindowsPath) {
  TempFolder root;
  WriteHostFile(root / "C/Setup/SETUP.EXE", "inside");
  PortableFileSystem inside(root.path(), root / "C/Setup/SETUP.EXE");
  EXPECT_EQ(inside.ProgramPath(), "C:\\Setup\\SETUP.EXE");
}

TEST_F(PortableFilesTest, FaultInjectionFailsTheNthCallOnly) {
  files_.faults().FailNth(FaultKind::Write, 2);
  auto file = files_.Open("C:\\f.txt", Access::Write, Share::None, Creation::CreateAlways);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->Write("a", 1));
  EXPECT_FALSE(file->Write("b", 1));
  EXPECT_TRUE(file->Write("c", 1));
  EXPECT_EQ(files_.faults().Calls(FaultKind::Write), 3u);

  files_.faults().FailFrom(FaultKind::Open, 2);
  EXPECT_TRUE(files_.Open("C:\\f.txt", Access::Read, Share::ReadWrite, Creation::OpenExisting) ==
              nullptr);  // still open for writing without sharing: refused anyway
  file.reset();
  EXPECT_FALSE(OpenRead("C:\\f.txt"));
  EXPECT_FALSE(OpenRead("C:\\f.txt"));
  files_.faults().Reset();
  auto reader = OpenRead("C:\\f.txt");
  ASSERT_TRUE(reader);
  EXPECT_EQ(ReadAll(reader.get()), "ac");
}

TEST_F(PortableFilesTest, TemporaryFilesAreNewUnpredictableAndFoundAgainByTheirPrefix) {
  std::string first, second;
  auto one = files_.CreateTemporary("C:\\", "~tmp-", &first);
  auto two = files_.CreateTemporary("C:\\", "~tmp-", &second);
  ASSERT_TRUE(one && two);
  EXPECT_EQ(first.rfind("C:\\~tmp-", 0), 0u);
  EXPECT_EQ(first.size(), std::string("C:\\~tmp-").size() + 8);
  EXPECT_NE(first, second);
  EXPECT_FALSE(files_.CreateTemporary("A:\\", "~tmp-", &first));  // the install disk
  std::filesystem::create_directories(temp_ / "C/~TMP-folder");
  WriteHostFile(temp_ / "C/other.txt", "x");
  one.reset();
  EXPECT_EQ(files_.DeleteStartingWith("C:\\", "~TMP-"), 1);  // the open one and the folder stay
  EXPECT_TRUE(std::filesystem::exists(temp_ / "C/~TMP-folder"));
  EXPECT_TRUE(files_.Exists(second));
  EXPECT_TRUE(files_.Exists("C:\\other.txt"));
}

TEST_F(PortableFilesTest, ReplaceTakesTheFilesPlaceButNeverAFolderOrAFileInUse) {
  WriteHostFile(temp_ / "C/new.txt", "new");
  WriteHostFile(temp_ / "C/old.txt", "old");
  std::filesystem::create_directories(temp_ / "C/folder");
  EXPECT_FALSE(files_.Replace("C:\\new.txt", "C:\\folder"));
  auto holder = OpenRead("C:\\old.txt", Share::ReadWrite);
  EXPECT_FALSE(files_.Replace("C:\\new.txt", "C:\\old.txt"));
  holder.reset();
  EXPECT_TRUE(files_.Replace("C:\\new.txt", "C:\\OLD.TXT"));
  EXPECT_EQ(ReadHostFile(temp_ / "C/old.txt"), "new");
  EXPECT_FALSE(files_.Exists("C:\\new.txt"));
}

}  // namespace
}  // namespace vorna::platform
