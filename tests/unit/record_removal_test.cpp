// The removal: an install undone leaves the sandbox as it was, except what
// changed since; what it may not touch it leaves alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/unit/support/uninstall_fixture.h"
#include "uninstall/record_file.h"

namespace vorna::testing {
namespace {

std::vector<std::string> KeptNames(const std::vector<RemovalStep>& steps) {
  std::vector<std::string> kept;
  for (const RemovalStep& step : steps) {
    if (step.result == RemovalResult::Kept) kept.push_back(step.name + ": " + step.reason);
  }
  return kept;
}

TEST_F(UninstallTest, AnUninstallLeavesTheSandboxAsItWasExceptWhatTheUserChanged) {
  auto before = Snapshot();
  InstallHello();
  MakeFolder("C:\\Users\\User\\Desktop\\Hello Group");
  MakeShortcut(std::string(kHello) + "\\README.TXT",
               "C:\\Users\\User\\Desktop\\Hello Group\\R.lnk");
  std::string readme = Host(std::string(kHello) + "\\README.TXT");
  WriteHostFile(readme, "my own notes");

  std::vector<RemovalStep> steps;
  EXPECT_EQ(Uninstall(&steps).end, RemovalEnd::Finished);

  EXPECT_EQ(KeptNames(steps),
            (std::vector<std::string>{"C:\\Program Files\\Hello\\README.TXT: it changed after the "
                                      "install",
                                      "C:\\Program Files\\Hello: it is not empty",
                                      "C:\\Program Files: it is not empty"}));
  std::filesystem::remove(readme);
  std::filesystem::remove(Host(kHello));
  std::filesystem::remove(Host("C:\\Program Files"));
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(UninstallTest, StepsGoLastChangeFirstAndTheRecordLast) {
  InstallHello();
  std::vector<RemovalStep> steps;
  Uninstall(&steps);
  std::vector<std::string> order;
  for (const RemovalStep& step : steps) order.push_back(step.name + "\\" + step.valueName);
  EXPECT_EQ(order, (std::vector<std::string>{
                       "HKEY_CURRENT_USER\\Software\\Hello\\Greeting",
                       "HKEY_CURRENT_USER\\Software\\Hello\\",
                       std::string(kHelloKey) + "\\DisplayName",
                       std::string(kHelloKey) + "\\",
                       "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                       "Uninstall\\",
                       std::string(kDesktopLink) + "\\",
                       "C:\\Program Files\\Hello\\UNINSTALL.EXE\\",
                       "C:\\Program Files\\Hello\\docs\\CHANGES.TXT\\",
                       "C:\\Program Files\\Hello\\docs\\",
                       "C:\\Program Files\\Hello\\README.TXT\\",
                       "C:\\Program Files\\Hello\\",
                       "C:\\Program Files\\",
                   }));
}

TEST_F(UninstallTest, OneUninstallRemovesWhatTwoInstallsIntoOneFolderMade) {
  auto before = Snapshot();
  InstallHello();
  writer_ = std::make_unique<RecordWriter>(machine_);  // the second install's run
  WriteFile(std::string(kHello) + "\\README.TXT", "Hello again\r\n", 2);
  WriteFile(std::string(kHello) + "\\EXTRA.TXT", "more");
  WriteFile(std::string(kHello) + "\\UNINSTALL.EXE", "MZ runtime 2", 2);
  ASSERT_TRUE(writer_->Start(kRecordFile, "Hello 2")) << writer_->failure();
  WriteValue(kHelloKey, "DisplayVersion", "2.0");

  std::vector<RemovalStep> steps;
  EXPECT_EQ(Uninstall(&steps).end, RemovalEnd::Finished);
  EXPECT_EQ(KeptNames(steps), std::vector<std::string>{});
  EXPECT_EQ(Snapshot(), before);
}

// What changed since the install stays, each with its reason: a file that
// was there before, a file or a folder replaced by a link (and what the link
// reaches), a shortcut file that is no longer a shortcut, a key that now
// holds something else.
TEST_F(UninstallTest, WhatChangedSinceTheInstallStaysWithItsReason) {
  TempFolder outside;
  WriteHostFile(outside / "CHANGES.TXT", "1.0\r\n");
  InstallHello();
  std::string shared = std::string(kHello) + "\\SHARED.DLL";
  WriteHostFile(Host(shared), "an older version");
  WriteFile(shared, "the install's version", 3);
  std::string docs = Host(std::string(kHello) + "\\docs");
  std::filesystem::remove_all(docs);
  std::filesystem::create_directory_symlink(outside.path(), docs);
  std::string readme = Host(std::string(kHello) + "\\README.TXT");
  std::filesystem::remove(readme);
  std::filesystem::create_symlink(outside / "CHANGES.TXT", readme);
  WriteHostFile(Host(kDesktopLink), "a letter the user saved under this name");
  writer_ = std::make_unique<RecordWriter>(machine_);  // a run that keeps no record
  WriteValue("HKEY_CURRENT_USER\\Software\\Hello\\Settings", "Colour", "blue");

  std::vector<RemovalStep> steps;
  Uninstall(&steps);
  EXPECT_EQ(KeptNames(steps),
            (std::vector<std::string>{
                shared + ": it replaced a file that was there before the install",
                "HKEY_CURRENT_USER\\Software\\Hello: it holds keys or values the install did not "
                "write",
                std::string(kDesktopLink) + ": it is no longer a shortcut",
                "C:\\Program Files\\Hello\\docs\\CHANGES.TXT: it is reached through a link",
                "C:\\Program Files\\Hello\\docs: a link stands in its place",
                "C:\\Program Files\\Hello\\README.TXT: a link stands in its place",
                "C:\\Program Files\\Hello: it is not empty",
                "C:\\Program Files: it is not empty",
            }));
  EXPECT_EQ(ReadHostFile(Host(shared)), "the install's version");
  EXPECT_TRUE(std::filesystem::exists(outside / "CHANGES.TXT"));
  EXPECT_TRUE(std::filesystem::is_symlink(docs));
  EXPECT_TRUE(std::filesystem::is_symlink(readme));
  EXPECT_TRUE(std::filesystem::exists(Host(kDesktopLink)));
  std::string registry = ReadHostFile(registry_.filePath());
  EXPECT_NE(registry.find("\"Colour\"=\"blue\""), std::string::npos);
  EXPECT_EQ(registry.find("\"Greeting\""), std::string::npos);
}

TEST_F(UninstallTest, TheRunningProgramLeavesItsOwnFileAndWhatHoldsItForItsCopy) {
  InstallHello();
  std::string own = std::string(kHello) + "\\UNINSTALL.EXE";
  auto running = files_.Open(own, platform::Access::Read, platform::Share::None,
                             platform::Creation::OpenExisting);  // cannot be deleted while open
  EXPECT_EQ(Uninstall(nullptr, own).end, RemovalEnd::OwnFileLeft);
  running.reset();
  std::string record = ReadHostFile(Host(kRecordFile));
  EXPECT_NE(record.find("UNINSTALL.EXE"), std::string::npos);
  EXPECT_EQ(record.find("README.TXT"), std::string::npos);

  EXPECT_EQ(Uninstall(nullptr, "C:\\Temp\\COPY.EXE").end, RemovalEnd::Finished);
  EXPECT_FALSE(std::filesystem::exists(Host(kHello)));
}

TEST_F(UninstallTest, WhatCannotBeRemovedStaysInTheRecordForTheNextRun) {
  InstallHello();
  std::string readme = std::string(kHello) + "\\README.TXT";
  auto inUse = files_.Open(readme, platform::Access::Read, platform::Share::None,
                           platform::Creation::OpenExisting);
  std::vector<RemovalStep> steps;
  EXPECT_EQ(Uninstall(&steps).end, RemovalEnd::Failed);
  std::string record = ReadHostFile(Host(kRecordFile));
  EXPECT_NE(record.find("README.TXT"), std::string::npos);
  EXPECT_EQ(record.find("CHANGES.TXT"), std::string::npos);
  inUse.reset();
  EXPECT_EQ(Uninstall().end, RemovalEnd::Finished);
  EXPECT_FALSE(std::filesystem::exists(Host(kHello)));
}

}  // namespace
}  // namespace vorna::testing
