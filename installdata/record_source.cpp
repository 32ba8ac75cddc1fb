#include "installdata/record_source.h"

#include <algorithm>
#include <thread>

#include "installdata/decode_ahead.h"
#include "installdata/fileset_stream.h"
#include "platform/platform.h"

namespace vorna {

namespace {

constexpr int kMostWorkers = 8;
constexpr int kMostDefaultWorkers = 2;

// One record after another, decoded as it is read.
class StreamSource : public RecordSource {
 public:
  explicit StreamSource(FileSetStream& stream)
      : stream_(stream), decoder_(MakeRecordDecoder(stream.codec())) {}
  HeaderStatus NextHeader(RecordHeader* header) override {
    return ReadRecordHeader(stream_, header);
  }
  DecodeResult Decode(uint64_t limit, DecodeOutput& output) override {
    return decoder_->Decode(stream_, limit, output);
  }

 private:
  FileSetStream& stream_;
  std::unique_ptr<RecordDecoder> decoder_;
};

}  // namespace

std::unique_ptr<RecordSource> MakeRecordSource(FileSetStream& stream, int workers) {
  if (workers > 1 && !stream.recordOffsets().empty()) {
    // The copy itself mostly waits on the file system: each worker decodes.
    return std::make_unique<DecodeAhead>(stream, workers);
  }
  return std::make_unique<StreamSource>(stream);
}

int CopyWorkerCount(const platform::Platform& machine) {
  if (machine.system) {
    std::optional<std::string> forced = machine.system->Environment("VORNA_WORKERS");
    if (forced && forced->size() == 1 && (*forced)[0] >= '1' &&
        (*forced)[0] <= '0' + kMostWorkers) {
      return (*forced)[0] - '0';
    }
  }
  int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, kMostDefaultWorkers);
}

}  // namespace vorna
