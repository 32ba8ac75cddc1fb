#include "installdata/copy_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>

#include "installdata/copy_worker.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "tests/unit/support/fault_sweep.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

using platform::FileTime;
using platform::FileTimes;
using testing::ReadHostFile;
using testing::WriteHostFile;
using Bytes = std::vector<uint8_t>;

using testing::k2000;
using testing::k2010;
using testing::k2020;
using testing::Times;
using Record = testing::SetRecord;
using testing::PackSet;

// Every host file of the sandbox but the image and the install folder's.
std::map<std::string, std::string> Outside(const testing::SandboxPlatform& sandbox) {
  std::map<std::string, std::string> files = testing::HostTree(sandbox.temp.path());
  files.erase("/C/SETUP.EXE");
  for (auto it = files.begin(); it != files.end();) {
    it = it->first.rfind("/C/Apps", 0) == 0 ? files.erase(it) : std::next(it);
  }
  return files;
}

FileTimes HostTimes(platform::FileSystem& files, const std::string& path) {
  FileTimes times;
  auto file = files.Open(path, platform::Access::Read, platform::Share::ReadWrite,
                         platform::Creation::OpenExisting);
  EXPECT_TRUE(file && file->GetTimes(&times)) << path;
  return times;
}

// The three times of a file, for one comparison.
std::array<uint64_t, 3> Ticks(const FileTimes& times) {
  return {times.creation.ticks, times.lastAccess.ticks, times.lastWrite.ticks};
}

class CopyFilesTest : public ::testing::Test {
 protected:
  /// Writes the image of set, opens and locates it; answers the set total.
  uint32_t OpenSet(const Bytes& set) {
    sandbox_.WriteImage(set);
    stream_ = std::make_unique<FileSetStream>(platform::Current(), "C:\\SETUP.EXE");
    EXPECT_TRUE(stream_->Open());
    EXPECT_EQ(stream_->Locate(), FileSetPlace::Found);
    return ReadSetTotal(*stream_);
  }
  CopyOutcome Copy(const Bytes& set, CopyControl* control = nullptr) {
    uint32_t total = OpenSet(set);
    return CopyFiles(*stream_, "C:\\Apps", total, state_, control);
  }
  std::string Installed(const std::string& name) {
    return ReadHostFile(sandbox_.Host("Apps/" + name));
  }
  bool Exists(const std::string& name) {
    return std::filesystem::exists(sandbox_.Host("Apps/" + name));
  }
  void ExpectNoTemporaryFiles() {
    for (auto& entry : std::filesystem::recursive_directory_iterator(sandbox_.temp.path())) {
      EXPECT_EQ(entry.path().string().find("~vorna-"), std::string::npos) << entry.path();
    }
  }
  void Stamp(const std::string& path, uint64_t ticks) {
    auto file = sandbox_.files.Open(path, platform::Access::ReadWrite, platform::Share::None,
                                    platform::Creation::OpenExisting);
    ASSERT_TRUE(file &&
                file->SetTimes(FileTimes{FileTime{ticks}, FileTime{ticks}, FileTime{ticks}}))
        << path;
  }

  testing::SandboxPlatform sandbox_;
  std::unique_ptr<FileSetStream> stream_;
  CopyState state_;
};

TEST_F(CopyFilesTest, CopiesIntoSubfoldersAndRestoresTheTimes) {
  CopyOutcome outcome = Copy(PackSet({
      {"README.TXT", "read me", Times(k2000)},
      {"bin\\tool.exe", std::string(5000, 'x'), Times(k2010)},
      {"data\\deep\\er\\empty.dat", "", Times(k2020)},
  }));
  EXPECT_EQ(outcome.result, CopyResult::Success) << outcome.reason;
  EXPECT_EQ(outcome.records, 3u);
  // Times first: reading a file may move its last access time.
  EXPECT_EQ(Ticks(HostTimes(sandbox_.files, "C:\\Apps\\bin\\tool.exe")), Ticks(Times(k2010)));
  EXPECT_EQ(Ticks(HostTimes(sandbox_.files, "C:\\Apps\\data\\deep\\er\\empty.dat")),
            Ticks(Times(k2020)));
  EXPECT_EQ(Installed("README.TXT"), "read me");
  EXPECT_EQ(Installed("bin/tool.exe"), std::string(5000, 'x'));
  EXPECT_TRUE(Exists("data/deep/er/empty.dat"));
  EXPECT_DOUBLE_EQ(state_.Progress(), 1.0);
  EXPECT_TRUE(state_.Ended());
  EXPECT_EQ(state_.CurrentFile(), "*:\\Apps\\");
  ExpectNoTemporaryFiles();
}

// The progress display holds 260 characters with the terminator.
TEST_F(CopyFilesTest, TheCurrentFileTextIsCutTo259Characters) {
  state_.SetCurrentFile(std::string(300, 'x'));
  EXPECT_EQ(state_.CurrentFile(), std::string(259, 'x'));
}

// The progress counts bytes as they are written: through one large record
// it moves at least every 256 KB, and it never goes back; the current file
// text names each destination.
TEST_F(CopyFilesTest, ProgressMovesWithinALargeFile) {
  testing::CopyRecorder probe(state_);
  std::string big(4 << 20, 'q');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 2654435761u) >> 27);
  Bytes set = PackSet({{"small.txt", "small"}, {"big.bin", big}, {"sub\\after.txt", "A"}});
  ASSERT_EQ(Copy(set, &probe).result, CopyResult::Success);
  probe.bytes.push_back(state_.BytesCopied());
  EXPECT_EQ(probe.bytes.back(), 5 + big.size() + 1);
  size_t within = 0;  // samples taken inside the large file
  for (size_t i = 1; i < probe.bytes.size(); ++i) {
    ASSERT_LE(probe.bytes[i - 1], probe.bytes[i]) << i;
    EXPECT_LE(probe.bytes[i] - probe.bytes[i - 1], 256u * 1024) << i;
    if (probe.bytes[i] > 5 && probe.bytes[i] < 5 + big.size()) ++within;
  }
  EXPECT_GE(within, big.size() / (256 * 1024));
  EXPECT_DOUBLE_EQ(state_.Progress(), 1.0);
  for (const char* file : {"C:\\Apps\\small.txt", "C:\\Apps\\sub\\after.txt"}) {
    EXPECT_NE(std::find(probe.files.begin(), probe.files.end(), file), probe.files.end()) << file;
  }
}

TEST_F(CopyFilesTest, KeepsAnExistingFileThatIsAsNewOrNewerTimesIncluded) {
  WriteHostFile(sandbox_.Host("Apps/equal.txt"), "mine (equal)");
  WriteHostFile(sandbox_.Host("Apps/later.txt"), "mine (later)");
  WriteHostFile(sandbox_.Host("Apps/older.txt"), "mine (older)");
  Stamp("C:\\Apps\\equal.txt", Times(k2010).lastWrite.ticks);
  Stamp("C:\\Apps\\later.txt", k2020);
  Stamp("C:\\Apps\\older.txt", k2000);
  CopyOutcome outcome = Copy(PackSet({
      {"equal.txt", "packed equal"},
      {"later.txt", "packed later, a little longer so the data differs in size"},
      {"older.txt", "packed older"},
      {"next.txt", "read in step"},
  }));
  EXPECT_EQ(outcome.result, CopyResult::Success) << outcome.reason;
  EXPECT_EQ(outcome.Reports(RecordFate::Kept).size(), 2u);
  // A kept file keeps its own times: restoring the packed, older ones would
  // let the next install overwrite it.
  FileTimes later = HostTimes(sandbox_.files, "C:\\Apps\\later.txt");
  EXPECT_EQ(later.lastWrite.ticks, k2020);
  EXPECT_EQ(later.creation.ticks, k2020);
  EXPECT_EQ(HostTimes(sandbox_.files, "C:\\Apps\\older.txt").lastWrite.ticks,
            Times(k2010).lastWrite.ticks);
  EXPECT_EQ(Installed("equal.txt"), "mine (equal)");
  EXPECT_EQ(Installed("later.txt"), "mine (later)");
  EXPECT_EQ(Installed("older.txt"), "packed older");
  EXPECT_EQ(Installed("next.txt"), "read in step");
}

TEST_F(CopyFilesTest, AStreamWithoutFileSetFails) {
  sandbox_.WriteImage({}, 0);
  FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
  ASSERT_TRUE(stream.Open());
  EXPECT_EQ(stream.Locate(), FileSetPlace::Absent);
  EXPECT_EQ(CopyFiles(stream, "C:\\Apps", 0, state_).result, CopyResult::Failure);
  EXPECT_TRUE(state_.Ended());
  EXPECT_FALSE(Exists(""));
}

// What the copy reports to the run's events: each record as written (new or
// replacing an older file, with its size and time), kept, refused or not
// written, and each folder it created. A record not written fails the copy,
// which goes on with the next record.
TEST_F(CopyFilesTest, ReportsWhatItDidWithEachRecord) {
  WriteHostFile(sandbox_.Host("Apps/older.txt"), "mine (older)");
  WriteHostFile(sandbox_.Host("Apps/later.txt"), "mine (later)");
  Stamp("C:\\Apps\\older.txt", k2000);
  Stamp("C:\\Apps\\later.txt", k2020);
  testing::CopyRecorder recorder(state_);
  sandbox_.files.faults().FailNth(platform::FaultKind::Replace, 2);  // the new file's
  // Times apart by years, so that the event shows which one it took.
  FileTimes times{FileTime{k2000}, FileTime{k2010}, FileTime{k2020}};
  CopyOutcome outcome = Copy(PackSet({{"older.txt", "packed", times},
                                      {"later.txt", "packed"},
                                      {"sub\\new.txt", "twelve bytes", Times(k2020)},
                                      {"..\\out.txt", "refused"}}));
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  ASSERT_EQ(outcome.Reports(RecordFate::NotWritten).size(), 1u);
  EXPECT_EQ(outcome.Reports(RecordFate::NotWritten)[0].name, "sub\\new.txt");
  EXPECT_EQ(recorder.events,
            (std::vector<std::string>{
                "file written (replaced): C:\\Apps\\older.txt, 6 bytes, last write 2020-01-01 "
                "00:00:00 UTC",
                "file kept: C:\\Apps\\later.txt (the file on disk is as new as the packed one or "
                "newer)",
                "folder created: C:\\Apps\\sub",
                "file not written: C:\\Apps\\sub\\new.txt (the file there could not be replaced)",
                "file refused: ..\\out.txt (a parent-folder component)"}));
}

TEST_F(CopyFilesTest, TheEndMarkerEndsTheSet) {
  Bytes set = PackSet({{"a.txt", "A"}});
  Bytes more = PackSet({{"b.txt", "B"}});
  set.insert(set.end(), more.begin() + 4, more.end());  // a record after the end marker
  EXPECT_EQ(Copy(set).result, CopyResult::Success);
  EXPECT_TRUE(Exists("a.txt"));
  EXPECT_FALSE(Exists("b.txt"));
}

TEST_F(CopyFilesTest, ASetTotalOfZeroShowsTheProgressComplete) {
  CopyOutcome outcome = Copy(PackSet({{"empty1", ""}, {"empty2", ""}}));
  EXPECT_EQ(outcome.result, CopyResult::Success);
  EXPECT_DOUBLE_EQ(state_.Progress(), 1.0);
  EXPECT_EQ(Copy(PackSet({})).result, CopyResult::Success);
  EXPECT_DOUBLE_EQ(state_.Progress(), 1.0);
}

TEST_F(CopyFilesTest, RefusedNamesAreNeverWrittenAndTheirDataIsConsumed) {
  WriteHostFile(sandbox_.Host("victim.txt"), "untouched");
  WriteHostFile(sandbox_.temp / "D/other.txt", "untouched");
  auto before = Outside(sandbox_);
  std::vector<Record> records;
  // One name of each way out of the folder; install_paths_test has every verdict.
  for (const char* name : {"..\\victim.txt", "sub\\..\\..\\victim.txt", "\\victim.txt",
                           "\\\\server\\share\\x", "C:\\victim.txt", "D:other.txt", "/etc/passwd",
                           "NUL", "sub\\CON.log", "a<b", "dots...", "sub\\"}) {
    records.push_back({name, std::string("evil data for ") + name});
  }
  records.push_back({std::string(1, '\0'), "a name of one zero byte"});
  records.push_back({"good.txt", "good"});
  CopyOutcome outcome = Copy(PackSet(records));
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  EXPECT_EQ(outcome.Reports(RecordFate::Refused).size(), records.size() - 1);
  EXPECT_EQ(Installed("good.txt"), "good");  // read in step after every refused record
  EXPECT_EQ(Outside(sandbox_), before);
  auto inside = testing::HostTree(sandbox_.Host("Apps"));
  EXPECT_EQ(inside.size(), 1u) << inside.begin()->first;
}

TEST_F(CopyFilesTest, ATruncatedSetFailsCleanly) {
  Bytes whole = PackSet({{"a.txt", std::string(3000, 'a')}, {"b.txt", std::string(3000, 'b')}});
  auto before = Outside(sandbox_);
  for (size_t keep = 5; keep < whole.size(); keep += 37) {
    Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
    CopyOutcome outcome = Copy(cut);
    EXPECT_EQ(outcome.result, CopyResult::Failure) << keep;
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_TRUE(state_.Ended());
    if (Exists("b.txt")) {
      EXPECT_EQ(Installed("b.txt"), std::string(3000, 'b')) << keep;
    }
    std::filesystem::remove_all(sandbox_.Host("Apps"));
  }
  EXPECT_EQ(Outside(sandbox_), before);
  ExpectNoTemporaryFiles();
}

TEST_F(CopyFilesTest, AWrongSizeFieldIsDamage) {
  for (int64_t size : {int64_t{10}, int64_t{999}, int64_t{0}}) {
    CopyOutcome outcome =
        Copy(PackSet({{"a.txt", std::string(500, 'a'), Times(k2010), size}, {"b.txt", "b"}}));
    EXPECT_EQ(outcome.result, CopyResult::Failure) << size;
    EXPECT_NE(outcome.reason.find("damaged"), std::string::npos) << outcome.reason;
    EXPECT_FALSE(Exists("a.txt")) << size;  // never left half written
    ExpectNoTemporaryFiles();
  }
}

// Every failure the platform can inject, at every call of the copy, once and
// for good: each destination holds its old content or its whole new content
// (with the record's times), a newer file stays untouched, no temporary file
// stays behind, and a record that is not written makes the copy a failure.
TEST_F(CopyFilesTest, FaultSweepLosesNoFileAndReportsEveryUnwrittenRecord) {
  struct Destination {
    std::string name;
    std::string before;  // empty: none there
    uint64_t beforeTicks;
    std::string packed;
  };
  const std::vector<Destination> destinations = {
      {"old.txt", "the old version", k2000, "the new version"},
      {"big.bin", "the old big file", k2000, std::string(300 * 1024, 'n')},  // three blocks
      {"sub\\new.txt", "", 0, "a new file"},
      {"kept.txt", "the user's newer file", k2020, "an older packed file"},
  };
  std::vector<Record> records;
  for (const Destination& d : destinations) records.push_back({d.name, d.packed});
  const Bytes set = PackSet(records);
  auto below = [](const Destination& d) {  // the host path below drive C
    std::string name = d.name;
    std::replace(name.begin(), name.end(), '\\', '/');
    return "Apps/" + name;
  };
  CopyOutcome outcome;
  testing::FaultSweep sweep;
  sweep.prepare = [&] {
    std::filesystem::remove_all(sandbox_.Host("Apps"));
    for (const Destination& d : destinations) {
      if (d.before.empty()) continue;
      WriteHostFile(sandbox_.Host(below(d)), d.before);
      Stamp("C:\\Apps\\" + d.name, d.beforeTicks);
    }
    sandbox_.WriteImage(set);
  };
  sweep.run = [&] {
    FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
    bool found = stream.Open() && stream.Locate() == FileSetPlace::Found;
    outcome = CopyFiles(stream, "C:\\Apps", found ? ReadSetTotal(stream) : 0, state_);
  };
  sweep.check = [&](const testing::FaultTrial& trial) {
    bool allWritten = true;
    for (const Destination& d : destinations) {
      bool exists = std::filesystem::exists(sandbox_.Host(below(d)));
      // Times first: reading a file may move its last access time.
      uint64_t write =
          exists ? HostTimes(sandbox_.files, "C:\\Apps\\" + d.name).lastWrite.ticks : 0;
      std::string now = exists ? ReadHostFile(sandbox_.Host(below(d))) : "";
      bool isOld = d.before.empty() ? !exists : (now == d.before && write == d.beforeTicks);
      bool isNew = exists && now == d.packed && write == Times(k2010).lastWrite.ticks;
      if (d.beforeTicks > Times(k2010).lastWrite.ticks) {
        EXPECT_TRUE(isOld) << trial.Text() << ": the newer " << d.name << " was changed";
        continue;
      }
      EXPECT_TRUE(isNew || isOld) << trial.Text() << ": " << d.name << " holds \""
                                  << now.substr(0, 40) << "\"";
      allWritten = allWritten && isNew;
    }
    if (!allWritten) {
      EXPECT_NE(outcome.result, CopyResult::Success) << trial.Text();
    }
    ExpectNoTemporaryFiles();
  };
  size_t trials = testing::SweepFaults(sandbox_.files.faults(), sweep);
  std::printf("fault sweep over a replacing copy: %zu trials\n", trials);
}

TEST_F(CopyFilesTest, NoRoomForTheTemporaryNameMeansNotWrittenNeverInPlace) {
  // The destination fits the path limit, its temporary file beside it does not.
  std::string folder = "C:\\Apps\\" + std::string(235, 'f');
  std::string name = "short.txt";
  ASSERT_LE(folder.size() + 1 + name.size(), 259u);
  ASSERT_GT(folder.size() + 1 + TemporaryPrefix(name).size() + 8, 259u);
  std::string hostFolder = "Apps/" + std::string(235, 'f');
  WriteHostFile(sandbox_.Host(hostFolder + "/" + name), "the old version");
  Stamp(folder + "\\" + name, k2000);
  CopyOutcome outcome = Copy(PackSet({{std::string(235, 'f') + "\\" + name, "the new one"}}));
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  EXPECT_EQ(outcome.Reports(RecordFate::NotWritten).size(), 1u);
  EXPECT_EQ(ReadHostFile(sandbox_.Host(hostFolder + "/" + name)), "the old version");
}

TEST_F(CopyFilesTest, ATemporaryFileOfAKilledRunIsRemovedWhenItsFileIsWritten) {
  std::string stale = "Apps/" + TemporaryPrefix("README.TXT") + "KILLED01";
  std::string other = "Apps/" + TemporaryPrefix("OTHER.TXT") + "KILLED02";
  WriteHostFile(sandbox_.Host(stale), "half a file");
  WriteHostFile(sandbox_.Host(other), "another file's");
  EXPECT_EQ(TemporaryPrefix("readme.txt"), TemporaryPrefix("README.TXT"));
  EXPECT_EQ(Copy(PackSet({{"readme.txt", "whole"}})).result, CopyResult::Success);
  EXPECT_FALSE(std::filesystem::exists(sandbox_.Host(stale)));
  EXPECT_TRUE(std::filesystem::exists(sandbox_.Host(other)));  // not this destination's
  EXPECT_EQ(Installed("readme.txt"), "whole");
}

TEST_F(CopyFilesTest, PlantedLinksAreNeverFollowed) {
  testing::TempFolder outside;
  WriteHostFile(outside / "victim.txt", "outside, untouched");
  WriteHostFile(outside / "dir/inner.txt", "outside, untouched");
  std::filesystem::create_directories(sandbox_.Host("Apps"));
  // A link in place of a sub-folder, of a kept file, and of a file to replace.
  std::filesystem::create_directory_symlink(outside / "dir", sandbox_.Host("Apps/sub"));
  std::filesystem::create_symlink(outside / "victim.txt", sandbox_.Host("Apps/kept.txt"));
  std::filesystem::create_symlink(outside / "victim.txt", sandbox_.Host("Apps/replaced.txt"));
  // Links at the temporary names a guesser would try: the stale-file prefix
  // and the name older versions used.
  std::filesystem::create_symlink(outside / "victim.txt",
                                  sandbox_.Host("Apps/" + TemporaryPrefix("new.txt") + "GUESSED0"));
  std::filesystem::create_symlink(outside / "victim.txt", sandbox_.Host("Apps/new.txt.vorna-part"));
  auto before = testing::HostTree(outside.path());
  CopyOutcome outcome = Copy(PackSet({
      {"sub\\inner.txt", "through the folder link"},
      {"kept.txt", "over the kept file's link", Times(k2000)},
      {"replaced.txt", "over the link"},
      {"new.txt", "a plain new file"},
  }));
  EXPECT_EQ(testing::HostTree(outside.path()), before);
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  std::vector<RecordReport> refused = outcome.Reports(RecordFate::Refused);
  ASSERT_EQ(refused.size(), 3u);
  for (const RecordReport& report : refused) {
    EXPECT_EQ(report.reason, "a link or junction in its path") << report.name;
  }
  EXPECT_EQ(Installed("new.txt"), "a plain new file");
  EXPECT_TRUE(std::filesystem::is_symlink(sandbox_.Host("Apps/kept.txt")));
}

TEST_F(CopyFilesTest, ADiskErrorStopsTheCopy) {
  std::string big(3 << 20, 'q');
  for (char& c : big) c = static_cast<char>((&c - big.data()) * 2654435761u >> 24);
  uint32_t total = OpenSet(PackSet({{"big.bin", big}, {"after.txt", "after"}}));
  sandbox_.files.faults().FailNth(platform::FaultKind::Read, 2);  // the second block read
  CopyOutcome outcome = CopyFiles(*stream_, "C:\\Apps", total, state_);
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  EXPECT_NE(outcome.reason.find("could not be read"), std::string::npos) << outcome.reason;
  EXPECT_FALSE(Exists("big.bin"));
  EXPECT_FALSE(Exists("after.txt"));
  ASSERT_EQ(sandbox_.interaction.asked.size(), 1u);
  EXPECT_EQ(sandbox_.interaction.asked[0].caption, "Disk Error");
}

// A file that cannot be written ends the copy there: no later record is written.
TEST_F(CopyFilesTest, AFailedWriteStopsTheCopyAtThatFile) {
  uint32_t total = OpenSet(PackSet({{"first.txt", "first"}, {"after.txt", "after"}}));
  sandbox_.files.faults().FailNth(platform::FaultKind::Write, 1);
  CopyOutcome outcome = CopyFiles(*stream_, "C:\\Apps", total, state_);
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  EXPECT_EQ(outcome.reason, "could not write C:\\Apps\\first.txt");
  EXPECT_FALSE(Exists("first.txt"));
  EXPECT_FALSE(Exists("after.txt"));
  ExpectNoTemporaryFiles();
}

// Every sandbox install copies through the worker (tests/runner/*.sh); the
// pause, and a pause asked before the start, only show here.
class CopyWorkerTest : public CopyFilesTest {};

TEST_F(CopyWorkerTest, PausesAndStopsAtSafePoints) {
  std::vector<Record> records;
  for (int i = 0; i < 100; ++i)
    records.push_back({"f" + std::to_string(i), std::string(50000, 'z')});
  uint32_t total = OpenSet(PackSet(records));
  CopyWorker worker(state_);
  worker.RequestPause();  // before the start: the worker clears it
  worker.Start(*stream_, "C:\\Apps", total);
  while (state_.Progress() == 0.0 && !worker.Finished()) std::this_thread::yield();
  worker.RequestPause();
  double seen = state_.Progress();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(worker.Finished());
  double later = state_.Progress();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(state_.Progress(), later);  // paused: no progress
  EXPECT_LE(seen, later);
  worker.RequestStop();
  CopyOutcome outcome = worker.Wait();
  EXPECT_EQ(outcome.result, CopyResult::Stopped);
  EXPECT_TRUE(state_.Ended());
  // Some files were copied, and every file there is whole.
  EXPECT_GT(later, 0.0);
  EXPECT_LT(later, 1.0);
  for (auto& entry : std::filesystem::directory_iterator(sandbox_.Host("Apps"))) {
    EXPECT_EQ(ReadHostFile(entry.path().string()), std::string(50000, 'z')) << entry.path();
  }
  ExpectNoTemporaryFiles();
}

}  // namespace
}  // namespace vorna
