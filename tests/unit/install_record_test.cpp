// The record's text: every kind of entry written and read back, the exact
// lines of the documented format, and every way a record can be unusable.
#include "uninstall/install_record.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorna {
namespace {

RecordEntry Entry(EntryKind kind, const std::string& name, const std::string& valueName = "") {
  RecordEntry entry;
  entry.kind = kind;
  entry.name = name;
  entry.valueName = valueName;
  return entry;
}

InstallRecord Sample() {
  InstallRecord record;
  record.installFolder = "C:\\Program Files\\Hello";
  record.entries.push_back(Entry(EntryKind::Product, "Hello\t100% \xE9"));
  record.entries.push_back(Entry(EntryKind::Folder, "C:\\Program Files\\Hello"));
  RecordEntry file = Entry(EntryKind::File, "C:\\Program Files\\Hello\\README.TXT");
  file.origin = FileOrigin::Replaced;
  file.size = 18446744073709551615ULL;
  file.lastWrite.ticks = 133000000000000000ULL;
  record.entries.push_back(file);
  record.entries.push_back(Entry(EntryKind::Shortcut, "C:\\Users\\Public\\Desktop\\Hello.lnk"));
  record.entries.push_back(Entry(EntryKind::Key, "HKEY_CURRENT_USER\\Software\\Hello"));
  record.entries.push_back(Entry(EntryKind::Value, "HKEY_CURRENT_USER\\Software\\Hello", ""));
  record.entries.push_back(Entry(EntryKind::Value, "HKEY_CURRENT_USER\\Software\\Hello", "a\r\nb"));
  record.entries.push_back(Entry(EntryKind::Library, "C:\\Program Files\\Hello\\HELLO.DLL"));
  return record;
}

TEST(InstallRecordTest, EveryEntryIsWrittenAsDocumentedAndReadBack) {
  std::string text = FormatRecord(Sample());
  EXPECT_EQ(text,
            "VORNA UNINSTALL RECORD 1\r\n"
            "install-folder\tC:\\Program Files\\Hello\r\n"
            "product\tHello%09100%25 \xE9\r\n"
            "folder\tC:\\Program Files\\Hello\r\n"
            "file\treplaced\t18446744073709551615\t133000000000000000\t"
            "C:\\Program Files\\Hello\\README.TXT\r\n"
            "shortcut\tC:\\Users\\Public\\Desktop\\Hello.lnk\r\n"
            "key\tHKEY_CURRENT_USER\\Software\\Hello\r\n"
            "value\tHKEY_CURRENT_USER\\Software\\Hello\t\r\n"
            "value\tHKEY_CURRENT_USER\\Software\\Hello\ta%0D%0Ab\r\n"
            "library\tC:\\Program Files\\Hello\\HELLO.DLL\r\n"
            "end\t8\r\n");
  RecordProblem problem;
  std::optional<InstallRecord> read = ParseRecord(text, &problem);
  ASSERT_TRUE(read) << problem.reason;
  EXPECT_EQ(FormatRecord(*read), text);
  EXPECT_EQ(read->ProductName(), "Hello\t100% \xE9");
  EXPECT_EQ(read->entries[2].size, 18446744073709551615ULL);
  // Line feeds alone are line ends too.
  std::string unix = text;
  unix.erase(std::remove(unix.begin(), unix.end(), '\r'), unix.end());
  EXPECT_TRUE(ParseRecord(unix, nullptr));
}

TEST(InstallRecordTest, ARecordCutShortAnywhereIsRefused) {
  std::string text = FormatRecord(Sample());
  for (size_t length = 0; length < text.size(); ++length) {
    EXPECT_FALSE(ParseRecord(text.substr(0, length), nullptr)) << "cut after " << length;
  }
}

TEST(InstallRecordTest, AnUnusableLineIsNamedWithItsReason) {
  struct Case {
    std::string from, to;
    size_t line;
    std::string reason;
  };
  const Case cases[] = {
      {"RECORD 1", "RECORD 2", 1, "a record version this program does not know"},
      {"VORNA UNINSTALL", "VORNA SETUP", 1, "not an uninstall record"},
      {"install-folder\tC:", "install-folder\tC", 2, "the install folder is missing"},
      {"product\tHello%09", "product\tHello%0G", 3, "a malformed field"},
      // Unescaped control characters, at both ends of the range.
      {"product\tHello%09", "product\tHello\x1F", 3, "a malformed field"},
      {"product\tHello%09", "product\tHello\x7F", 3, "a malformed field"},
      {"\nfolder\t", "\nfolders\t", 4, "unknown entry \"folders\""},
      {"shortcut\tC:", "shortcut\tx\tC:", 6, "a shortcut entry has 2 fields"},
      {"\treplaced\t", "\tkept\t", 5, "a file entry needs new or replaced"},
      {"\t18446744073709551615\t", "\t18446744073709551616\t", 5, "a file entry needs"},
      {"\\Hello\\README.TXT", "\\Hello\\..\\README.TXT", 5, "not a full path or key"},
      {"\nfolder\tC:\\Program Files", "\nfolder\tProgram Files", 4, "not a full path"},
      {"library\tC:\\Program Files\\Hello\\HELLO.DLL", "library\tC:\\Program Files\\CON", 10,
       "not a full path"},
      {"key\tHKEY_CURRENT_USER\\Software\\Hello", "key\tHKEY_CURRENT_USERS\\Software", 7,
       "not a full path or key"},
      {"key\tHKEY_CURRENT_USER\\Software\\Hello", "key\tHKEY_CURRENT_USER", 7, "not a full"},
      {"key\tHKEY_CURRENT_USER\\Software\\Hello", "key\tHKEY_CURRENT_USER\\\\Hello", 7,
       "not a full"},
      {"end\t8", "end\t7", 11, "the end line does not count the entries above it"},
      {"end\t8\r\n", "end\t8\r\nfolder\tC:\\\r\n", 12, "text after the end line"},
      {"end\t8\r\n", "", 0, "the record is cut short: it has no end line"},
  };
  std::string text = FormatRecord(Sample());
  for (const Case& c : cases) {
    std::string edited = text;
    size_t at = edited.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    edited.replace(at, c.from.size(), c.to);
    RecordProblem problem;
    EXPECT_FALSE(ParseRecord(edited, &problem)) << c.to;
    EXPECT_EQ(problem.line, c.line) << c.to;
    EXPECT_EQ(problem.reason.rfind(c.reason, 0), 0u) << c.to << ": " << problem.reason;
  }
}

}  // namespace
}  // namespace vorna
