// The file-set side of vorna-pack: extract, verify and the file-set part of
// list, all through the runtime's own stream, record reader and decoder.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "installdata/copy_state.h"
#include "installdata/copy_worker.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/record_decoder.h"
#include "installdata/scramble.h"
#include "tools/pack/authoring/host_names.h"
#include "tools/pack/commands.h"
#include "tools/pack/image_platform.h"
#include "tools/pack/layout_check.h"
#include "tools/pack/options.h"
#include "tools/pack/terminal_progress.h"

namespace vorna::pack {

using authoring::Printable;

namespace {

class CountingOutput : public DecodeOutput {
 public:
  bool Put(const uint8_t*, size_t) override { return true; }
};

// Opens the image's file set and reads its total; throws PackError when the
// image has none or it cannot be reached.
uint32_t OpenFileSet(FileSetStream& stream, const std::string& image) {
  SetContainerKey(kInstallerKey);  // the codec entry is read from the container
  if (!stream.Open()) throw PackError("cannot open '" + image + "'");
  FileSetPlace place = stream.Locate();
  if (place == FileSetPlace::Absent) throw PackError(image + ": the image has no file set");
  if (place == FileSetPlace::Damaged) {
    throw PackError(image + ": damaged: the file set cannot be found");
  }
  if (place == FileSetPlace::UnknownCodec) {
    throw PackError(image + ": the file set was packed with a codec this version cannot read");
  }
  return ReadSetTotal(stream);
}

std::string FormatTime(platform::FileTime time) {
  std::time_t seconds = static_cast<std::time_t>(time.ticks / 10000000) - 11644473600LL;
  std::tm* utc = std::gmtime(&seconds);
  char text[32] = "-";
  if (utc) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", utc);
  return text;
}

const char* DescribeDecode(DecodeStatus status) {
  switch (status) {
    case DecodeStatus::Complete:
      return "complete";
    case DecodeStatus::TooLong:
      return "decodes to more bytes than its size field";
    case DecodeStatus::EndOfData:
      return "the data ends inside the record";
    case DecodeStatus::ReadError:
      return "the image could not be read";
    case DecodeStatus::BadEscape:
      return "damaged code (an escape for a known byte)";
    case DecodeStatus::BadData:
      return "damaged compressed data";
    case DecodeStatus::TrailingData:
      return "data left over after its compressed stream";
    case DecodeStatus::CheckMismatch:
      return "decodes to other bytes than were packed (check mismatch)";
    case DecodeStatus::OutputFailed:
      return "output failed";
  }
  return "unknown";
}

// Walks every record, decoding its data to count it; visit sees each header
// and decode result. Answers 0 when the walk reached the end marker, 1 when
// damage stopped it.
using RecordVisitor = std::function<void(const RecordHeader&, const DecodeResult&)>;

int WalkRecords(FileSetStream& stream, const RecordVisitor& visit) {
  std::unique_ptr<RecordDecoder> decoder = MakeRecordDecoder(stream.codec());
  CountingOutput counter;
  for (;;) {
    RecordHeader header;
    HeaderStatus status = ReadRecordHeader(stream, &header);
    if (status == HeaderStatus::EndMarker) return 0;
    if (status != HeaderStatus::Record) {
      std::printf("damaged: the file set ends without its end marker\n");
      return 1;
    }
    DecodeResult result = decoder->Decode(stream, header.size, counter);
    visit(header, result);
    if (result.status != DecodeStatus::Complete) return 1;  // the next record cannot be found
  }
}

}  // namespace

void ListFileSet(const std::string& image) {
  ImagePlatform machine(image, "");
  FileSetStream stream(machine.machine(), machine.imagePath());
  uint32_t total = OpenFileSet(stream, image);
  std::printf("file set: %lu bytes in all\n", static_cast<unsigned long>(total));
  size_t count = 0;
  WalkRecords(stream, [&](const RecordHeader& header, const DecodeResult& result) {
    ++count;
    std::printf("%10lu  %s  %s  %s  %s%s\n", static_cast<unsigned long>(header.size),
                FormatTime(header.times.creation).c_str(),
                FormatTime(header.times.lastAccess).c_str(),
                FormatTime(header.times.lastWrite).c_str(), Printable(header.name).c_str(),
                result.status == DecodeStatus::Complete ? "" : "  (damaged)");
  });
  std::printf("%zu files (times: created, last access, last write; UTC)\n", count);
}

void VerifyCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {});
  if (options.positional.size() != 1) throw UsageError("verify needs exactly one image");
  const std::string& image = options.positional[0];
  if (ReportLayoutProblems(image) > 0) throw PackError(image + ": the image is damaged");
  ImagePlatform machine(image, "");
  FileSetStream stream(machine.machine(), machine.imagePath());
  uint32_t total = OpenFileSet(stream, image);
  uint64_t sum = 0;
  size_t count = 0;
  int problems = 0;
  auto check = [&](const RecordHeader& header, const DecodeResult& result) {
    ++count;
    sum += header.size;
    if (result.status != DecodeStatus::Complete) {
      std::printf("%s: %s\n", Printable(header.name).c_str(), DescribeDecode(result.status));
      ++problems;
    } else if (result.size != header.size) {
      std::printf("%s: decodes to %llu bytes, its size field says %lu\n",
                  Printable(header.name).c_str(), static_cast<unsigned long long>(result.size),
                  static_cast<unsigned long>(header.size));
      ++problems;
    }
  };
  if (WalkRecords(stream, check) != 0) ++problems;
  if (sum != total) {
    std::printf("the set total is %lu, the records add up to %llu\n",
                static_cast<unsigned long>(total), static_cast<unsigned long long>(sum));
    ++problems;
  }
  if (problems > 0) throw PackError(image + ": the file set is damaged");
  std::printf("%s: %zu files, %llu bytes: every record decodes to its size\n", image.c_str(), count,
              static_cast<unsigned long long>(sum));
}

void ExtractCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {});
  if (options.positional.size() != 2) throw UsageError("extract needs an image and a folder");
  const std::string& image = options.positional[0];
  const std::string& folder = options.positional[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder)) throw PackError("cannot create '" + folder + "'");
  ImagePlatform machine(image, folder);
  FileSetStream stream(machine.machine(), machine.imagePath());
  uint32_t total = OpenFileSet(stream, image);

  CopyState& state = SharedCopyState();
  CopyWorker worker(state);
  TerminalProgress progress("extract", 0, total);
  worker.Start(stream, machine.outputFolder(), total);
  while (!worker.Finished()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    progress.Show(0, static_cast<uint64_t>(state.Progress() * total));
  }
  CopyOutcome outcome = worker.Wait();
  progress.Done(outcome.records, static_cast<uint64_t>(state.Progress() * total));
  for (const RecordReport& report : outcome.reports) {
    if (report.fate != RecordFate::Refused && report.fate != RecordFate::NotWritten) continue;
    std::printf("%s: %s: %s\n", report.fate == RecordFate::Refused ? "refused" : "not written",
                Printable(report.name).c_str(), report.reason.c_str());
  }
  if (outcome.result != CopyResult::Success) throw PackError(image + ": " + outcome.reason);
  std::printf("%u files extracted into %s (%u decoded ahead)\n", outcome.records, folder.c_str(),
              outcome.decodedAhead);
}

}  // namespace vorna::pack
