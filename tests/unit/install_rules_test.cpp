// The platform-free rules of the install dialogs and members: size texts,
// the drive list's preselection and OK rules, DIRCAT and REGSVR32's mode.
#include <gtest/gtest.h>

#include "host/win32/gradient_bands.h"
#include "install/ask_dialogs.h"
#include "install/drive_choice.h"
#include "install/install_settings.h"
#include "install/install_words.h"
#include "install/library_registration.h"
#include "install/size_text.h"

namespace vorna {
namespace {

TEST(SizeText, EachUnitAtItsBoundaries) {
  EXPECT_EQ(FormatSizeText(0), "0 bytes");
  EXPECT_EQ(FormatSizeText(1023), "1023 bytes");
  EXPECT_EQ(FormatSizeText(1024), "1 K");
  EXPECT_EQ(FormatSizeText(2047), "1 K");
  EXPECT_EQ(FormatSizeText(1048575), "1023 K");
  EXPECT_EQ(FormatSizeText(1048576), "1 MEG");
  EXPECT_EQ(FormatSizeText(1073741823), "1023 MEG");
  EXPECT_EQ(FormatSizeText(1073741824), "1.000000 GIG");
  EXPECT_EQ(FormatSizeText(1610612736), "1.500000 GIG");
  EXPECT_EQ(FormatSizeText(0xFFFFFFFFull), "4.000000 GIG");
  // Free space is 64-bit: a 3 TB drive is shown as what it is.
  EXPECT_EQ(FormatSizeText(3298534883328ull), "3072.000000 GIG");
}

std::vector<DriveInfo> Drives(std::initializer_list<uint64_t> freeSpaces) {
  std::vector<DriveInfo> drives;
  char letter = 'C';
  for (uint64_t free : freeSpaces) drives.push_back(DriveInfo{letter++, "", free});
  return drives;
}

// The preselection needs more than the total and the margin; OK accepts a
// drive with exactly that.
TEST(DriveChoice, PreselectionAndOkAtTheTotalAndTheMargin) {
  const uint32_t total = 1000000;
  const uint64_t exact = total + kSpaceMargin;
  EXPECT_EQ(kSpaceMargin, 204800u);
  EXPECT_EQ(PreselectedDrive(Drives({exact, exact + 1}), total), 1);
  EXPECT_EQ(PreselectedDrive(Drives({exact + 1, exact + 5}), total), 0);
  EXPECT_EQ(PreselectedDrive(Drives({exact, 0, exact - 1}), total), -1);
  EXPECT_EQ(PreselectedDrive({}, total), -1);
  EXPECT_TRUE(HasRoomFor(total + kSpaceMargin, total));
  EXPECT_FALSE(HasRoomFor(total + kSpaceMargin - 1, total));
  EXPECT_TRUE(HasRoomFor(kSpaceMargin, 0));
  // No 32-bit wrap: a set of almost 4 GB needs more than 4 GB free.
  EXPECT_FALSE(HasRoomFor(0xFFFFFFFFull, 0xFFFFFFFFu));
  EXPECT_TRUE(HasRoomFor(0xFFFFFFFFull + kSpaceMargin, 0xFFFFFFFFu));
}

TEST(DriveChoice, OkChangesTheDriveLetterAndTheListShowsLabels) {
  EXPECT_EQ(PathOnDrive("D:\\Apps\\Tool", 'C'), "C:\\Apps\\Tool");
  EXPECT_EQ(PathOnDrive("C:\\", 'E'), "E:\\");
  EXPECT_EQ(PathOnDrive("", 'F'), "F");
  // The drive list's lines and labels.
  EXPECT_EQ(ShownLabel("DATA5"), "DATA5");
  EXPECT_EQ(ShownLabel("SYSTEM"), "");  // six characters do not fit the buffer of 6
  EXPECT_EQ(DriveLineText(DriveInfo{'D', "WORK", 1048576}), "D:\tWORK\t1 MEG");
  EXPECT_EQ(DriveLineText(DriveInfo{'Z', "", 10}), "Z:\t\t10 bytes");
}

// The plain joins are tests/scripts/install/fields.bas's.
TEST(TextJoins, DirCatJoinsWithOneSeparatorAndTemplatesFillOnePlaceholder) {
  EXPECT_EQ(JoinFolderAndName("C:\\App", "\\\\x"), "C:\\App\\\\x");  // only one backslash dropped
  EXPECT_EQ(JoinFolderAndName("C:\\App", "/x"), "C:\\App\\/x");      // a slash is kept
  EXPECT_EQ(JoinFolderAndName("", "x"), "\\x");
  EXPECT_EQ(JoinFolderAndName("C:\\App", ""), "C:\\App\\");
  // The size note's template: only its first placeholder is filled.
  EXPECT_EQ(FillTemplate("NOTE: Program requires %s of drive space.", "1 MEG"),
            "NOTE: Program requires 1 MEG of drive space.");
  EXPECT_EQ(FillTemplate("%s and %s", "a"), "a and %s");
  EXPECT_EQ(FillTemplate("none", "a"), "none");
}

TEST(RegSvr32Mode, OnlyAFirstLetterRRegisters) {
  using platform::LibraryAction;
  EXPECT_EQ(LibraryActionFromMode("R"), LibraryAction::Register);
  EXPECT_EQ(LibraryActionFromMode("register"), LibraryAction::Register);
  EXPECT_EQ(LibraryActionFromMode("r"), LibraryAction::Register);
  EXPECT_EQ(LibraryActionFromMode("U"), LibraryAction::Unregister);
  EXPECT_EQ(LibraryActionFromMode(""), LibraryAction::Unregister);
  EXPECT_EQ(LibraryActionFromMode(" R"), LibraryAction::Unregister);
}

// The fields' 63 characters are tests/scripts/install/fields.bas's.
TEST(InstallSettings, TheLicenceTextIsCutToItsLimit) {
  InstallSettings settings;
  settings.SetLicenceText(std::string(40000, 'x'));
  EXPECT_EQ(settings.LicenceText().size(), kMaxLicenceLength);
}

TEST(BackdropGradient, BandsCoverTheWindowWithoutWrapping) {
  EXPECT_EQ(GradientBandHeight(768), 4);
  EXPECT_EQ(GradientBandCount(768), 192);
  EXPECT_EQ(GradientBandBlue(GradientBandCount(768) - 1), 64);
  EXPECT_EQ(GradientBandHeight(254), 1);
  EXPECT_EQ(GradientBandBlue(GradientBandCount(254) - 1), 2);
  for (int height : {1, 254, 255, 256, 509, 510, 1080, 4000}) {
    EXPECT_LE(GradientBandCount(height), 255) << height;
    EXPECT_GE(GradientBandCount(height) * GradientBandHeight(height), height) << height;
  }
}

}  // namespace
}  // namespace vorna
