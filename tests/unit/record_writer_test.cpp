// The writing of the record: only what an uninstall may remove is written,
// and a record that is not whole is not continued.
#include "uninstall/record_writer.h"

#include <gtest/gtest.h>

#include "tests/unit/support/uninstall_fixture.h"

namespace vorna::testing {
namespace {

/// The record's entry lines (between the folder line and the end line).
std::string Entries(const std::string& text) {
  size_t start = text.find('\n', text.find("install-folder")) + 1;
  return text.substr(start, text.rfind("end\t") - start);
}

TEST_F(UninstallTest, WhatAnUninstallWouldRefuseIsLeftOutOfTheRecord) {
  MakeFolder("C:\\Program Files");
  MakeFolder(kHello);
  ASSERT_TRUE(writer_->Start(kRecordFile, "Hello"));
  WriteFile("C:\\Users\\User\\Documents\\NOTES.TXT", "not the install's folder");
  Note(EntryKind::File, "HELLO.INI");  // not a full path
  Note(EntryKind::Shortcut, "C:\\Users\\User\\Documents\\Hello.lnk");
  WriteValue("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Hello", "x");
  Note(EntryKind::Library, "C:\\Program Files\\Hello\\HELLO.DLL");
  Note(EntryKind::Library, "C:\\Program Files\\Hello\\OTHER.DLL");
  writer_->ForgetLibrary("c:/program files/hello/hello.dll");
  EXPECT_EQ(Entries(ReadHostFile(Host(kRecordFile))),
            "product\tHello\r\n"
            "folder\tC:\\Program Files\r\n"
            "folder\tC:\\Program Files\\Hello\r\n"
            "key\tHKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
            "library\tC:\\Program Files\\Hello\\OTHER.DLL\r\n");
}

TEST_F(UninstallTest, ARecordThatIsNotWholeIsStartedAfresh) {
  ASSERT_TRUE(files_.CreateFolder("C:\\Program Files"));
  MakeFolder(kHello);
  WriteHostFile(Host(kRecordFile), "VORNA UNINSTALL RECORD 1\r\ninstall-folder\tC:\\Program Fi");
  ASSERT_TRUE(writer_->Start(kRecordFile, "Hello"));
  EXPECT_EQ(Entries(ReadHostFile(Host(kRecordFile))),
            "product\tHello\r\nfolder\tC:\\Program Files\\Hello\r\n");
}

TEST_F(UninstallTest, NoRecordIsStartedInARootOrInWindows) {
  for (const char* record : {"C:\\UNINSTALL.DAT", "C:\\Windows\\UNINSTALL.DAT", "UNINSTALL.DAT"}) {
    EXPECT_FALSE(writer_->Start(record, "Hello")) << record;
    EXPECT_NE(writer_->failure(), "");
  }
}

}  // namespace
}  // namespace vorna::testing
