// The copy with two workers against one: the same files, events, progress
// at every safe point and outcome, whatever the index says, over damaged
// sets and over every fault the writing side can meet.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "installdata/file_record.h"
#include "installdata/fileset_index.h"
#include "installdata/fileset_stream.h"
#include "installdata/record_source.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/fault_sweep.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

using Bytes = std::vector<uint8_t>;

struct Packed {
  Bytes set;
  std::vector<uint32_t> offsets;
};

// count records of varied sizes (some of several blocks) in a few folders,
// and record large (when not -1) of 5 MB; the data is only partly
// repetitive, so the codes stay busy.
Packed Pack(int count, FileSetCodec codec, int large = -1) {
  std::vector<testing::SetRecord> records;
  for (int i = 0; i < count; ++i) {
    size_t size = i == large   ? size_t{5} << 20
                  : i % 7 == 3 ? size_t{300} << 10
                               : static_cast<size_t>((i * 7919) % 5000);
    std::string data(size, ' ');
    for (size_t b = 0; b < size; ++b)
      data[b] = static_cast<char>("abcdefgh"[(b * (i + 3)) % 8] + (b >> 12) % 5);
    std::string folder = i % 3 == 0 ? "" : (i % 3 == 1 ? "bin\\" : "doc\\sub\\");
    records.push_back({folder + "file" + std::to_string(i) + ".dat", data});
  }
  Packed packed;
  packed.set = testing::PackSet(records, codec, &packed.offsets);
  return packed;
}

// What one copy did, as far as anyone outside it can tell.
struct Observed {
  uint32_t decodedAhead = 0;  // not compared: it tells whether helpers took part
  std::string outcome;
  std::vector<std::string> reports;
  std::vector<std::string> events;
  std::vector<std::string> progressFiles;  // the current file at each safe point
  std::vector<uint64_t> progressBytes;     // and the bytes copied
  std::map<std::string, std::string> installed;
};

void ExpectSame(const Observed& one, const Observed& two, const std::string& what) {
  EXPECT_EQ(one.outcome, two.outcome) << what;
  EXPECT_EQ(one.reports, two.reports) << what;
  EXPECT_EQ(one.events, two.events) << what;
  EXPECT_EQ(one.progressFiles, two.progressFiles) << what;
  EXPECT_EQ(one.progressBytes, two.progressBytes) << what;
  EXPECT_TRUE(one.installed == two.installed) << what;
}

class CopyWorkersTest : public ::testing::Test {
 protected:
  void WriteImage(const Bytes& set, const std::vector<uint32_t>& offsets, FileSetCodec codec) {
    std::vector<authoring::ContainerEntry> entries;
    if (codec == FileSetCodec::Deflate)
      entries.push_back({kCodecEntryName, {'d', 'e', 'f', 'l', 'a', 't', 'e'}});
    if (!offsets.empty()) entries.push_back({kIndexEntryName, EncodeFileSetIndex(offsets)});
    sandbox_.WriteImageWithEntries(set, entries);
  }

  Observed Copy(int workers) {
    std::filesystem::remove_all(sandbox_.Host("Apps"));
    state_.Clear();
    testing::CopyRecorder recorder(state_);
    FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
    EXPECT_TRUE(stream.Open());
    EXPECT_EQ(stream.Locate(), FileSetPlace::Found);
    uint32_t total = ReadSetTotal(stream);
    CopyOutcome outcome = CopyFiles(stream, "C:\\Apps", total, state_, &recorder, workers);
    Observed seen;
    seen.events = std::move(recorder.events);
    seen.progressFiles = std::move(recorder.files);
    seen.progressBytes = std::move(recorder.bytes);
    seen.decodedAhead = outcome.decodedAhead;
    seen.outcome = std::to_string(static_cast<int>(outcome.result)) + " " + outcome.reason + " " +
                   std::to_string(outcome.records);
    for (const RecordReport& report : outcome.reports) {
      seen.reports.push_back(report.name + " " + std::to_string(static_cast<int>(report.fate)) +
                             " " + report.reason);
    }
    seen.installed = testing::HostTree(sandbox_.Host("Apps"));
    return seen;
  }

  testing::SandboxPlatform sandbox_;
  CopyState state_;
};

TEST_F(CopyWorkersTest, TwoWorkersCopyAsOneDoesOnBothCodecs) {
  for (FileSetCodec codec : {FileSetCodec::Huffman, FileSetCodec::Deflate}) {
    // One record is larger than a helper takes: the copy decodes it itself.
    Packed packed = Pack(60, codec, 30);
    WriteImage(packed.set, packed.offsets, codec);
    Observed one = Copy(1);
    EXPECT_EQ(one.outcome.substr(0, 2), "0 ") << one.outcome;
    EXPECT_GT(one.progressBytes.size(), 60u);
    EXPECT_EQ(one.decodedAhead, 0u);
    Observed two = Copy(2);
    ExpectSame(one, two, "an intact set");
    // The helper decoded some records; the copy decoded the large one itself.
    EXPECT_GT(two.decodedAhead, 0u);
    EXPECT_LT(two.decodedAhead, 60u);
  }
}

// Damage anywhere in the set stops both copies at the same record with the
// same reason; what was written before it is the same.
TEST_F(CopyWorkersTest, DamageStopsTwoWorkersWhereItStopsOne) {
  Packed packed = Pack(24, FileSetCodec::Huffman);
  for (size_t at = 5; at < packed.set.size(); at += packed.set.size() / 23) {
    Bytes damaged = packed.set;
    damaged[at] ^= 0x5A;
    WriteImage(damaged, packed.offsets, FileSetCodec::Huffman);
    ExpectSame(Copy(1), Copy(2), "a byte flipped at " + std::to_string(at));
    Bytes cut(packed.set.begin(), packed.set.begin() + static_cast<std::ptrdiff_t>(at));
    WriteImage(cut, packed.offsets, FileSetCodec::Huffman);
    ExpectSame(Copy(1), Copy(2), "cut at " + std::to_string(at));
  }
}

// An index that lies (offsets moved, swapped, or past the records) costs the
// helpers their work, never a byte of the copy.
TEST_F(CopyWorkersTest, AnIndexThatLiesChangesNothing) {
  Packed packed = Pack(20, FileSetCodec::Huffman);
  const std::vector<uint32_t>& o = packed.offsets;
  std::vector<std::vector<uint32_t>> lies(5, o);
  lies[0][5] += 1;                    // moved
  std::swap(lies[1][3], lies[1][8]);  // swapped
  lies[2].erase(lies[2].begin());     // the first offset replaced by the set start
  lies[2].insert(lies[2].begin(), 4);
  lies[3].resize(4);             // too few
  lies[4].back() = 0xFFFFFF00u;  // past the set
  WriteImage(packed.set, packed.offsets, FileSetCodec::Huffman);
  Observed truth = Copy(1);
  ExpectSame(truth, Copy(2), "the true index");
  for (size_t i = 0; i < lies.size(); ++i) {
    WriteImage(packed.set, lies[i], FileSetCodec::Huffman);
    ExpectSame(truth, Copy(2), "lie " + std::to_string(i));
  }
  WriteImage(packed.set, {}, FileSetCodec::Huffman);
  ExpectSame(truth, Copy(2), "no index");
}

TEST(FileSetIndex, ReadsOnlyAWellFormedIndexOfTheSet) {
  std::vector<uint32_t> offsets{4, 40, 41, 900};
  Bytes bytes = EncodeFileSetIndex(offsets);
  EXPECT_EQ(bytes.size(), 20u);
  EXPECT_EQ(DecodeFileSetIndex(bytes, 1000), offsets);
  EXPECT_TRUE(DecodeFileSetIndex(bytes, 900).empty());  // an offset outside the set
  Bytes cut(bytes.begin(), bytes.end() - 1);
  EXPECT_TRUE(DecodeFileSetIndex(cut, 1000).empty());
  Bytes lying = bytes;
  lying[0] = 5;  // a count the entry does not hold
  EXPECT_TRUE(DecodeFileSetIndex(lying, 1000).empty());
  EXPECT_TRUE(DecodeFileSetIndex(EncodeFileSetIndex({4, 40, 40}), 1000).empty());
  EXPECT_TRUE(DecodeFileSetIndex(EncodeFileSetIndex({5, 40}), 1000).empty());
  EXPECT_TRUE(DecodeFileSetIndex({}, 1000).empty());
}

TEST(CopyWorkerCount, TheEnvironmentForcesItElseTheCores) {
  testing::RecordingSystem system;  // it has no environment
  platform::Platform machine;
  machine.system = &system;
  int cores = CopyWorkerCount(machine);
  EXPECT_GE(cores, 1);
  EXPECT_LE(cores, 2);
  struct ForcedSystem : testing::RecordingSystem {
    std::optional<std::string> Environment(const std::string& name) override {
      if (name == "VORNA_WORKERS") return value;
      return std::nullopt;
    }
    std::string value;
  } forced;
  machine.system = &forced;
  for (const char* value : {"1", "2", "8"}) {
    forced.value = value;
    EXPECT_EQ(CopyWorkerCount(machine), value[0] - '0');
  }
  for (const char* value : {"0", "9", "12", "two", ""}) {
    forced.value = value;
    EXPECT_EQ(CopyWorkerCount(machine), cores) << value;
  }
}

// Every failure of the writing side (the helpers read and open the image
// too, so read, open and seek counts differ between the two by design), at
// every call, once and for good: both copies do the same.
TEST_F(CopyWorkersTest, FaultsOfTheWritingSideMeetTwoWorkersAsOne) {
  Packed packed = Pack(14, FileSetCodec::Huffman);
  WriteImage(packed.set, packed.offsets, FileSetCodec::Huffman);
  platform::FaultInjector& faults = sandbox_.files.faults();
  Observed one;
  testing::FaultSweep sweep;
  sweep.run = [&] { one = Copy(1); };
  sweep.check = [&](const testing::FaultTrial& trial) {
    trial.Arm(faults);
    Observed two = Copy(2);
    faults.Reset();
    ExpectSame(one, two, trial.Text());
  };
  using platform::FaultKind;
  size_t trials = testing::SweepFaults(
      faults, sweep,
      {FaultKind::Write, FaultKind::SetTimes, FaultKind::Replace, FaultKind::CreateTemporary,
       FaultKind::CreateFolder, FaultKind::Delete, FaultKind::Flush, FaultKind::Move});
  std::printf("two workers against one under faults: %zu trials\n", trials);
}

}  // namespace
}  // namespace vorna
