#include "installdata/fileset_stream.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/installed_platform.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

using testing::SandboxPlatform;

class FileSetStreamTest : public ::testing::Test {
 protected:
  // Opens an image whose file set is a zero set total and then bytes, and
  // reads the set total.
  void OpenOver(const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> set = {0, 0, 0, 0};
    set.insert(set.end(), bytes.begin(), bytes.end());
    sandbox_.WriteImage(set);
    ASSERT_TRUE(stream_.Open());
    ASSERT_EQ(stream_.Locate(), FileSetPlace::Found);
    uint8_t total[4];
    stream_.ReadBlock(total, 4);
  }

  SandboxPlatform sandbox_;
  FileSetStream stream_{platform::Current(), "C:\\SETUP.EXE"};
};

TEST_F(FileSetStreamTest, AsksForTheDiskUntilCancelled) {
  sandbox_.interaction.answers = {platform::id::Ok, platform::id::Ok, platform::id::Cancel};
  EXPECT_FALSE(stream_.Open());
  EXPECT_FALSE(stream_.HasFile());
  ASSERT_EQ(sandbox_.interaction.asked.size(), 3u);
  EXPECT_EQ(sandbox_.interaction.asked[0].text, "Please insert disk number 1");
  EXPECT_EQ(sandbox_.interaction.asked[0].caption, "Disk Needed");
  EXPECT_EQ(sandbox_.interaction.asked[0].style, platform::mb::OkCancel);
  EXPECT_EQ(sandbox_.system.beeps, (std::vector<unsigned>{0x30, 0x30, 0x30}));
  EXPECT_EQ(stream_.ReadByte(), 0);  // a stream without file reads 0
  const uint8_t* span = nullptr;
  EXPECT_EQ(stream_.ReadSpan(&span, 4), 0u);  // and spans nothing
  // With the file there it opens without a word or a beep.
  sandbox_.WriteImage({1, 2, 3, 4});
  EXPECT_TRUE(stream_.Open());
  EXPECT_EQ(sandbox_.interaction.asked.size(), 3u);
  EXPECT_EQ(sandbox_.system.beeps.size(), 3u);
}

// Where Locate leaves the stream is every copy test's.
TEST_F(FileSetStreamTest, ATrailerPointingPastTheEndIsDamageAndZeroMeansNoSet) {
  sandbox_.WriteImage({1, 2, 3, 4}, 0);
  ASSERT_TRUE(stream_.Open());
  EXPECT_EQ(stream_.Locate(), FileSetPlace::Absent);
  EXPECT_FALSE(stream_.HasFile());
  // A set that is its total alone ends right at the trailer: it is there.
  sandbox_.WriteImage({0, 0, 0, 0});
  ASSERT_TRUE(stream_.Open());
  EXPECT_EQ(stream_.Locate(), FileSetPlace::Found);
  // A seek past its end is damage too, and the stream does not forget it.
  EXPECT_FALSE(stream_.SeekTo(5));
  EXPECT_TRUE(stream_.failed());
  EXPECT_FALSE(stream_.SeekTo(0));
  for (int64_t offset : {int64_t{100000}, int64_t{30}, int64_t{0xFFFFFFFF}}) {
    sandbox_.WriteImage({1, 2, 3, 4}, offset);
    ASSERT_TRUE(stream_.Open());
    EXPECT_EQ(stream_.Locate(), FileSetPlace::Damaged) << offset;
    EXPECT_FALSE(stream_.HasFile());
  }
  testing::WriteHostFile(sandbox_.Host("SETUP.EXE"), "MZ short");
  ASSERT_TRUE(stream_.Open());
  EXPECT_EQ(stream_.Locate(), FileSetPlace::Damaged);  // a program file cut short
  testing::WriteHostFile(sandbox_.Host("SETUP.EXE"), "no program");
  ASSERT_TRUE(stream_.Open());
  EXPECT_EQ(stream_.Locate(), FileSetPlace::Absent);
}

TEST_F(FileSetStreamTest, BitsComeMostSignificantFirstAndPastTheEndAreOnes) {
  OpenOver({0xB5, 0x3C, 0x56});  // 1011 0101, 0011 1100, 0101 0110
  EXPECT_EQ(stream_.ReadBit(), 1);
  EXPECT_EQ(stream_.ReadBit(), 0);
  EXPECT_EQ(stream_.ReadBit(), 1);
  // The last five bits of 0xB5 (10101) and the first three of 0x3C (001).
  EXPECT_EQ(stream_.ReadBits(8), 0xA9u);
  stream_.Align();
  EXPECT_EQ(stream_.ReadBits(8), 0x56u);  // after Align: exactly the next byte
  stream_.Align();
  // The trailer follows, and is no set data: past the end of the set bytes
  // are -1 and bits are 1.
  EXPECT_EQ(stream_.ReadByte(), -1);
  EXPECT_TRUE(stream_.AtEnd());
  EXPECT_EQ(stream_.ReadByte(), -1);
  uint8_t block[3] = {0, 0, 0};
  stream_.ReadBlock(block, 3);
  EXPECT_EQ(block[0], 255);
  EXPECT_EQ(block[2], 255);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(stream_.ReadBit(), 1);
  EXPECT_EQ(stream_.ReadBits(8), 255u);
}

TEST_F(FileSetStreamTest, TheFastBitReaderContinuesExactlyWhereTheStreamWas) {
  std::vector<uint8_t> data(300);
  std::mt19937 random(7);
  // Every fourth byte is 0, whose bits must not pass for the -1 of the end.
  for (uint8_t& byte : data) byte = random() % 4 == 0 ? 0 : static_cast<uint8_t>(random());
  // A second stream over the same data read only with the plain calls.
  OpenOver(data);
  FileSetStream plain(platform::Current(), "C:\\SETUP.EXE");
  ASSERT_TRUE(plain.Open());
  ASSERT_EQ(plain.Locate(), FileSetPlace::Found);
  uint8_t total[4];
  plain.ReadBlock(total, 4);
  for (int round = 0; round < 400; ++round) {
    int kind = static_cast<int>(random() % 4);
    int count = static_cast<int>(random() % 40);
    if (kind == 0) {
      BitReader bits(stream_);
      for (int i = 0; i < count; ++i) ASSERT_EQ(static_cast<int>(bits.Bit()), plain.ReadBit());
      if (count % 3 == 0) {
        ASSERT_EQ(bits.Byte(), plain.ReadBits(8));
      }
      if (count > 0) {
        ASSERT_EQ(bits.PastEnd(), plain.AtEnd()) << "round " << round;
      }
    } else if (kind == 1) {
      for (int i = 0; i < count % 9; ++i) ASSERT_EQ(stream_.ReadBit(), plain.ReadBit());
    } else if (kind == 2) {
      ASSERT_EQ(stream_.ReadByte(), plain.ReadByte());
    } else {
      stream_.Align();
      plain.Align();
    }
    ASSERT_EQ(stream_.AtEnd(), plain.AtEnd()) << "round " << round;
  }
  EXPECT_TRUE(stream_.AtEnd());  // the rounds read well past the 300 bytes
}

TEST_F(FileSetStreamTest, BitsHandedBackSurviveANewBlockBeingLoaded) {
  // The stream loads 64 KB first: bit reading that straddles the block edge
  // must hand back the bytes of the old block it did not use.
  std::vector<uint8_t> data(200000);
  std::mt19937 random(11);
  for (uint8_t& byte : data) byte = static_cast<uint8_t>(random());
  OpenOver(data);
  size_t position = 0;
  for (size_t stop : {size_t{65536 - 4 - 3}, size_t{65536 + 131072 - 4 - 2}}) {
    for (; position < stop; ++position) ASSERT_EQ(stream_.ReadByte(), data[position]);
    {
      BitReader bits(stream_);  // loads eight bytes, across the edge
      ASSERT_EQ(bits.Bit(), data[position] >> 7u);
    }
    // Seven bits of that byte are still pending; then the bytes go on in order.
    ASSERT_EQ(stream_.ReadBits(7), data[position] & 0x7Fu);
    for (int i = 1; i <= 10; ++i) ASSERT_EQ(stream_.ReadByte(), data[position + i]) << i;
    position += 11;
  }
}

TEST_F(FileSetStreamTest, AReadErrorIsShownOnceAndEndsTheData) {
  sandbox_.WriteImage(std::vector<uint8_t>(10, 0x11));
  ASSERT_TRUE(stream_.Open());
  ASSERT_EQ(stream_.Locate(), FileSetPlace::Found);
  sandbox_.files.faults().FailNth(platform::FaultKind::Read, 1);  // the first load of the data
  EXPECT_EQ(stream_.ReadByte(), -1);
  EXPECT_TRUE(stream_.failed());
  EXPECT_FALSE(stream_.AtEnd());
  EXPECT_EQ(stream_.ReadByte(), -1);
  EXPECT_EQ(stream_.ReadBit(), 1);
  ASSERT_EQ(sandbox_.interaction.asked.size(), 1u);
  EXPECT_EQ(sandbox_.interaction.asked[0].text,
            "An error has occured while trying to read the install disk.  This disk may be "
            "defective.");
  EXPECT_EQ(sandbox_.interaction.asked[0].caption, "Disk Error");
  EXPECT_EQ(sandbox_.interaction.asked[0].style, platform::mb::Ok);
}

}  // namespace
}  // namespace vorna
