// What a record may name: the install folder and what lies below it, the
// shortcut folders, the folders the install created above it, and the
// product's own registry keys; nothing of Windows or of other programs.
#include "uninstall/record_area.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

RecordArea HelloArea() {
  RecordArea area;
  area.installFolder = *ParseRecordPath("C:\\Program Files\\Hello");
  area.shortcutFolders = {*ParseRecordPath("C:\\Users\\Ann\\Desktop"),
                          *ParseRecordPath("C:\\Users\\Ann\\Start Menu\\Programs")};
  area.windowsFolder = *ParseRecordPath("C:\\Windows");
  return area;
}

RecordEntry Entry(EntryKind kind, const std::string& name) {
  RecordEntry entry;
  entry.kind = kind;
  entry.name = name;
  return entry;
}

TEST(RecordAreaTest, PathsBelongToTheInstallWhereItsKindMayLie) {
  struct Case {
    EntryKind kind;
    const char* path;
    bool inArea;
  };
  const Case cases[] = {
      {EntryKind::File, "C:\\Program Files\\Hello\\README.TXT", true},
      {EntryKind::File, "c:\\program files\\HELLO\\bin\\x.dll", true},
      {EntryKind::File, "C:\\Program Files\\Hello", false},
      {EntryKind::File, "C:\\Program Files\\HelloWorld\\x", false},
      {EntryKind::File, "C:\\Windows\\system32\\x.dll", false},
      {EntryKind::File, "D:\\Program Files\\Hello\\x", false},
      {EntryKind::Library, "C:\\Program Files\\Hello\\HELLO.DLL", true},
      {EntryKind::Library, "C:\\Windows\\HELLO.DLL", false},
      {EntryKind::Shortcut, "C:\\Users\\Ann\\Desktop\\Hello.lnk", true},
      {EntryKind::Shortcut, "C:\\Users\\Ann\\Start Menu\\Programs\\Hello\\Hello.lnk", true},
      {EntryKind::Shortcut, "C:\\Users\\Ann\\Documents\\Letter.lnk", false},
      {EntryKind::Shortcut, "C:\\Users\\Ann\\Desktop", false},
      {EntryKind::Folder, "C:\\Program Files\\Hello", true},
      {EntryKind::Folder, "C:\\Program Files\\Hello\\docs", true},
      {EntryKind::Folder, "C:\\Program Files", true},
      {EntryKind::Folder, "C:\\", false},
      {EntryKind::Folder, "C:\\Users\\Ann\\Start Menu\\Programs\\Hello", true},
      {EntryKind::Folder, "C:\\Users\\Ann\\Start Menu\\Programs", false},
      {EntryKind::Folder, "C:\\Program Files\\Other", false},
  };
  RecordArea area = HelloArea();
  for (const Case& c : cases) {
    EXPECT_EQ(InArea(Entry(c.kind, c.path), area, {}), c.inArea) << c.path;
  }
}

TEST(RecordAreaTest, MachineKeysAreThoseOfWindowsAndOfEveryProgram) {
  const char* machine[] = {
      "HKEY_LOCAL_MACHINE\\SOFTWARE",
      "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Hello",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Hello",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes",
      "HKEY_CLASSES_ROOT\\CLSID",
      "HKEY_CURRENT_USER\\Environment",
      "HKEY_USERS\\.DEFAULT",
      "HKEY_CURRENT_CONFIG\\Software\\Hello",
  };
  const char* product[] = {
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Hello",
      "hkey_current_user\\software\\Hello Makers\\Hello",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hello",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\hello.exe",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Hello",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.hello",
      "HKEY_CLASSES_ROOT\\CLSID\\{01234567-89AB-CDEF-0123-456789ABCDEF}",
      "HKEY_USERS\\.DEFAULT\\Software\\Hello",
  };
  for (const char* name : machine) EXPECT_TRUE(IsMachineKey(*ParseRecordKey(name))) << name;
  for (const char* name : product) EXPECT_FALSE(IsMachineKey(*ParseRecordKey(name))) << name;
}

TEST(RecordAreaTest, ValuesMayLieOnlyInTheProductsOwnKeys) {
  InstallRecord record;
  record.installFolder = "C:\\Program Files\\Hello";
  record.entries = {Entry(EntryKind::Key, "HKEY_CURRENT_USER\\Software\\Hello"),
                    Entry(EntryKind::Key, "HKEY_CURRENT_USER\\Software\\Microsoft\\Hello")};
  std::vector<RecordKey> keys = ProductKeys(record);
  RecordEntry value = Entry(EntryKind::Value, "HKEY_CURRENT_USER\\Software\\Hello\\Settings");
  EXPECT_TRUE(InArea(value, HelloArea(), keys));
  value.name = "HKEY_CURRENT_USER\\Software\\Microsoft\\Hello";
  EXPECT_FALSE(InArea(value, HelloArea(), keys));
  value.name = "HKEY_CURRENT_USER\\Software";
  EXPECT_FALSE(InArea(value, HelloArea(), keys));
}

TEST(RecordAreaTest, NoRecordMayBelongToARootOrToWindows) {
  RecordArea area = HelloArea();
  EXPECT_EQ(RefusedInstallFolder(area), "");
  for (const char* folder : {"D:\\", "C:\\Windows", "c:\\windows\\System32\\Hello"}) {
    area.installFolder = *ParseRecordPath(folder);
    EXPECT_NE(RefusedInstallFolder(area), "") << folder;
  }
  area.windowsFolder = *ParseRecordPath("C:\\OS\\Windows");
  area.installFolder = *ParseRecordPath("C:\\OS");
  EXPECT_NE(RefusedInstallFolder(area), "");
  // Nor may a folder the install created above it that holds Windows.
  area.installFolder = *ParseRecordPath("C:\\OS\\Apps\\Hello");
  EXPECT_TRUE(InArea(Entry(EntryKind::Folder, "C:\\OS\\Apps"), area, {}));
  EXPECT_FALSE(InArea(Entry(EntryKind::Folder, "C:\\OS"), area, {}));
}

// A whole record checked against its folder is record_loading_test's.

}  // namespace
}  // namespace vorna
