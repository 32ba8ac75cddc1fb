#include "installdata/copy_files.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/huffman_decoder.h"
#include "installdata/install_paths.h"
#include "installdata/overlapped_writer.h"
#include "installdata/record_names.h"
#include "platform/platform.h"

namespace vorna {

namespace {

using platform::Access;
using platform::Creation;
using platform::File;
using platform::Share;

constexpr char kPartSuffix[] = ".vorna-part";
constexpr size_t kPathLimit = 259;  // the longest path a Windows program can open
constexpr char kReadErrorReason[] = "the install disk could not be read";
constexpr char kKeptReason[] = "the file on disk is as new as the packed one or newer";
constexpr char kCannotCreateReason[] = "the file cannot be created";
constexpr char kCannotReplaceReason[] = "the file on disk cannot be replaced (in use?)";

// Passes blocks on, and lets the copy pause or stop between them.
class ControlledOutput : public DecodeOutput {
 public:
  ControlledOutput(DecodeOutput& inner, CopyControl* control) : inner_(inner), control_(control) {}
  bool Put(const uint8_t* bytes, size_t size) override {
    if (control_ && !control_->Continue()) {
      stopped_ = true;
      return false;
    }
    return inner_.Put(bytes, size);
  }
  bool stopped() const { return stopped_; }

 private:
  DecodeOutput& inner_;
  CopyControl* control_;
  bool stopped_ = false;
};

size_t LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}

class Copier {
 public:
  Copier(FileSetStream& stream, const std::string& folder, uint32_t total, CopyState& state,
         CopyControl* control)
      : stream_(stream),
        folder_(WithTrailingSeparator(folder)),
        total_(total),
        state_(state),
        control_(control),
        machine_(stream.machine()),
        files_(*machine_.files) {}

  CopyOutcome Run();

 private:
  bool CopyRecord(const RecordHeader& header);
  bool Refuse(const RecordHeader& header, const std::string& reason);
  void NotWritten(const std::string& path, const std::string& reason);
  /// The file on disk at path, when there is one and its times can be read.
  std::optional<platform::FileTimes> ExistingTimes(const std::string& path);
  /// Whether a record reached its destination; CopyEnds when the copy cannot go on.
  enum class Written { Yes, No, CopyEnds };
  bool Keep(const RecordHeader& header, const std::string& path);
  Written WriteNew(const std::string& path, const RecordHeader& header);
  Written Replace(const std::string& part, const std::string& path);
  bool DecodeInto(File* output, const RecordHeader& header, const std::string& path);
  bool Consume(const RecordHeader& header, const std::string& path);
  void RestoreTimes(const std::string& path, const platform::FileTimes& times);
  void Advance(uint32_t size);
  bool Fail(CopyResult result, const std::string& reason);

  FileSetStream& stream_;
  std::string folder_;
  uint32_t total_;
  CopyState& state_;
  CopyControl* control_;
  const platform::Platform& machine_;
  platform::FileSystem& files_;
  HuffmanDecoder decoder_;
  OverlappedWriter writer_;
  uint64_t copied_ = 0;
  CopyOutcome outcome_;
};

CopyOutcome Copier::Run() {
  state_.SetCurrentFile(folder_);
  if (total_ == 0) state_.SetProgress(1.0);  // nothing to copy is all copied
  if (!stream_.HasFile()) Fail(CopyResult::Failure, "there is no file set");
  if (stream_.failed()) Fail(CopyResult::Failure, kReadErrorReason);
  bool ended = false;
  while (outcome_.result == CopyResult::Success && stream_.HasFile() && !stream_.AtEnd()) {
    if (control_ && !control_->Continue()) {
      Fail(CopyResult::Stopped, "the copy was stopped");
      break;
    }
    state_.SetCurrentFile(folder_);
    RecordHeader header;
    HeaderStatus status = ReadRecordHeader(stream_, &header);
    if (status == HeaderStatus::EndMarker) {
      ended = true;
      break;
    }
    if (status == HeaderStatus::ReadError) Fail(CopyResult::Failure, kReadErrorReason);
    if (status == HeaderStatus::Damaged) {
      Fail(CopyResult::Failure,
           "the file set is damaged after record " + std::to_string(outcome_.records));
    }
    if (status != HeaderStatus::Record) break;
    ++outcome_.records;
    CopyRecord(header);
  }
  if (outcome_.result == CopyResult::Success && !ended) {
    Fail(CopyResult::Failure, "the file set ends without its end marker");
  }
  if (outcome_.result == CopyResult::Success && !outcome_.refused.empty()) {
    Fail(CopyResult::Failure, std::to_string(outcome_.refused.size()) + " record(s) refused");
  }
  state_.MarkEnd();
  return outcome_;
}

bool Copier::CopyRecord(const RecordHeader& header) {
  std::string path = folder_ + header.name;
  state_.SetCurrentFile(path);
  NameVerdict verdict = CheckRecordName(header.name);
  if (verdict != NameVerdict::Accepted) return Refuse(header, DescribeVerdict(verdict));
  if (path.size() > kPathLimit) return Refuse(header, "a path too long");
  size_t separator = LastSeparator(path);
  if (separator != std::string::npos) CreateFolderChain(machine_, path.substr(0, separator));
  std::optional<platform::FileTimes> existing = ExistingTimes(path);
  if (existing && !(existing->lastWrite < header.times.lastWrite)) return Keep(header, path);
  Written written = WriteNew(path, header);
  if (written == Written::CopyEnds) return false;
  RestoreTimes(path, header.times);
  if (written == Written::Yes) {
    platform::FileChange change =
        existing ? platform::FileChange::Replaced : platform::FileChange::New;
    platform::Emit(machine_,
                   platform::event::FileWritten{path, change, header.size, header.times.lastWrite});
  }
  return true;
}

bool Copier::Keep(const RecordHeader& header, const std::string& path) {
  if (!Consume(header, path)) return false;
  RestoreTimes(path, header.times);
  platform::Emit(machine_, platform::event::FileKept{path, kKeptReason});
  return true;
}

bool Copier::Refuse(const RecordHeader& header, const std::string& reason) {
  outcome_.refused.push_back(header.name + ": " + reason);
  platform::Emit(machine_, platform::event::FileRefused{header.name, reason});
  return Consume(header, folder_ + header.name);
}

void Copier::NotWritten(const std::string& path, const std::string& reason) {
  outcome_.notWritten.push_back(path);
  platform::Emit(machine_, platform::event::FileNotWritten{path, reason});
}

std::optional<platform::FileTimes> Copier::ExistingTimes(const std::string& path) {
  std::unique_ptr<File> existing =
      files_.Open(path, Access::Read, Share::None, Creation::OpenExisting);
  platform::FileTimes times;
  if (!existing || !existing->GetTimes(&times)) return std::nullopt;
  return times;
}

bool Copier::Consume(const RecordHeader& header, const std::string& path) {
  std::unique_ptr<File> sink = files_.OpenNullSink();
  return DecodeInto(sink.get(), header, path);
}

Copier::Written Copier::WriteNew(const std::string& path, const RecordHeader& header) {
  std::string part = path + kPartSuffix;
  bool direct = false;
  std::unique_ptr<File> output =
      files_.Open(part, Access::Write, Share::None, Creation::CreateAlways);
  if (!output) {  // no room for the longer name: write in place
    direct = true;
    output = files_.Open(path, Access::Write, Share::None, Creation::CreateAlways);
  }
  if (!output) {
    NotWritten(path, kCannotCreateReason);
    return Consume(header, path) ? Written::No : Written::CopyEnds;
  }
  bool decoded = DecodeInto(output.get(), header, path);
  output.reset();
  if (!decoded) {
    files_.Delete(direct ? path : part);
    return Written::CopyEnds;
  }
  return direct ? Written::Yes : Replace(part, path);
}

Copier::Written Copier::Replace(const std::string& part, const std::string& path) {
  files_.Delete(path);  // fails when there is none, or when it is locked
  if (files_.Move(part, path)) return Written::Yes;
  files_.Delete(part);
  NotWritten(path, kCannotReplaceReason);
  return Written::No;
}

bool Copier::DecodeInto(File* output, const RecordHeader& header, const std::string& path) {
  ControlledOutput controlled(writer_, control_);
  writer_.Begin(output);
  DecodeResult result = decoder_.Decode(stream_, header.size, controlled);
  bool written = writer_.Finish();
  if (controlled.stopped()) return Fail(CopyResult::Stopped, "the copy was stopped");
  if (!written || result.status == DecodeStatus::OutputFailed) {
    return Fail(CopyResult::Failure, "could not write " + path);
  }
  if (result.status == DecodeStatus::ReadError) return Fail(CopyResult::Failure, kReadErrorReason);
  if (result.status != DecodeStatus::Complete || result.size != header.size) {
    return Fail(CopyResult::Failure, "the file set is damaged at " + header.name);
  }
  Advance(header.size);
  stream_.Align();
  return true;
}

void Copier::RestoreTimes(const std::string& path, const platform::FileTimes& times) {
  std::unique_ptr<File> file =
      files_.Open(path, Access::ReadWrite, Share::None, Creation::OpenExisting);
  if (file) file->SetTimes(times);
}

void Copier::Advance(uint32_t size) {
  copied_ += size;
  double fraction = total_ == 0 ? 1.0 : static_cast<double>(copied_) / total_;
  state_.SetProgress(std::min(fraction, 1.0));
}

bool Copier::Fail(CopyResult result, const std::string& reason) {
  if (outcome_.result == CopyResult::Success) {
    outcome_.result = result;
    outcome_.reason = reason;
  }
  return false;
}

}  // namespace

CopyOutcome CopyFiles(FileSetStream& stream, const std::string& installFolder, uint32_t setTotal,
                      CopyState& state, CopyControl* control) {
  Copier copier(stream, installFolder, setTotal, state, control);
  return copier.Run();
}

}  // namespace vorna
