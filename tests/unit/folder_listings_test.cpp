#include "platform/portable/folder_listings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "tests/unit/support/temp_folder.h"

namespace vorna::platform {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// The temporary folder lies on a local file system, whose changes are
// noticed: every test expects the folder to be read once, and each change
// made behind the listing's back to be seen without reading it again.
class FolderListingsTest : public ::testing::Test {
 protected:
  std::optional<std::string> Find(const std::string& name) { return listings_.Find(dir_, name); }

  TempFolder temp_;
  std::string dir_ = temp_.path();
  FolderListings listings_;
};

TEST_F(FolderListingsTest, FindsNamesWhateverTheirCaseFromOneRead) {
  temp_.Write("readme.TXT", "");
  temp_.Write("README.txt", "");
  temp_.Write("caf\xC3\xA9.txt", "");           // "café" in UTF-8
  temp_.Write("\xE4\xB8\xAD.txt", "");          // a character Windows-1252 has no byte for
  EXPECT_EQ(Find("Readme.Txt"), "README.txt");  // the first in byte order
  EXPECT_EQ(Find("CAF\xC9.TXT"), "caf\xC3\xA9.txt");
  EXPECT_EQ(Find("?.txt"), std::nullopt);
  EXPECT_EQ(Find("readme"), std::nullopt);
  EXPECT_EQ(listings_.reads(), 1u);
  EXPECT_EQ(listings_.Find(temp_ / "missing", "x"), std::nullopt);
  EXPECT_EQ(listings_.Find(temp_.Write("plain", ""), "x"), std::nullopt);
}

TEST_F(FolderListingsTest, SeesEveryChangeMadeBehindItsBack) {
  mkdir((temp_ / "other").c_str(), 0777);
  temp_.Write("old.txt", "");
  temp_.Write("other/Moved.txt", "");
  EXPECT_EQ(Find("OLD.TXT"), "old.txt");

  temp_.Write("NEW.TXT", "");
  EXPECT_EQ(Find("new.txt"), "NEW.TXT");
  temp_.Write("Apple.txt", "");  // now the first of two spellings
  temp_.Write("apple.txt", "");
  std::remove((temp_ / "Apple.txt").c_str());
  EXPECT_EQ(Find("APPLE.TXT"), "apple.txt");
  std::rename((temp_ / "old.txt").c_str(), (temp_ / "Renamed.txt").c_str());
  EXPECT_EQ(Find("old.txt"), std::nullopt);
  EXPECT_EQ(Find("renamed.txt"), "Renamed.txt");
  std::rename((temp_ / "other/Moved.txt").c_str(), (temp_ / "Moved.txt").c_str());
  std::rename((temp_ / "NEW.TXT").c_str(), (temp_ / "other/NEW.TXT").c_str());
  EXPECT_EQ(Find("moved.txt"), "Moved.txt");
  EXPECT_EQ(Find("new.txt"), std::nullopt);
  EXPECT_EQ(listings_.reads(), 1u);
}

TEST_F(FolderListingsTest, AFolderPutInThePlaceOfAnotherIsReadAfresh) {
  std::string inner = temp_ / "inner";
  mkdir(inner.c_str(), 0777);
  temp_.Write("inner/first.txt", "");
  EXPECT_EQ(listings_.Find(inner, "FIRST.TXT"), "first.txt");
  std::remove((inner + "/first.txt").c_str());
  rmdir(inner.c_str());
  mkdir(inner.c_str(), 0777);
  temp_.Write("inner/Second.txt", "");
  EXPECT_EQ(listings_.Find(inner, "first.txt"), std::nullopt);
  EXPECT_EQ(listings_.Find(inner, "second.txt"), "Second.txt");
  EXPECT_EQ(listings_.reads(), 2u);
}

TEST_F(FolderListingsTest, FindsNamesByTheirStartWhateverTheirCase) {
  for (const char* name : {"~vorna-AB-1", "~VORNA-ab-2", "~vorna-AC-3", "~vorna-A", "x~vorna-AB"}) {
    temp_.Write(name, "");
  }
  Names found = listings_.FindStartingWith(dir_, "~Vorna-ab-");
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (Names{"~VORNA-ab-2", "~vorna-AB-1"}));
  temp_.Write("~vorna-ab-4", "");
  EXPECT_EQ(listings_.FindStartingWith(dir_, "~VORNA-AB-").size(), 3u);
  EXPECT_EQ(listings_.FindStartingWith(dir_, "~vorna-AD").size(), 0u);
}

// When the kernel drops notices (its queue is full), no listing is trusted:
// the folder is read again, and what happened meanwhile is seen.
TEST_F(FolderListingsTest, LostNoticesMakeItReadTheFolderAgain) {
  unsigned queueLength = 16384;
  std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> queueLength;
  if (queueLength > 100000) GTEST_SKIP() << "the notice queue is too long to fill here";
  EXPECT_EQ(Find("none"), std::nullopt);
  for (unsigned i = 0; i <= queueLength; ++i) temp_.Write("f" + std::to_string(i), "");
  temp_.Write("Last.txt", "");
  EXPECT_EQ(Find("LAST.TXT"), "Last.txt");
  EXPECT_EQ(Find("F0"), "f0");
  EXPECT_EQ(listings_.reads(), 2u);
}

}  // namespace
}  // namespace vorna::platform
