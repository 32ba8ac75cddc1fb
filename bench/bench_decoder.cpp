// Benchmark of the file-set decoder.
//
// Packs the many-file mix that bench/make_mix.sh copies from the machine (a
// few large files would hide what each record's start costs) and prints, as
// rows of the table of bench/setup_table.sh: the decode rate of the runtime's
// decoder against a straightforward bit-at-a-time decoder of the same format
// (kept here only, as the yardstick), and the compressed size against the
// payload's per-file order-0 entropy. The straightforward decoder also checks
// the format: it must produce the same bytes and end every record on the
// same bit.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/reference_decoder.h"
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

// Every file under folder, in name order, named relative to it with backslashes.
std::vector<PayloadPart> ReadMix(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') {
      paths.push_back(entry.path());
    }
  }
  std::sort(paths.begin(), paths.end());
  std::vector<PayloadPart> parts;
  for (const auto& path : paths) {
    std::string name = std::filesystem::relative(path, folder).string();
    std::replace(name.begin(), name.end(), '/', '\\');
    std::ifstream in(path, std::ios::binary);
    parts.push_back({name, Bytes(std::istreambuf_iterator<char>(in), {})});
  }
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
[[gnu::noinline]] double TimeOurs(std::vector<uint64_t>* endings) {
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

[[gnu::noinline]] double TimeReference(std::vector<uint64_t>* endings) {
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
//   valgrind --tool=callgrind --toggle-collect='*TimeOurs*' bench_decoder --mix DIR --profile ours
// (TimeReference likewise): instructions / payload bytes gives the cost per
// decoded byte.
int Profile(const std::string& which, uint64_t payload) {
  std::vector<uint64_t> endings;
  // Processor time as well: on a shared machine it varies less than the clock.
  std::clock_t cpuStart = std::clock();
  double seconds = which == "ours"        ? TimeOurs(&endings)
                   : which == "reference" ? TimeReference(&endings)
                                          : -1;
  double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  if (seconds < 0) {
    std::fprintf(stderr, "profile: ours or reference, and a run that succeeds\n");
    return 1;
  }
  std::printf("%s: %llu bytes in %.3f s (processor %.3f s)\n", which.c_str(),
              static_cast<unsigned long long>(payload), seconds, cpuSeconds);
  return 0;
}

// Prints one row of the benchmark table: what, the figure, the ratio.
void Row(const std::string& what, const std::string& figure, const std::string& ratio) {
  std::printf("%-44s %-22s %s\n", what.c_str(), figure.c_str(), ratio.c_str());
}

std::string Format(const char* format, double a, double b = 0) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

}  // namespace

// usage: bench_decoder --mix DIR [--profile ours|reference]
int main(int argc, char** argv) {
  std::string mix, profile;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "--mix") mix = argv[i + 1];
    if (option == "--profile") profile = argv[i + 1];
  }
  if (mix.empty() || !std::filesystem::is_directory(mix)) {
    std::fprintf(stderr,
                 "usage: bench_decoder --mix DIR [--profile ours|reference]\n"
                 "  DIR: a payload folder, such as bench/make_mix.sh makes\n");
    return 2;
  }
  std::string root = (std::filesystem::temp_directory_path() / "vorna-bench-decoder").string();
  if (!profile.empty()) root += "-" + profile;
  std::filesystem::remove_all(root);
  platform::PortableFileSystem files(root, "C:\\SETUP.EXE");
  platform::Platform machine;
  machine.files = &files;
  platform::SetPlatform(machine);

  std::vector<PayloadPart> parts = ReadMix(mix);
  uint64_t total = 0;
  double entropy = 0;
  for (const PayloadPart& part : parts) {
    total += part.data.size();
    entropy += Order0Bytes(part.data);
  }
  double packSeconds = 0;
  uint64_t compressed = WriteImage(root, parts, &packSeconds);
  if (!profile.empty()) {
    int status = Profile(profile, total);
    std::filesystem::remove_all(root);
    return status;
  }
  // Rounds alternate the measurements so that a busy machine slows all alike;
  // each figure is the best of its rounds, in processor time, which varies
  // much less than the clock on a machine shared with other work.
  std::vector<uint64_t> ours, reference;
  Timing oursTime, referenceTime;
  for (int round = 0; round < 3; ++round) {
    ours.clear();
    reference.clear();
    oursTime.Keep(Measure([&] { return TimeOurs(&ours); }));
    referenceTime.Keep(Measure([&] { return TimeReference(&reference); }));
  }
  bool agree = ours == reference && oursTime.seconds > 0 && referenceTime.seconds > 0 &&
               BothDecodersGive(parts);
  const double mb = total / 1e6;
  Row("decode in process, runtime decoder", Format("%.1f MB/s", mb / oursTime.processor),
      Format("%.2fx the straightforward decoder (%.1f MB/s)",
             referenceTime.processor / oursTime.processor, mb / referenceTime.processor));
  Row("compressed data against order-0 entropy", Format("%.0f bytes", double(compressed)),
      Format("%.3f of %.0f bytes", compressed / entropy, entropy));
  Row("both decoders agree on every record", agree ? "yes" : "NO", "");
  std::filesystem::remove_all(root);
  return agree ? 0 : 1;
}
