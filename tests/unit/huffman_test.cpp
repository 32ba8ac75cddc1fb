#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

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
using Bytes = std::vector<uint8_t>;

class VectorOutput : public DecodeOutput {
 public:
  bool Put(const uint8_t* bytes, size_t size) override {
    data.insert(data.end(), bytes, bytes + size);
    return true;
  }
  Bytes data;
};

Bytes Encode(const Bytes& data) {
  Bytes out;
  BitWriter bits(out);
  HuffmanEncoder encoder;
  encoder.Encode(data.data(), data.size(), bits);
  return out;
}

// The code of a leaf in the model's current tree, root first, as '0'/'1' text.
std::string CodeOf(const HuffmanModel& model, int leaf) {
  std::string code;
  for (int node = leaf; model.Parent(node) != -1; node = model.Parent(node)) {
    code.insert(code.begin(), static_cast<char>('0' + node - model.FirstChild(model.Parent(node))));
  }
  return code;
}

std::string BitText(const Bytes& bytes, size_t bits) {
  std::string text;
  for (size_t i = 0; i < bits; ++i) text += ((bytes[i / 8] >> (7 - i % 8)) & 1) ? '1' : '0';
  return text;
}

// Packs bit text into bytes, zero-padded.
Bytes FromBitText(const std::string& text) {
  Bytes out((text.size() + 7) / 8, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '1') out[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
  }
  return out;
}

class HuffmanTest : public ::testing::Test {
 protected:
  // Decodes encoded data placed at the start of a file set.
  DecodeResult Decode(const Bytes& encoded, uint64_t limit, Bytes* decoded) {
    Bytes set = {0, 0, 0, 0};
    set.insert(set.end(), encoded.begin(), encoded.end());
    sandbox_.WriteImage(set);
    FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
    EXPECT_TRUE(stream.Open());
    EXPECT_EQ(stream.Locate(), FileSetPlace::Found);
    uint8_t total[4];
    stream.ReadBlock(total, 4);
    VectorOutput output;
    HuffmanDecoder decoder;
    DecodeResult result = decoder.Decode(stream, limit, output);
    *decoded = output.data;
    return result;
  }

  void ExpectRoundTrip(const Bytes& data) {
    Bytes decoded;
    DecodeResult result = Decode(Encode(data), data.size(), &decoded);
    EXPECT_EQ(result.status, DecodeStatus::Complete);
    EXPECT_EQ(result.size, data.size());
    EXPECT_TRUE(decoded == data) << "decoded " << decoded.size() << " of " << data.size();
  }

  testing::SandboxPlatform sandbox_;
};

TEST_F(HuffmanTest, AnEmptyFileIsTheSingleBitZero) {
  EXPECT_EQ(Encode({}), Bytes{0x00});
  ExpectRoundTrip({});
}

TEST_F(HuffmanTest, TheFirstByteArrivesAsAnEscape) {
  Bytes encoded = Encode({'A'});
  // Escape (bit 1 from the root), the byte's 8 bits, then end-of-stream.
  EXPECT_EQ(BitText(encoded, 9),
            "1"
            "01000001");
  HuffmanModel model;
  model.Add('A');
  model.Update('A');
  std::string end = CodeOf(model, model.LeafOf(HuffmanModel::kEndOfStream));
  EXPECT_EQ(BitText(encoded, 9 + end.size()), "101000001" + end);
  EXPECT_EQ(encoded.size(), (9 + end.size() + 7) / 8);
  ExpectRoundTrip({'A'});
}

TEST_F(HuffmanTest, RoundTripsSmallAndAllByteValues) {
  ExpectRoundTrip({0});
  ExpectRoundTrip({255, 255, 255});
  Bytes all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<uint8_t>(i));
  ExpectRoundTrip(all);
  Bytes twice = all;
  twice.insert(twice.end(), all.rbegin(), all.rend());
  ExpectRoundTrip(twice);
}

TEST_F(HuffmanTest, RoundTripsAMegabyteOfRandomBytes) {
  Bytes data(1 << 20);
  std::mt19937 random(42);
  for (uint8_t& byte : data) byte = static_cast<uint8_t>(random());
  ExpectRoundTrip(data);
}

TEST_F(HuffmanTest, RoundTripsRepetitiveTextThroughManyRebuilds) {
  std::string line = "The quick brown fox jumps over the lazy dog; 0123456789 again and again.\r\n";
  Bytes data;
  while (data.size() < 3 * 1024 * 1024) data.insert(data.end(), line.begin(), line.end());
  Bytes encoded = Encode(data);
  EXPECT_LT(encoded.size(), data.size() * 3 / 4);  // text compresses
  ExpectRoundTrip(data);
}

TEST_F(HuffmanTest, RoundTripsARealProgram) {
  std::ifstream in("/bin/ls", std::ios::binary);
  Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(data.size(), 10000u);
  ExpectRoundTrip(data);
}

TEST_F(HuffmanTest, DecodeStopsAtTheLimit) {
  Bytes data(1000, 'x');
  Bytes decoded;
  DecodeResult result = Decode(Encode(data), 999, &decoded);
  EXPECT_EQ(result.status, DecodeStatus::TooLong);
  EXPECT_EQ(decoded.size(), 999u);
}

TEST_F(HuffmanTest, DecodeStopsAtTheEndOfTheData) {
  // A file that is nothing but 'A' by escape and zero bits up to its end,
  // which start another escape whose byte runs past the end: the decode must
  // stop at the first bit from past the end.
  testing::WriteHostFile(sandbox_.Host("SETUP.EXE"), std::string("\xA0\x80", 2));
  FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
  ASSERT_TRUE(stream.Open());
  VectorOutput output;
  HuffmanDecoder decoder;
  DecodeResult result = decoder.Decode(stream, 1000, output);
  EXPECT_EQ(result.status, DecodeStatus::EndOfData);
  EXPECT_EQ(output.data.front(), 'A');
  EXPECT_TRUE(stream.AtEnd());
}

TEST_F(HuffmanTest, CutDataNeverDecodesToTheFullFile) {
  Bytes data(5000);
  std::mt19937 random(1);
  for (uint8_t& byte : data) byte = static_cast<uint8_t>(random() % 7);
  Bytes encoded = Encode(data);
  for (size_t keep : {size_t{0}, size_t{1}, encoded.size() / 2, encoded.size() - 1}) {
    Bytes cut(encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(keep));
    Bytes decoded;
    DecodeResult result = Decode(cut, data.size(), &decoded);
    EXPECT_LE(decoded.size(), data.size());
    EXPECT_FALSE(result.status == DecodeStatus::Complete && decoded == data) << keep;
  }
}

TEST_F(HuffmanTest, AnEscapeForAKnownByteIsDamage) {
  // 'A' by escape, then the escape code again followed by 'A' once more.
  HuffmanModel model;
  std::string bits =
      "1"
      "01000001";
  model.Add('A');
  model.Update('A');
  bits += CodeOf(model, model.LeafOf(HuffmanModel::kEscape)) + "01000001";
  Bytes decoded;
  DecodeResult result = Decode(FromBitText(bits + "0000000000000000"), 100, &decoded);
  EXPECT_EQ(result.status, DecodeStatus::BadEscape);
  EXPECT_EQ(decoded, Bytes{'A'});
}

// Sibling order: weights never increase with the index, and each inner node
// weighs what its two children weigh.
void ExpectConsistent(const HuffmanModel& model) {
  ASSERT_EQ(model.Parent(0), -1);
  for (int i = 1; i < model.nextFree(); ++i) {
    ASSERT_LE(model.Weight(i), model.Weight(i - 1)) << i;
  }
  for (int i = 0; i < model.nextFree(); ++i) {
    if (model.IsLeaf(i)) {
      ASSERT_EQ(model.LeafOf(model.SymbolOf(i)), i);
    } else {
      int child = model.FirstChild(i);
      ASSERT_EQ(model.Weight(i), model.Weight(child) + model.Weight(child + 1)) << i;
      ASSERT_EQ(model.Parent(child), i);
      ASSERT_EQ(model.Parent(child + 1), i);
    }
  }
}

TEST(HuffmanModelTest, RebuildHalvesLeafWeightsRoundingUp) {
  HuffmanModel model;
  // Leaf weights 1, 2 and 3 for 'a', 'b', 'c' (the two fixed leaves stay at 1).
  for (int c : {'a', 'b', 'b', 'c', 'c', 'c'}) {
    if (model.LeafOf(c) < 0) model.Add(c);
    model.Update(c);
  }
  model.Rebuild();
  EXPECT_EQ(model.Weight(model.LeafOf('a')), 1u);
  EXPECT_EQ(model.Weight(model.LeafOf('b')), 1u);
  EXPECT_EQ(model.Weight(model.LeafOf('c')), 2u);
  EXPECT_EQ(model.Weight(model.LeafOf(HuffmanModel::kEndOfStream)), 1u);
  ExpectConsistent(model);
}

TEST(HuffmanModelTest, TheRootReachingTheLimitRebuildsBeforeTheNextUpdate) {
  HuffmanModel model;
  std::mt19937 random(3);
  int updates = 0;
  while (model.Weight(0) != HuffmanModel::kRebuildWeight) {
    int c = static_cast<int>(random() % 40);
    if (model.LeafOf(c) < 0) model.Add(c);
    model.Update(c);
    ++updates;
  }
  EXPECT_EQ(updates, 32768 - 2);  // every update adds one to the root
  ExpectConsistent(model);
  model.Update(5);
  EXPECT_LT(model.Weight(0), 20000u);  // halved, then counted once more
  ExpectConsistent(model);
}

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
  // The root never moves: swaps and new leaves elsewhere go unreported.
  model.StartWatch();
  model.Watch(0);
  feed(5000);
  EXPECT_FALSE(model.TopChanged());
  // Watching every node, the next swap is reported.
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

TEST(HuffmanModelTest, StaysConsistentThroughManyUpdates) {
  HuffmanModel model;
  std::mt19937 random(9);
  for (int i = 0; i < 200000; ++i) {
    int c = static_cast<int>((random() % 256) * (random() % 256) / 256);
    if (model.LeafOf(c) < 0) model.Add(c);
    model.Update(c);
    if (i % 997 == 0) ExpectConsistent(model);
  }
  ExpectConsistent(model);
  EXPECT_LE(model.nextFree(), HuffmanModel::kMaxNodes);
}

}  // namespace
}  // namespace vorna
