// Benchmark of the file-set decoder.
//
// Packs a deterministic mixed payload of about 50 MB (text, binary-like and
// incompressible files) and prints, side by side: the decode rate of the
// runtime's decoder, of a straightforward bit-at-a-time decoder of the same
// format (kept here only, as the yardstick), and of gzip -d on the same
// payload; the time of a whole extraction to disk against decoding alone; and
// the compressed size against the payload's per-file order-0 entropy. The
// straightforward decoder also checks the format: it must produce the same
// bytes and end every record on the same bit.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/reference_decoder.h"
#include "installdata/copy_files.h"
#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/huffman_decoder.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "tools/pack/authoring/fileset_writer.h"

namespace {

using namespace vorna;
using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

struct PayloadPart {
  std::string name;
  Bytes data;
};

// ---- The payload -----------------------------------------------------------

Bytes MakeText(size_t size, uint32_t seed) {
  static const char* kWords[] = {"the",     "install", "folder", "file",   "copy",    "of",
                                 "and",     "to",      "a",      "system", "program", "data",
                                 "version", "license", "user",   "in",     "is",      "for",
                                 "Windows", "setup",   "disk",   "when",   "with",    "this"};
  std::mt19937 random(seed);
  std::geometric_distribution<int> pick(0.15);
  Bytes text;
  int shift = 0;
  while (text.size() < size) {
    // Each section favours other words, as the chapters of real documents do.
    if (text.size() % (64 * 1024) < 8) shift = static_cast<int>(random() % 24);
    int word = (pick(random) + shift) % 24;
    text.insert(text.end(), kWords[word], kWords[word] + std::strlen(kWords[word]));
    text.push_back(random() % 13 == 0 ? '\n' : ' ');
  }
  text.resize(size);
  return text;
}

Bytes MakeBinaryLike(size_t size, uint32_t seed) {
  // Records of small integers, opcodes and zero padding, as in programs and tables.
  std::mt19937 random(seed);
  std::geometric_distribution<int> small(0.3);
  Bytes data;
  while (data.size() < size) {
    switch (random() % 4) {
      case 0:
        data.insert(data.end(), 4 + random() % 12, 0);
        break;
      case 1:
        for (int i = 0; i < 8; ++i) data.push_back(static_cast<uint8_t>(small(random)));
        break;
      case 2:
        data.push_back(static_cast<uint8_t>(0x80 + random() % 16));
        break;
      default:
        for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(random()));
    }
  }
  data.resize(size);
  return data;
}

Bytes MakeRandom(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes data(size);
  for (uint8_t& byte : data) byte = static_cast<uint8_t>(random());
  return data;
}

// Ten files of partSize bytes each: four text, four binary-like, two random.
std::vector<PayloadPart> MakePayload(size_t partSize) {
  std::vector<PayloadPart> parts;
  for (int i = 0; i < 4; ++i)
    parts.push_back({"text\\doc" + std::to_string(i) + ".txt", MakeText(partSize, 10 + i)});
  for (int i = 0; i < 4; ++i)
    parts.push_back({"bin\\lib" + std::to_string(i) + ".dll", MakeBinaryLike(partSize, 20 + i)});
  for (int i = 0; i < 2; ++i)
    parts.push_back({"media\\clip" + std::to_string(i) + ".dat", MakeRandom(partSize, 30 + i)});
  return parts;
}

double Order0Bytes(const Bytes& data) {
  double counts[256] = {};
  for (uint8_t byte : data) counts[byte] += 1;
  double bits = 0;
  for (double count : counts) {
    if (count > 0) bits -= count * std::log2(count / data.size());
  }
  return bits / 8;
}

// ---- Measuring ---------------------------------------------------------------

class NullOutput : public DecodeOutput {
 public:
  bool Put(const uint8_t* bytes, size_t size) override {
    for (size_t i = 0; i < size; i += 4096) checksum_ += bytes[i];
    return true;
  }
  uint64_t checksum_ = 0;
};

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

bool OpenSet(FileSetStream& stream) {
  if (!stream.Open() || stream.Locate() != FileSetPlace::Found) return false;
  ReadSetTotal(stream);
  return true;
}

// Decodes every record with the runtime's decoder; seconds, or -1 on a failure.
double TimeOurs(std::vector<uint64_t>* endings) {
  FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
  if (!OpenSet(stream)) return -1;
  HuffmanDecoder decoder;
  NullOutput output;
  RecordHeader header;
  auto start = Clock::now();
  while (ReadRecordHeader(stream, &header) == HeaderStatus::Record) {
    DecodeResult result = decoder.Decode(stream, header.size, output);
    if (result.status != DecodeStatus::Complete || result.size != header.size) return -1;
    stream.Align();
    endings->push_back(header.size);
  }
  return Seconds(start);
}

double TimeReference(std::vector<uint64_t>* endings) {
  FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
  if (!OpenSet(stream)) return -1;
  std::FILE* sink = std::fopen("/dev/null", "wb");
  reference::ReferenceDecoder decoder;
  RecordHeader header;
  auto start = Clock::now();
  while (ReadRecordHeader(stream, &header) == HeaderStatus::Record) {
    uint64_t count = 0;
    decoder.Decode<false>(
        stream, [sink](int c) { std::fputc(c, sink); }, 0, &count);
    endings->push_back(count);
    stream.Align();
  }
  double seconds = Seconds(start);
  std::fclose(sink);
  return seconds;
}

double TimeGzip(const std::string& folder, const std::vector<PayloadPart>& parts) {
  std::string raw = folder + "/payload.raw";
  {
    std::ofstream out(raw, std::ios::binary);
    for (const PayloadPart& part : parts) {
      out.write(reinterpret_cast<const char*>(part.data.data()),
                static_cast<std::streamsize>(part.data.size()));
    }
  }
  if (std::system(("gzip -f -k '" + raw + "'").c_str()) != 0) return -1;
  auto start = Clock::now();
  if (std::system(("gzip -d -c '" + raw + ".gz' > /dev/null").c_str()) != 0) return -1;
  return Seconds(start);
}

double TimeExtraction(const std::string& root) {
  std::string folder = "C:\\Out";
  FileSetStream stream(platform::Current(), "C:\\SETUP.EXE");
  if (!stream.Open() || stream.Locate() != FileSetPlace::Found) return -1;
  uint32_t total = ReadSetTotal(stream);
  CopyState state;
  auto start = Clock::now();
  CopyOutcome outcome = CopyFiles(stream, folder, total, state);
  double seconds = Seconds(start);
  std::filesystem::remove_all(root + "/C/Out");
  return outcome.result == CopyResult::Success ? seconds : -1;
}

class VectorOutput : public DecodeOutput {
 public:
  bool Put(const uint8_t* bytes, size_t size) override {
    data.insert(data.end(), bytes, bytes + size);
    return true;
  }
  Bytes data;
};

// Decodes the set once more with both decoders, untimed, and compares every
// file with the payload it came from.
bool BothDecodersGive(const std::vector<PayloadPart>& parts) {
  FileSetStream ours(platform::Current(), "C:\\SETUP.EXE"),
      theirs(platform::Current(), "C:\\SETUP.EXE");
  if (!OpenSet(ours) || !OpenSet(theirs)) return false;
  HuffmanDecoder decoder;
  reference::ReferenceDecoder reference;
  for (const PayloadPart& part : parts) {
    RecordHeader a, b;
    if (ReadRecordHeader(ours, &a) != HeaderStatus::Record) return false;
    if (ReadRecordHeader(theirs, &b) != HeaderStatus::Record || a.name != b.name) return false;
    VectorOutput output;
    decoder.Decode(ours, a.size, output);
    ours.Align();
    char* text = nullptr;
    size_t size = 0;
    std::FILE* memory = open_memstream(&text, &size);
    uint64_t count = 0;
    reference.Decode<false>(
        theirs, [memory](int c) { std::fputc(c, memory); }, 0, &count);
    std::fclose(memory);
    theirs.Align();
    bool same = output.data == part.data && size == part.data.size() &&
                std::memcmp(text, part.data.data(), size) == 0;
    std::free(text);
    if (!same) return false;
  }
  RecordHeader end;
  return ReadRecordHeader(ours, &end) == HeaderStatus::EndMarker &&
         ReadRecordHeader(theirs, &end) == HeaderStatus::EndMarker;
}

// Clock and processor seconds of a measurement; Keep holds the best of each.
struct Timing {
  double seconds = 1e30;
  double processor = 1e30;
  void Keep(const Timing& other) {
    seconds = std::min(seconds, other.seconds);
    processor = std::min(processor, other.processor);
  }
};

// Runs measure (which returns clock seconds, or -1 on a failure) and adds
// the processor time it took.
template <typename F>
Timing Measure(F measure) {
  std::clock_t start = std::clock();
  double seconds = measure();
  double processor = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  return seconds < 0 ? Timing{-1, -1} : Timing{seconds, processor};
}

template <typename F>
double Best(int runs, F measure) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) best = std::min(best, measure());
  return best;
}

// Packs the payload into an install image on drive C; the compressed data's size.
uint64_t WriteImage(const std::string& root, const std::vector<PayloadPart>& parts,
                    double* packSeconds) {
  uint64_t payload = 0, headers = 0;
  for (const PayloadPart& part : parts) {
    payload += part.data.size();
    headers += part.name.size() + 1 + 4 + 24;
  }
  Bytes set;
  auto packStart = Clock::now();
  {
    authoring::FileSetWriter writer(set, static_cast<uint32_t>(payload));
    for (const PayloadPart& part : parts) {
      writer.AddRecord(part.name, part.data, platform::FileTimes{{1}, {1}, {1}});
    }
    writer.Finish();
  }
  *packSeconds = Seconds(packStart);
  std::string image = "MZ";
  image.append(set.begin(), set.end());
  image += std::string("VORNA\0\0\0\0\0\0\0", 12);
  for (int i = 0; i < 4; ++i) image += static_cast<char>(2u >> (8 * i));
  std::ofstream(root + "/C/SETUP.EXE", std::ios::binary) << image;
  return set.size() - 4 - 2 - headers;
}

// One untimed-by-rounds run of one decoder, for a profiler such as
//   valgrind --tool=callgrind --toggle-collect='*TimeOurs*' bench_decoder --profile ours
// (TimeReference, TimeExtraction likewise): instructions / payload bytes
// gives the cost per decoded byte.
int Profile(const std::string& which, const std::string& root, uint64_t payload) {
  std::vector<uint64_t> endings;
  // Processor time as well: on a shared machine it varies less than the clock.
  std::clock_t cpuStart = std::clock();
  double seconds = which == "ours"        ? TimeOurs(&endings)
                   : which == "reference" ? TimeReference(&endings)
                   : which == "extract"   ? TimeExtraction(root)
                                          : -1;
  double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  if (seconds < 0) {
    std::fprintf(stderr, "profile: ours, reference or extract, and a run that succeeds\n");
    return 1;
  }
  std::printf("%s: %llu bytes in %.3f s (processor %.3f s)\n", which.c_str(),
              static_cast<unsigned long long>(payload), seconds, cpuSeconds);
  return 0;
}

}  // namespace

// usage: bench_decoder [--part-kb N] [--profile ours|reference|extract]
int main(int argc, char** argv) {
  size_t partSize = 5 << 20;
  std::string profile;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "--part-kb") partSize = std::strtoul(argv[i + 1], nullptr, 10) * 1024;
    if (option == "--profile") profile = argv[i + 1];
  }
  std::string root = (std::filesystem::temp_directory_path() / "vorna-bench-decoder").string();
  if (!profile.empty()) root += "-" + profile;
  std::filesystem::remove_all(root);
  platform::PortableFileSystem files(root, "C:\\SETUP.EXE");
  platform::Platform machine;
  machine.files = &files;
  platform::SetPlatform(machine);

  std::vector<PayloadPart> parts = MakePayload(partSize);
  uint64_t total = 0;
  double entropy = 0;
  for (const PayloadPart& part : parts) {
    total += part.data.size();
    entropy += Order0Bytes(part.data);
  }
  double packSeconds = 0;
  uint64_t compressed = WriteImage(root, parts, &packSeconds);
  if (!profile.empty()) {
    int status = Profile(profile, root, total);
    std::filesystem::remove_all(root);
    return status;
  }
  // Rounds alternate the measurements so that a busy machine slows all alike;
  // each figure is the best of its rounds. Processor time is shown beside the
  // clock: on a machine shared with other work it varies much less.
  std::vector<uint64_t> ours, reference;
  Timing oursTime, referenceTime;
  double extractSeconds = 1e30;
  for (int round = 0; round < 4; ++round) {
    ours.clear();
    reference.clear();
    oursTime.Keep(Measure([&] { return TimeOurs(&ours); }));
    referenceTime.Keep(Measure([&] { return TimeReference(&reference); }));
    extractSeconds = std::min(extractSeconds, TimeExtraction(root));
  }
  double oursSeconds = oursTime.seconds, referenceSeconds = referenceTime.seconds;
  double gzipSeconds = Best(3, [&] { return TimeGzip(root, parts); });
  bool agree = ours == reference && oursSeconds > 0 && referenceSeconds > 0 && extractSeconds > 0 &&
               BothDecodersGive(parts);
  const double mb = total / (1024.0 * 1024.0);
  std::printf("payload: %zu files, %.1f MB (text, binary-like, incompressible); packed in %.2f s\n",
              parts.size(), mb, packSeconds);
  std::printf("%-34s %10s %10s %12s %10s\n", "decode (one thread)", "seconds", "MB/s",
              "processor s", "MB/s");
  std::printf("%-34s %10.3f %10.1f %12.3f %10.1f\n", "runtime decoder", oursSeconds,
              mb / oursSeconds, oursTime.processor, mb / oursTime.processor);
  std::printf("%-34s %10.3f %10.1f %12.3f %10.1f\n", "straightforward bit-at-a-time",
              referenceSeconds, mb / referenceSeconds, referenceTime.processor,
              mb / referenceTime.processor);
  std::printf("%-34s %10.3f %10.1f\n", "gzip -d (same payload)", gzipSeconds, mb / gzipSeconds);
  std::printf(
      "speed-up over the straightforward decoder: %.2fx, in processor time %.2fx"
      " (target 1.6x)\n",
      referenceSeconds / oursSeconds, referenceTime.processor / oursTime.processor);
  std::printf("extraction to disk: %.3f s = %.2f x decode alone (target within 1.15)\n",
              extractSeconds, extractSeconds / oursSeconds);
  std::printf("compressed data: %llu bytes; per-file order-0 entropy: %.0f bytes (%.2f%%)\n",
              static_cast<unsigned long long>(compressed), entropy, 100.0 * compressed / entropy);
  std::printf("both decoders agree on every record's bytes and last bit: %s\n",
              agree ? "yes" : "NO");
  std::filesystem::remove_all(root);
  return agree ? 0 : 1;
}
