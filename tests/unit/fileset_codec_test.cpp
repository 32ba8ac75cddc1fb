// The file set's codecs: the default Huffman set is the original format byte
// for byte, only a known codec entry is read, and damage in a deflate record
// is always found. That each codec's records come back whole, through the
// entry that names it, is tests/runner/codec_test.sh's.
#include "installdata/fileset_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "installdata/copy_files.h"
#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/record_decoder.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/fileset_fixture.h"
#include "tools/pack/authoring/fileset_writer.h"

namespace vorna {
namespace {

using Bytes = std::vector<uint8_t>;

struct Record {
  std::string name;
  std::string data;
};

// Files of every kind a codec meets: empty, short text, bytes without
// pattern, and text long enough for the Huffman model to rebuild.
std::vector<Record> SampleRecords() {
  std::string random;
  uint32_t x = 12345;
  for (int i = 0; i < 3000; ++i) {
    x = x * 1103515245u + 12345u;
    random += static_cast<char>(x >> 24);
  }
  std::string text;
  while (text.size() < 40000) {
    text += "a line repeated until the model rebuilds " + std::to_string(text.size() % 97) + "\r\n";
  }
  return {{"EMPTY.DAT", ""},
          {"README.TXT", "hello, world\r\n"},
          {"BIN\\RANDOM.BIN", random},
          {"DOC\\LOG.TXT", text}};
}

Bytes BuildSet(const std::vector<Record>& records, FileSetCodec codec) {
  uint32_t total = 0;
  for (const Record& r : records) total += static_cast<uint32_t>(r.data.size());
  Bytes out;
  authoring::FileSetWriter writer(out, total, codec);
  uint64_t ticks = 125911584000000000ULL;
  for (const Record& r : records) {
    platform::FileTimes times{{ticks}, {ticks + 11}, {ticks + 22}};
    ticks += 1000000007ULL;
    writer.AddRecord(r.name, reinterpret_cast<const uint8_t*>(r.data.data()), r.data.size(), times,
                     static_cast<uint32_t>(r.data.size()));
  }
  writer.Finish();
  return out;
}

class Collected : public DecodeOutput {
 public:
  bool Put(const uint8_t* bytes, size_t size) override {
    data.append(reinterpret_cast<const char*>(bytes), size);
    return true;
  }
  std::string data;
};

TEST(FileSetFormatTest, TheDefaultSetIsTheOriginalFormatByteForByte) {
  // Written by the packer before the deflate set existed.
  std::ifstream in(VORNA_SOURCE_DIR "/tests/unit/expected/huffman_set.bin", std::ios::binary);
  ASSERT_TRUE(in);
  Bytes expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(BuildSet(SampleRecords(), FileSetCodec::Huffman), expected);
}

class FileSetCodecTest : public ::testing::Test {
 protected:
  /// Opens and locates the image's set; answers where Locate found it.
  FileSetPlace Locate() {
    stream_ = std::make_unique<FileSetStream>(platform::Current(), "C:\\SETUP.EXE");
    EXPECT_TRUE(stream_->Open());
    return stream_->Locate();
  }
  /// Decodes every record of the located set; the first failing decode ends it.
  std::vector<std::string> DecodeAll(DecodeStatus* last) {
    ReadSetTotal(*stream_);
    std::unique_ptr<RecordDecoder> decoder = MakeRecordDecoder(stream_->codec());
    std::vector<std::string> files;
    RecordHeader header;
    *last = DecodeStatus::Complete;
    while (ReadRecordHeader(*stream_, &header) == HeaderStatus::Record) {
      Collected out;
      DecodeResult result = decoder->Decode(*stream_, header.size, out);
      *last = result.status;
      if (result.status != DecodeStatus::Complete) break;
      files.push_back(out.data);
    }
    return files;
  }

  testing::SandboxPlatform sandbox_;
  std::unique_ptr<FileSetStream> stream_;
};

TEST_F(FileSetCodecTest, AnUnknownCodecIsNeverRead) {
  for (const std::string& name :
       {std::string("lzma"), std::string("Deflate"), std::string(40, 'd')}) {
    sandbox_.WriteImageNamingCodec(BuildSet(SampleRecords(), FileSetCodec::Deflate), name);
    EXPECT_EQ(Locate(), FileSetPlace::UnknownCodec) << name;
    EXPECT_FALSE(stream_->HasFile());
  }
}

TEST_F(FileSetCodecTest, APlainFileNeverNamesTheCodec) {
  sandbox_.WriteImage(BuildSet(SampleRecords(), FileSetCodec::Huffman));
  testing::WriteHostFile(sandbox_.Host(kCodecEntryName), "lzma");
  ASSERT_TRUE(sandbox_.files.SetCurrentFolder("C:\\"));
  ASSERT_EQ(Locate(), FileSetPlace::Found);
  EXPECT_EQ(stream_->codec(), FileSetCodec::Huffman);
}

// One deflate record of 200 KB (more than one output block), then the end
// marker; damage is done to the bytes of the record's data.
class DeflateDamageTest : public FileSetCodecTest {
 protected:
  void SetUp() override {
    for (int i = 0; data_.size() < 200000; ++i) data_ += std::to_string(i * 7919 % 10007) + ",";
    set_ = BuildSet({{"A.BIN", data_}}, FileSetCodec::Deflate);
    // Set total, name and its zero, size and three times.
    fields_ = 4 + 6 + 4 + 24;
    packed_ = set_[fields_] | set_[fields_ + 1] << 8 | set_[fields_ + 2] << 16;
    stream_start_ = fields_ + 8;
  }
  /// The status of the damaged record's decode; *decoded gets its data
  /// when it decoded completely.
  DecodeStatus DecodeDamaged(const Bytes& set, std::string* decoded = nullptr) {
    sandbox_.WriteImageNamingCodec(set, kDeflateCodecName);
    EXPECT_EQ(Locate(), FileSetPlace::Found);
    DecodeStatus last;
    std::vector<std::string> files = DecodeAll(&last);
    if (decoded && !files.empty()) *decoded = files[0];
    return last;
  }
  void SetPacked(Bytes& set, uint32_t packed) {
    for (int i = 0; i < 4; ++i) set[fields_ + i] = static_cast<uint8_t>(packed >> (8 * i));
  }

  std::string data_;
  Bytes set_;
  size_t fields_ = 0;
  uint32_t packed_ = 0;
  size_t stream_start_ = 0;
};

TEST_F(DeflateDamageTest, ACutSetIsDamage) {
  for (size_t cut :
       {fields_ + 2, stream_start_, stream_start_ + packed_ / 2, stream_start_ + packed_ - 1}) {
    Bytes set(set_.begin(), set_.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(DecodeDamaged(set), DecodeStatus::EndOfData) << cut;
  }
}

TEST_F(DeflateDamageTest, APackedSizeThatLiesIsDamage) {
  Bytes shorter = set_;
  SetPacked(shorter, packed_ - 1);
  EXPECT_EQ(DecodeDamaged(shorter), DecodeStatus::EndOfData);
  Bytes longer = set_;
  SetPacked(longer, packed_ + 1);  // takes the end marker's first byte
  EXPECT_EQ(DecodeDamaged(longer), DecodeStatus::TrailingData);
  Bytes huge = set_;
  SetPacked(huge, 0xFFFFFFFFu);
  EXPECT_EQ(DecodeDamaged(huge), DecodeStatus::TrailingData);
}

TEST_F(DeflateDamageTest, DataAfterTheStreamIsDamage) {
  Bytes set = set_;
  SetPacked(set, packed_ + 3);
  set.insert(set.begin() + static_cast<std::ptrdiff_t>(stream_start_ + packed_), 3, 0);
  EXPECT_EQ(DecodeDamaged(set), DecodeStatus::TrailingData);
}

TEST_F(DeflateDamageTest, ASizeFieldTooSmallIsDamage) {
  // A size field too large is found by the copy, for every codec alike.
  for (uint32_t size : {0u, static_cast<uint32_t>(data_.size() - 1)}) {
    Bytes set = set_;
    for (int i = 0; i < 4; ++i) set[fields_ - 28 + i] = static_cast<uint8_t>(size >> (8 * i));
    EXPECT_EQ(DecodeDamaged(set), DecodeStatus::TooLong) << size;
  }
}

TEST_F(DeflateDamageTest, AFlippedBitNeverDecodesToOtherData) {
  // Every bit of the check and of the stream's first and last bytes, and a
  // walk through the rest. A bit the stream never reads (the last byte's
  // padding) may flip unnoticed: the data is then still the packed data.
  std::vector<size_t> bits;
  auto add = [&](size_t from, size_t to, size_t step) {
    for (size_t bit = 8 * from; bit < 8 * to; bit += step) bits.push_back(bit);
  };
  add(fields_ + 4, stream_start_ + 16, 1);
  add(stream_start_ + 16, stream_start_ + packed_ - 4, 2003);
  add(stream_start_ + packed_ - 4, stream_start_ + packed_, 1);
  for (size_t bit : bits) {
    Bytes set = set_;
    set[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
    std::string decoded;
    DecodeStatus status = DecodeDamaged(set, &decoded);
    if (bit < 8 * stream_start_) {
      EXPECT_EQ(status, DecodeStatus::CheckMismatch) << "bit " << bit;
    } else if (status == DecodeStatus::Complete) {
      EXPECT_TRUE(decoded == data_) << "bit " << bit;
    }
  }
}

TEST_F(DeflateDamageTest, TheCopyLeavesNothingHalfWritten) {
  // The check fails only after every block went to the temporary file.
  Bytes set = set_;
  set[fields_ + 4] ^= 1;
  sandbox_.WriteImageNamingCodec(set, kDeflateCodecName);
  testing::WriteHostFile(sandbox_.Host("Apps/A.BIN"), "the old file");
  ASSERT_EQ(Locate(), FileSetPlace::Found);
  CopyState state;
  CopyOutcome outcome = CopyFiles(*stream_, "C:\\Apps", ReadSetTotal(*stream_), state);
  EXPECT_EQ(outcome.result, CopyResult::Failure);
  EXPECT_EQ(outcome.reason, "the file set is damaged at A.BIN");
  EXPECT_EQ(testing::ReadHostFile(sandbox_.Host("Apps/A.BIN")), "the old file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox_.Host("Apps")),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace vorna
