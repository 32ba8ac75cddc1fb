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

namespace vorna {
namespace {

using Bytes = std::vector<uint8_t>;

using Record = testing::SetRecord;

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
  // Times a little over 100 seconds apart.
  auto times = [](int i) { return testing::Times(testing::k2000 + i * 1000000007ULL); };
  return {{"EMPTY.DAT", "", times(0)},
          {"README.TXT", "hello, world\r\n", times(1)},
          {"BIN\\RANDOM.BIN", random, times(2)},
          {"DOC\\LOG.TXT", text, times(3)}};
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
  EXPECT_EQ(testing::PackSet(SampleRecords(), FileSetCodec::Huffman), expected);
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

// Only a known codec entry of the container is read, never a plain file of
// the entry's name.
TEST_F(FileSetCodecTest, AnUnknownCodecIsNeverReadNorAPlainFileNamingOne) {
  for (const std::string& name :
       {std::string("lzma"), std::string("Deflate"), std::string(40, 'd')}) {
    sandbox_.WriteImageNamingCodec(testing::PackSet(SampleRecords(), FileSetCodec::Deflate), name);
    EXPECT_EQ(Locate(), FileSetPlace::UnknownCodec) << name;
    EXPECT_FALSE(stream_->HasFile());
  }
  sandbox_.WriteImage(testing::PackSet(SampleRecords(), FileSetCodec::Huffman));
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
    set_ = testing::PackSet({{"A.BIN", data_}}, FileSetCodec::Deflate);
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
  std::string data_;
  Bytes set_;
  size_t fields_ = 0;
  uint32_t packed_ = 0;
  size_t stream_start_ = 0;
};

TEST_F(DeflateDamageTest, CutsLyingSizesAndTrailingDataAreDamage) {
  auto cutAt = [&](size_t cut) {
    return Bytes(set_.begin(), set_.begin() + static_cast<std::ptrdiff_t>(cut));
  };
  auto withField = [&](size_t at, uint32_t value) {
    Bytes set = set_;
    for (int i = 0; i < 4; ++i) set[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return set;
  };
  Bytes trailing = withField(fields_, packed_ + 3);
  trailing.insert(trailing.begin() + static_cast<std::ptrdiff_t>(stream_start_ + packed_), 3, 0);
  struct Case {
    const char* what;
    Bytes set;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"cut in the fields", cutAt(fields_ + 2), DecodeStatus::EndOfData},
      {"cut at the stream", cutAt(stream_start_), DecodeStatus::EndOfData},
      {"cut in the stream", cutAt(stream_start_ + packed_ / 2), DecodeStatus::EndOfData},
      {"cut before the last byte", cutAt(stream_start_ + packed_ - 1), DecodeStatus::EndOfData},
      {"packed size one short", withField(fields_, packed_ - 1), DecodeStatus::EndOfData},
      // One more takes the end marker's first byte.
      {"packed size one over", withField(fields_, packed_ + 1), DecodeStatus::TrailingData},
      {"packed size huge", withField(fields_, 0xFFFFFFFFu), DecodeStatus::TrailingData},
      {"data after the stream", trailing, DecodeStatus::TrailingData},
      // A size field too large is found by the copy, for every codec alike.
      {"size field zero", withField(fields_ - 28, 0), DecodeStatus::TooLong},
      {"size field one short", withField(fields_ - 28, static_cast<uint32_t>(data_.size() - 1)),
       DecodeStatus::TooLong},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeDamaged(c.set), c.status) << c.what;
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
