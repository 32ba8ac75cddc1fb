// A record is data from disk: one that names anything outside its install's
// area, or that is not whole, is refused with a message that says why.
#include "uninstall/record_loading.h"

#include <gtest/gtest.h>

#include "tests/unit/support/uninstall_fixture.h"

namespace vorna::testing {
namespace {

const std::string kPrefix =
    "VORNA UNINSTALL RECORD 1\r\ninstall-folder\tC:\\Program Files\\Hello\r\nproduct\tHello\r\n";

std::string Record(const std::string& entry) {
  return kPrefix + entry + "\r\nend\t2\r\n";
}

TEST_F(UninstallTest, ARecordThatNamesAnythingOutsideIsRefusedWhole) {
  struct Case {
    std::string text, refusal;
  };
  const std::string unusable =
      "The uninstall record " + std::string(kRecordFile) + " cannot be used: ";
  const Case cases[] = {
      {Record("file\tnew\t1\t1\tC:\\Windows\\win.ini"),
       "line 4: C:\\Windows\\win.ini lies outside what the install may remove."},
      {Record("file\tnew\t1\t1\tC:\\Program Files\\Hello\\..\\..\\Windows\\win.ini"),
       "line 4: not a full path or key of plain names."},
      {Record("folder\tD:\\"), "line 4: D:\\ lies outside what the install may remove."},
      {Record("value\tHKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\"
              "Winlogon\tShell"),
       "line 4: HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"
       "\\Shell lies outside what the install may remove."},
      {kPrefix + "folder\tC:\\Program Files\\Hello\r\n",
       "the record is cut short: it has no end line."},
      {"VORNA UNINSTALL RECORD 1\r\ninstall-folder\tC:\\Program Files\r\nend\t0\r\n",
       "line 2: the record belongs to C:\\Program Files, not to the folder it is in."},
  };
  MakeFolder("C:\\Program Files");
  MakeFolder(kHello);
  for (const Case& c : cases) {
    WriteHostFile(Host(kRecordFile), c.text);
    LoadedRecord loaded = LoadRecord(machine_, kRecordFile);
    EXPECT_FALSE(loaded.record);
    EXPECT_EQ(loaded.refusal, unusable + c.refusal);
  }
}

TEST_F(UninstallTest, ARecordMustBeNamedByItsFullPathAndLieOutsideWindows) {
  EXPECT_EQ(LoadRecord(machine_, "UNINSTALL.DAT").refusal,
            "The uninstall record UNINSTALL.DAT cannot be used: it is not a full path.");
  EXPECT_EQ(LoadRecord(machine_, kRecordFile).refusal,
            "The uninstall record " + std::string(kRecordFile) + " was not found.");
  WriteHostFile(Host("C:\\Windows\\UNINSTALL.DAT"),
                "VORNA UNINSTALL RECORD 1\r\ninstall-folder\tC:\\Windows\r\nend\t0\r\n");
  EXPECT_EQ(LoadRecord(machine_, "c:/windows/uninstall.dat").refusal,
            "The uninstall record C:\\windows\\uninstall.dat cannot be used: it lies in the "
            "Windows folder or a folder inside it.");
}

}  // namespace
}  // namespace vorna::testing
