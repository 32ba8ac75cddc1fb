// The sandbox registry: keys and values, its REGEDIT4 file, atomic saves and
// injected failures.
#include "platform/portable/portable_registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "platform/portable/reg_file_format.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna::platform {
namespace {

using vorna::testing::WriteHostFile;

const KeyHandle kUser = RootHandle(RootKey::CurrentUser);
const KeyHandle kMachine = RootHandle(RootKey::LocalMachine);

class PortableRegistryTest : public vorna::testing::SandboxRegistryTest {
 protected:
  KeyHandle Create(KeyHandle parent, const std::string& subkey) {
    KeyHandle key = 0;
    EXPECT_EQ(registry_.CreateKey(parent, subkey, &key), kRegSuccess) << subkey;
    return key;
  }
  RegStatus Open(KeyHandle parent, const std::string& subkey, KeyHandle* key) {
    return registry_.OpenKey(parent, subkey, kKeyReadWrite, key);
  }
  RegStatus SetText(KeyHandle key, const std::string& name, const std::string& text) {
    return registry_.SetValue(key, name, RegType::Sz, text.c_str(),
                              static_cast<uint32_t>(text.size() + 1));
  }
  /// The value's bytes and kind, or nullopt when it cannot be read.
  static std::optional<std::pair<RegType, std::vector<uint8_t>>> Query(PortableRegistry& registry,
                                                                       KeyHandle key,
                                                                       const std::string& name) {
    std::vector<uint8_t> data(4096);
    uint32_t size = static_cast<uint32_t>(data.size());
    RegType type = RegType::None;
    if (registry.QueryValue(key, name, &type, data.data(), &size) != kRegSuccess) {
      return std::nullopt;
    }
    data.resize(size);
    return std::make_pair(type, data);
  }
  static std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
  }
  /// A second registry over the same folder, as a later run would load it.
  std::unique_ptr<PortableRegistry> Reload() {
    auto again = std::make_unique<PortableRegistry>(folder_.path());
    std::string error;
    EXPECT_TRUE(again->Load(&error)) << error;
    return again;
  }
};

TEST_F(PortableRegistryTest, MissingFileIsAnEmptyRegistryAndIsNotWrittenUntilAChange) {
  KeyHandle key = 0;
  EXPECT_EQ(Open(kUser, "Software", &key), kRegFileNotFound);
  EXPECT_FALSE(std::filesystem::exists(registry_.filePath()));
  Create(kUser, "Software");
  EXPECT_TRUE(std::filesystem::exists(registry_.filePath()));
}

TEST_F(PortableRegistryTest, KeysAndValueNamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
  KeyHandle key = Create(kMachine, "Software\\Vorna");
  ASSERT_EQ(SetText(key, "InstallPath", "C:\\A"), kRegSuccess);
  KeyHandle same = 0;
  ASSERT_EQ(Open(kMachine, "SOFTWARE\\vorna", &same), kRegSuccess);
  ASSERT_EQ(SetText(same, "INSTALLPATH", "C:\\B"), kRegSuccess);
  auto value = Query(registry_, key, "installpath");
  ASSERT_TRUE(value);
  EXPECT_EQ(Text(value->second), std::string("C:\\B", 5));
  EXPECT_NE(
      FileText().find("[HKEY_LOCAL_MACHINE\\Software\\Vorna]\r\n\"InstallPath\"=\"C:\\\\B\"\r\n"),
      std::string::npos)
      << FileText();
  KeyHandle again = Create(kMachine, "SOFTWARE\\VORNA\\Sub");
  EXPECT_NE(FileText().find("[HKEY_LOCAL_MACHINE\\Software\\Vorna\\Sub]"), std::string::npos);
  for (KeyHandle h : {key, same, again}) registry_.CloseKey(h);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

// Every kind, and names and texts that need escaping, read back.
TEST_F(PortableRegistryTest, EveryKindOfValueSurvivesASaveAndALoad) {
  KeyHandle key = Create(kUser, "Kinds");
  const uint8_t dword[] = {0x78, 0x56, 0x34, 0x12};
  std::vector<uint8_t> blob(100);
  for (size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<uint8_t>(i * 7);
  const char multi[] = "one\0two\0";
  const char lineBreak[] = "two\r\nlines";
  const char noZero[] = {'a', 'b'};
  ASSERT_EQ(registry_.SetValue(key, "D", RegType::Dword, dword, 4), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "B", RegType::Binary, blob.data(), 100), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "M", RegType::MultiSz, multi, sizeof multi), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "L", RegType::Sz, lineBreak, sizeof lineBreak), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "N", RegType::Sz, noZero, sizeof noZero), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "E", RegType::Sz, nullptr, 0), kRegSuccess);
  ASSERT_EQ(registry_.SetValue(key, "Odd", static_cast<RegType>(0x1234), dword, 2), kRegSuccess);
  ASSERT_EQ(SetText(key, "Say \"hi\"", "C:\\Program Files\\\"App\"\\"), kRegSuccess);
  std::string file = FileText();
  EXPECT_NE(file.find("\"D\"=dword:12345678\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\"Odd\"=hex(1234):78,56\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\"E\"=hex(1):\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find(",\\\r\n  "), std::string::npos) << "long hex data wraps";

  auto reloaded = Reload();
  KeyHandle again = 0;
  ASSERT_EQ(reloaded->OpenKey(kUser, "kinds", kKeyReadWrite, &again), kRegSuccess);
  for (const char* name : {"D", "B", "M", "L", "N", "E", "Odd", "Say \"hi\""}) {
    auto before = Query(registry_, key, name);
    auto after = Query(*reloaded, again, name);
    ASSERT_TRUE(before && after) << name;
    EXPECT_EQ(before->first, after->first) << name;
    EXPECT_EQ(before->second, after->second) << name;
  }
}

TEST_F(PortableRegistryTest, HandWrittenFileLoadsAndUnknownKindsAreKeptOnSave) {
  PrepareFile(
      "REGEDIT4\n"
      "; prepared by hand\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Prepared]\n"
      "\"Path\"=\"C:\\\\App\"\n"
      "\"Count\"=dword:0000002a\n"
      "\"Expand\"=hex(2):25,00,\\\n"
      "    41,00\n"
      "\"Gone\"=\"soon\"\n"
      "\"Gone\"=-\n"
      "\"Quoted\"=\"say \\\"hi\\\" \\\\ back\"\n"
      "[HKEY_CURRENT_USER\\Software\\Removed\\Deep]\n"
      "[-HKEY_CURRENT_USER\\Software\\Removed]\n");
  KeyHandle key = 0;
  ASSERT_EQ(Open(kUser, "Software\\Prepared", &key), kRegSuccess);
  auto expand = Query(registry_, key, "Expand");
  ASSERT_TRUE(expand);
  EXPECT_EQ(expand->first, RegType::ExpandSz);
  EXPECT_EQ(expand->second, (std::vector<uint8_t>{0x25, 0, 0x41, 0}));
  EXPECT_FALSE(Query(registry_, key, "Gone"));
  EXPECT_EQ(Text(Query(registry_, key, "Quoted")->second), std::string("say \"hi\" \\ back", 16));
  KeyHandle removed = 0;
  EXPECT_EQ(Open(kUser, "Software\\Removed", &removed), kRegFileNotFound);

  ASSERT_EQ(SetText(key, "New", "v"), kRegSuccess);
  EXPECT_EQ(FileText(),
            "REGEDIT4\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Prepared]\r\n"
            "\"Count\"=dword:0000002a\r\n"
            "\"Expand\"=hex(2):25,00,41,00\r\n"
            "\"New\"=\"v\"\r\n"
            "\"Path\"=\"C:\\\\App\"\r\n"
            "\"Quoted\"=\"say \\\"hi\\\" \\\\ back\"\r\n\r\n");
}

TEST_F(PortableRegistryTest, AMalformedFileIsReportedAndNeverOverwritten) {
  const std::string broken = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"A\"=dword:xyz\n";
  WriteHostFile(registry_.filePath(), broken);
  std::string error;
  EXPECT_FALSE(registry_.Load(&error));
  EXPECT_NE(error.find("line 4"), std::string::npos) << error;
  KeyHandle key = 0;
  EXPECT_NE(registry_.CreateKey(kUser, "Software\\New", &key), kRegSuccess);
  EXPECT_NE(SetText(kUser, "A", "x"), kRegSuccess);
  EXPECT_EQ(FileText(), broken);

  for (const char* text :
       {"", "Windows Registry Editor Version 5.00\n", "REGEDIT4\n\"A\"=\"value before any key\"\n",
        "REGEDIT4\n[HKEY_NOWHERE\\X]\n", "REGEDIT4\n[HKEY_USERS\\X\n",
        "REGEDIT4\n[HKEY_USERS]\n\"A\"=\"unterminated\n",
        "REGEDIT4\n[HKEY_USERS]\n\"A\"=hex:1,2,345\n",
        "REGEDIT4\n[HKEY_USERS]\n\"A\"=dword:123456789\n",
        "REGEDIT4\n[HKEY_USERS]\n\"A\"=hex(zz):00\n", "REGEDIT4\n[HKEY_USERS]\n\"A\" \"B\"\n"}) {
    WriteHostFile(registry_.filePath(), text);
    EXPECT_FALSE(registry_.Load(&error)) << text;
  }
}

TEST_F(PortableRegistryTest, SavesReplaceTheFileWithoutLeavingTemporaryFiles) {
  KeyHandle key = Create(kUser, "Software\\Atomic");
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(SetText(key, "V" + std::to_string(i), std::string(i * 10, 'x')), kRegSuccess);
  }
  size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    ++entries;
    EXPECT_EQ(entry.path().filename(), PortableRegistry::kFileName);
  }
  EXPECT_EQ(entries, 1u);
}

TEST_F(PortableRegistryTest, AFailedSaveUndoesTheChangeAndKeepsTheOldFile) {
  KeyHandle key = Create(kUser, "Software\\Kept");
  ASSERT_EQ(SetText(key, "Value", "old"), kRegSuccess);
  std::string before = FileText();

  registry_.FailNth(RegistryCall::Save, 1);
  EXPECT_EQ(SetText(key, "Value", "new"), kRegWriteFault);
  EXPECT_EQ(Text(Query(registry_, key, "Value")->second), std::string("old", 4));
  registry_.FailNth(RegistryCall::Save, 1);
  EXPECT_EQ(SetText(key, "Other", "new"), kRegWriteFault);
  EXPECT_FALSE(Query(registry_, key, "Other"));
  registry_.FailNth(RegistryCall::Save, 1);
  KeyHandle added = 0;
  EXPECT_EQ(registry_.CreateKey(kUser, "Software\\Kept\\A\\B", &added), kRegWriteFault);
  EXPECT_EQ(Open(kUser, "Software\\Kept\\A", &added), kRegFileNotFound);
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(registry_.OpenKeyCount(), 1u);

  // A folder the file cannot be written into fails the same way.
  PortableRegistry nowhere(folder_ / "missing-folder");
  std::string error;
  ASSERT_TRUE(nowhere.Load(&error));
  EXPECT_EQ(nowhere.CreateKey(kUser, "X", &added), kRegWriteFault);
  EXPECT_EQ(nowhere.OpenKeyCount(), 0u);
}

TEST_F(PortableRegistryTest, DeletionsTakeOnlyEmptyKeysStaleTheirHandlesAndUndoAFailedSave) {
  KeyHandle hello = Create(kUser, "Software\\Hello\\Settings");
  SetText(hello, "Colour", "blue");
  KeyHandle software = Create(kUser, "Software");
  KeyHandle parent = 0;
  ASSERT_EQ(Open(kUser, "Software\\Hello", &parent), kRegSuccess);
  EXPECT_EQ(registry_.DeleteKey(software, "Hello"), kRegAccessDenied) << "it has a subkey";
  uint32_t subkeys = 9, values = 9;
  EXPECT_EQ(registry_.CountEntries(hello, &subkeys, &values), kRegSuccess);
  EXPECT_EQ(subkeys, 0u);
  EXPECT_EQ(values, 1u);
  registry_.FailNth(RegistryCall::Save, 1);
  EXPECT_EQ(registry_.DeleteValue(hello, "colour"), kRegWriteFault);
  EXPECT_EQ(registry_.DeleteValue(hello, "colour"), kRegSuccess);
  EXPECT_EQ(registry_.DeleteValue(hello, "colour"), kRegFileNotFound);
  registry_.FailNth(RegistryCall::Save, 1);
  EXPECT_EQ(registry_.DeleteKey(parent, "SETTINGS"), kRegWriteFault);
  EXPECT_EQ(registry_.DeleteKey(parent, "SETTINGS"), kRegSuccess);
  EXPECT_EQ(registry_.CountEntries(hello, &subkeys, &values), kRegInvalidHandle);
  EXPECT_EQ(Reload()->OpenKey(kUser, "Software\\Hello\\Settings", kKeyReadWrite, &parent),
            kRegFileNotFound);
}

TEST_F(PortableRegistryTest, QueryFollowsTheWindowsBufferRules) {
  KeyHandle key = Create(kUser, "Q");
  ASSERT_EQ(SetText(key, "V", "12345"), kRegSuccess);
  char small[4];
  uint32_t size = sizeof small;
  RegType type = RegType::None;
  EXPECT_EQ(registry_.QueryValue(key, "V", &type, small, &size), kRegMoreData);
  EXPECT_EQ(size, 6u);
  size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "V", &type, nullptr, &size), kRegSuccess);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, RegType::Sz);
  EXPECT_EQ(registry_.QueryValue(key, "Missing", &type, small, &size), kRegFileNotFound);
  EXPECT_EQ(registry_.QueryValue(0x7777, "V", &type, small, &size), kRegInvalidHandle);
}

TEST_F(PortableRegistryTest, HandlesAreCountedAndRootsNeedNoClosing) {
  KeyHandle a = Create(kUser, "H");
  KeyHandle b = 0;
  ASSERT_EQ(Open(kUser, "H", &b), kRegSuccess);
  EXPECT_NE(a, b);
  KeyHandle root = 0;
  ASSERT_EQ(Open(kUser, "", &root), kRegSuccess);
  EXPECT_EQ(registry_.OpenKeyCount(), 3u);
  EXPECT_EQ(registry_.CloseKey(kUser), kRegSuccess);
  EXPECT_EQ(registry_.CloseKey(a), kRegSuccess);
  EXPECT_EQ(registry_.CloseKey(a), kRegInvalidHandle);
  EXPECT_EQ(registry_.CloseKey(b), kRegSuccess);
  EXPECT_EQ(registry_.CloseKey(root), kRegSuccess);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
  EXPECT_EQ(Open(0x12345, "H", &a), kRegInvalidHandle);

  // Loading the file again replaces the tree; handles into the old one go stale.
  ASSERT_EQ(Open(kUser, "H", &a), kRegSuccess);
  std::string error;
  ASSERT_TRUE(registry_.Load(&error)) << error;
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
  EXPECT_EQ(SetText(a, "V", "x"), kRegInvalidHandle);
}

TEST_F(PortableRegistryTest, NamesWithLineBreaksAreRefusedSoTheFileStaysReadable) {
  KeyHandle key = Create(kUser, "Names");
  KeyHandle bad = 0;
  EXPECT_EQ(registry_.CreateKey(kUser, "Two\nLines", &bad), kRegInvalidParameter);
  EXPECT_EQ(SetText(key, "Two\r\nLines", "x"), kRegInvalidParameter);
  EXPECT_TRUE(Reload());
}

TEST_F(PortableRegistryTest, InjectedFaultsHitTheNthCallOfTheirKind) {
  KeyHandle key = Create(kUser, "F");
  registry_.FailNth(RegistryCall::Set, 2);
  EXPECT_EQ(SetText(key, "A", "1"), kRegSuccess);
  EXPECT_NE(SetText(key, "B", "2"), kRegSuccess);
  EXPECT_EQ(SetText(key, "C", "3"), kRegSuccess);
  registry_.FailNth(RegistryCall::Open, 1);
  KeyHandle opened = 0;
  EXPECT_NE(Open(kUser, "F", &opened), kRegSuccess);
  EXPECT_EQ(Open(kUser, "F", &opened), kRegSuccess);
  registry_.FailNth(RegistryCall::Query, 1);
  EXPECT_FALSE(Query(registry_, key, "A"));
  EXPECT_TRUE(Query(registry_, key, "A"));
}

// Mutated files are either read or refused with a reason; under the sanitizers
// this also shows that no mutation makes the reader step outside its text.
TEST(RegFileFormat, MutatedFilesAreReadOrRefusedWithAReason) {
  const std::string valid =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n@=\"d\"\r\n\"A\"=\"C:\\\\x "
      "\\\"q\\\"\"\r\n"
      "\"B\"=dword:0000002a\r\n\"C\"=hex(2):25,00,\\\r\n  41,00\r\n[-HKEY_USERS\\Y]\r\n";
  const char alphabet[] = "[]\\\"=@:,-;hexdword()0f\r\n ";
  std::mt19937 random(12345);
  for (int round = 0; round < 3000; ++round) {
    std::string text = valid;
    int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      size_t at = random() % (text.size() + 1);
      switch (random() % 3) {
        case 0:
          text.insert(at, 1, alphabet[random() % (sizeof alphabet - 1)]);
          break;
        case 1:
          if (at < text.size()) text.erase(at, 1);
          break;
        default:
          if (at < text.size()) text[at] = alphabet[random() % (sizeof alphabet - 1)];
      }
    }
    RegTree tree;
    std::string error;
    if (ParseRegFile(text, &tree, &error)) {
      RegTree again;
      EXPECT_TRUE(ParseRegFile(FormatRegFile(tree), &again, &error)) << text;
      EXPECT_EQ(FormatRegFile(again), FormatRegFile(tree)) << text;
    } else {
      EXPECT_FALSE(error.empty()) << text;
    }
  }
}

}  // namespace
}  // namespace vorna::platform
