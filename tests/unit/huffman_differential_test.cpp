// The runtime's decoder against the straightforward one of the benchmark, on
// well-formed, damaged and random data: both must give the same bytes, end
// the same way and leave the stream on the same bit. The reference keeps its
// own tree, so a fault in the shared model (which the packer's encoder uses
// too) shows here as well; the byte-exact set of fileset_codec_test pins the
// encoder's output.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/reference_decoder.h"
#include "installdata/fileset_stream.h"
#include "installdata/huffman_decoder.h"
#include "installdata/huffman_model.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/fileset_fixture.h"
#include "tools/pack/authoring/huffman_encoder.h"

namespace vorna {
namespace {

using authoring::BitWriter;
using authoring::HuffmanEncoder;
using reference::Ending;
using reference::ReferenceDecoder;
using Bytes = std::vector<uint8_t>;

class VectorOutput : public DecodeOutput {
 public:
  bool Put(const uint8_t* bytes, size_t size) override {
    data.insert(data.end(), bytes, bytes + size);
    return true;
  }
  Bytes data;
};

// One record's data in a stream of several: where it is decoded with a limit,
// and the data it must give when it was encoded from whole data.
struct Piece {
  Bytes encoded;
  uint64_t limit;
  const Bytes* original = nullptr;
};

Bytes Encode(const Bytes& data) {
  Bytes out;
  BitWriter bits(out);
  HuffmanEncoder encoder;
  encoder.Encode(data.data(), data.size(), bits);
  return out;
}

bool SameEnding(DecodeStatus status, Ending ending) {
  const std::pair<DecodeStatus, Ending> kSame[] = {{DecodeStatus::Complete, Ending::EndOfStream},
                                                   {DecodeStatus::TooLong, Ending::Limit},
                                                   {DecodeStatus::EndOfData, Ending::EndOfData},
                                                   {DecodeStatus::BadEscape, Ending::BadEscape}};
  return std::find(std::begin(kSame), std::end(kSame), std::make_pair(status, ending)) !=
         std::end(kSame);
}

// The bits left in the stream, up to and including the first from past the end.
std::string RestOf(FileSetStream& stream) {
  std::string rest;
  while (!stream.AtEnd()) rest += static_cast<char>('0' + stream.ReadBit());
  return rest;
}

class HuffmanDifferentialTest : public ::testing::Test {
 protected:
  // Decodes the pieces one after another, aligned between them as the copy
  // does, with both decoders over two streams of the same file set.
  void ExpectSameDecodes(const std::vector<Piece>& pieces, const std::string& what) {
    Bytes set = {0, 0, 0, 0};
    for (const Piece& piece : pieces)
      set.insert(set.end(), piece.encoded.begin(), piece.encoded.end());
    sandbox_.WriteImage(set);
    FileSetStream ours(platform::Current(), "C:\\SETUP.EXE"),
        theirs(platform::Current(), "C:\\SETUP.EXE");
    for (FileSetStream* stream : {&ours, &theirs}) {
      ASSERT_TRUE(stream->Open());
      ASSERT_EQ(stream->Locate(), FileSetPlace::Found);
      uint8_t total[4];
      stream->ReadBlock(total, 4);
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
      VectorOutput output;
      DecodeResult result = decoder_.Decode(ours, pieces[i].limit, output);
      Bytes expected;
      uint64_t count = 0;
      Ending ending = reference_.Decode<true>(
          theirs, [&expected](int c) { expected.push_back(static_cast<uint8_t>(c)); },
          pieces[i].limit, &count);
      ASSERT_TRUE(SameEnding(result.status, ending))
          << what << " piece " << i << ": status " << static_cast<int>(result.status)
          << ", reference " << static_cast<int>(ending);
      ASSERT_EQ(result.size, count) << what << " piece " << i;
      ASSERT_TRUE(output.data == expected) << what << " piece " << i;
      if (pieces[i].original) {
        ASSERT_TRUE(output.data == *pieces[i].original) << what << " piece " << i;
      }
      if (result.status != DecodeStatus::Complete) break;  // the copy stops there too
      ours.Align();
      theirs.Align();
    }
    EXPECT_EQ(RestOf(ours), RestOf(theirs)) << what;
  }

  testing::SandboxPlatform sandbox_;
  HuffmanDecoder decoder_;
  ReferenceDecoder reference_;
};

Bytes Words(size_t size, std::mt19937& random) {
  static const char* kWords[] = {"setup", "the", "folder", "a", "copy", "of", "install", "\r\n"};
  std::geometric_distribution<int> pick(0.3);
  Bytes text;
  while (text.size() < size) {
    const char* word = kWords[pick(random) % 8];
    text.insert(text.end(), word, word + std::char_traits<char>::length(word));
    text.push_back(' ');
  }
  text.resize(size);
  return text;
}

Bytes RandomBytes(size_t size, int alphabet, std::mt19937& random) {
  Bytes data(size);
  for (uint8_t& byte : data) byte = static_cast<uint8_t>(random() % alphabet);
  return data;
}

// Symbol k occurs about as often as the k-th Fibonacci number: the deepest
// trees the weight limit allows.
Bytes FibonacciWeighted(std::mt19937& random) {
  Bytes data;
  uint32_t a = 1, b = 1;
  for (int symbol = 0; symbol < 22; ++symbol) {
    data.insert(data.end(), a, static_cast<uint8_t>(symbol * 11));
    uint32_t c = a + b;
    a = b;
    b = c;
  }
  std::shuffle(data.begin(), data.end(), random);
  return data;
}

TEST_F(HuffmanDifferentialTest, WellFormedDataOfEveryKind) {
  std::mt19937 random(7);
  std::vector<Bytes> kinds = {
      {},
      {42},
      Words(200000, random),
      RandomBytes(300000, 256, random),  // more than the output buffer
      RandomBytes(150000, 3, random),    // many rebuilds of a small tree
      Bytes(100000, 'x'),
      FibonacciWeighted(random),
  };
  std::vector<Piece> pieces;
  for (const Bytes& data : kinds) pieces.push_back({Encode(data), data.size(), &data});
  ExpectSameDecodes(pieces, "well-formed");
}

TEST_F(HuffmanDifferentialTest, LimitsCutTheSameByte) {
  std::mt19937 random(11);
  Bytes data = Words(50000, random);
  for (uint64_t limit : {uint64_t{0}, uint64_t{1}, uint64_t{16383}, uint64_t{49999}}) {
    ExpectSameDecodes({{Encode(data), limit}}, "limit " + std::to_string(limit));
  }
}

TEST_F(HuffmanDifferentialTest, DamagedData) {
  std::mt19937 random(5);
  for (int round = 0; round < 60; ++round) {
    Bytes data = round % 2 ? Words(3000 + random() % 30000, random)
                           : RandomBytes(3000 + random() % 30000, 1 + random() % 256, random);
    Bytes encoded = Encode(data);
    // Flipped bits, and sometimes a cut: the decoders may go anywhere, but together.
    int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) encoded[random() % encoded.size()] ^= 1u << (random() % 8);
    if (round % 3 == 0) encoded.resize(random() % encoded.size());
    ExpectSameDecodes({{encoded, data.size() + 100}, {Encode(data), data.size()}},
                      "damaged round " + std::to_string(round));
  }
}

TEST_F(HuffmanDifferentialTest, BitsFromPastTheEndNeverMakeAByte) {
  // Past the end every bit is 1, and the all-ones path leads to the newest
  // leaf: a byte first seen at the very end, with the data cut inside the
  // end-of-stream code after it.
  std::mt19937 random(13);
  for (int round = 0; round < 20; ++round) {
    Bytes data = Words(20000 + random() % 20000, random);
    data.push_back(static_cast<uint8_t>('A' + round));
    Bytes encoded = Encode(data);
    encoded.pop_back();
    ExpectSameDecodes({{encoded, data.size() + 100}}, "cut round " + std::to_string(round));
  }
}

TEST_F(HuffmanDifferentialTest, RandomBits) {
  std::mt19937 random(3);
  for (int round = 0; round < 300; ++round) {
    // Random data usually escapes a byte it already has before long; setting
    // the top bit of a byte once in a while makes an end-of-stream likelier.
    Bytes bits = RandomBytes(random() % 3000, 256, random);
    for (uint8_t& byte : bits) {
      if (random() % 16 == 0) byte &= 0x7F;
    }
    ExpectSameDecodes({{bits, random() % 5000}, {bits, 5000}},
                      "random round " + std::to_string(round));
  }
}

// The decoder's table of the tree's top is rebuilt only when a watched node
// moved: the root never does, any swap does, and so do a rebuild and a reset.
TEST(HuffmanModelTest, TellsWhenAWatchedNodeMoves) {
  HuffmanModel model;
  std::mt19937 random(4);
  auto feed = [&](int count) {
    for (int i = 0; i < count && model.UpdatesBeforeRebuild() > 1; ++i) {
      int c = static_cast<int>(random() % 30);
      if (model.LeafOf(c) < 0) model.Add(c);
      model.Update(c);
    }
  };
  feed(500);
  model.StartWatch();
  model.Watch(0);
  feed(5000);
  EXPECT_FALSE(model.TopChanged());
  model.StartWatch();
  for (int i = 0; i < model.nextFree(); ++i) model.Watch(i);
  feed(5000);
  EXPECT_TRUE(model.TopChanged());
  model.StartWatch();
  model.Rebuild();
  EXPECT_TRUE(model.TopChanged());
  model.StartWatch();
  model.Reset();
  EXPECT_TRUE(model.TopChanged());
}

}  // namespace
}  // namespace vorna
