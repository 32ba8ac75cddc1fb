#include "installdata/copy_files.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/install_paths.h"
#include "installdata/overlapped_writer.h"
#include "installdata/record_decoder.h"
#include "installdata/record_names.h"
#include "installdata/record_source.h"
#include "platform/code_page.h"
#include "platform/install_events.h"
#include "platform/platform.h"

namespace vorna {

namespace {

using platform::Access;
using platform::Creation;
using platform::File;
using platform::Share;

constexpr size_t kPathLimit = 259;  // the longest path a Windows program can open
constexpr char kReadErrorReason[] = "the install disk could not be read";
constexpr char kTemporaryStem[] = "~vorna-";
constexpr char kKeptReason[] = "the file on disk is as new as the packed one or newer";

// Passes blocks on, lets the copy pause or stop between them, and counts
// each block handed on as copied, so the progress moves through a large file.
class ControlledOutput : public DecodeOutput {
 public:
  ControlledOutput(DecodeOutput& inner, CopyControl* control, std::function<void(size_t)> copied)
      : inner_(inner), control_(control), copied_(std::move(copied)) {}
  bool Put(const uint8_t* bytes, size_t size) override {
    if (control_ && !control_->Continue()) {
      stopped_ = true;
      return false;
    }
    if (!inner_.Put(bytes, size)) return false;
    copied_(size);
    return true;
  }
  bool stopped() const { return stopped_; }

 private:
  DecodeOutput& inner_;
  CopyControl* control_;
  std::function<void(size_t)> copied_;
  bool stopped_ = false;
};

size_t LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}

// What the destination holds before a record is written.
enum class Existing {
  Missing,       // nothing: the record is written
  Older,         // a file older than the record: it is replaced
  AsNewOrNewer,  // a file at least as new: it is kept
  Folder,        // a folder in the file's place: not written
  Unreadable,    // something whose times cannot be read: not written
};

class Copier {
 public:
  Copier(FileSetStream& stream, const std::string& folder, uint32_t total, CopyState& state,
         CopyControl* control, int workers)
      : stream_(stream),
        folder_(WithTrailingSeparator(folder)),
        total_(total),
        state_(state),
        control_(control),
        machine_(stream.machine()),
        files_(*machine_.files),
        source_(MakeRecordSource(stream, workers)) {}

  CopyOutcome Run();

 private:
  void CopyRecord(const RecordHeader& header);
  bool Refuse(const RecordHeader& header, const std::string& reason);
  bool ConsumeAs(const RecordHeader& header, const std::string& path, RecordFate fate,
                 const std::string& reason = "");
  Existing Examine(const std::string& path, platform::FileTime recordWrite);
  void MakeFolders(const std::string& folder);
  void Place(const std::string& path, const RecordHeader& header);
  bool WriteNew(const std::string& path, const RecordHeader& header, platform::FileChange change);
  void PutInPlace(const std::string& temporary, const std::string& path, const RecordHeader& header,
                  bool timed, platform::FileChange change);
  void Report(const RecordHeader& header, const std::string& path, RecordFate fate,
              const std::string& reason = "");
  bool DecodeInto(File* output, const RecordHeader& header, const std::string& path);
  bool Consume(const RecordHeader& header, const std::string& path);
  void Advance(uint64_t copied);
  bool Fail(CopyResult result, const std::string& reason);
  void FailOnUnwrittenRecords();

  FileSetStream& stream_;
  std::string folder_;
  uint32_t total_;
  CopyState& state_;
  CopyControl* control_;
  const platform::Platform& machine_;
  platform::FileSystem& files_;
  std::unique_ptr<RecordSource> source_;
  OverlappedWriter writer_;
  uint64_t copied_ = 0;
  CopyOutcome outcome_;
  // Folders this copy has made or found on its way, and of them those it
  // made itself (which cannot hold a killed run's temporary files).
  std::set<std::string> knownFolders_;
  std::set<std::string> madeFolders_;
};

CopyOutcome Copier::Run() {
  state_.SetCurrentFile(folder_);
  if (total_ == 0) state_.SetCopied(0, 0);  // nothing to copy is all copied
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
    HeaderStatus status = source_->NextHeader(&header);
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
  FailOnUnwrittenRecords();
  outcome_.decodedAhead = source_->decodedAhead();
  source_.reset();  // no helper decodes on once the copy has ended
  state_.MarkEnd();
  return outcome_;
}

void Copier::FailOnUnwrittenRecords() {
  size_t refused = outcome_.Reports(RecordFate::Refused).size();
  size_t notWritten = outcome_.Reports(RecordFate::NotWritten).size();
  if (refused + notWritten == 0) return;
  std::string reason;
  if (refused > 0) reason = std::to_string(refused) + " record(s) refused";
  if (notWritten > 0) {
    reason += (reason.empty() ? "" : ", ") + std::to_string(notWritten) + " not written";
  }
  Fail(CopyResult::Failure, reason);
}

void Copier::CopyRecord(const RecordHeader& header) {
  std::string path = folder_ + header.name;
  state_.SetCurrentFile(path);
  NameVerdict verdict = CheckRecordName(header.name);
  if (verdict != NameVerdict::Accepted) {
    Refuse(header, DescribeVerdict(verdict));
  } else if (path.size() > kPathLimit) {
    Refuse(header, "a path too long");
  } else if (!files_.IsLinkFree(folder_, header.name)) {
    Refuse(header, "a link or junction in its path");
  } else {
    MakeFolders(path.substr(0, LastSeparator(path)));
    Place(path, header);
  }
}

void Copier::Place(const std::string& path, const RecordHeader& header) {
  switch (Existing existing = Examine(path, header.times.lastWrite)) {
    case Existing::Missing:
    case Existing::Older:
      WriteNew(
          path, header,
          existing == Existing::Older ? platform::FileChange::Replaced : platform::FileChange::New);
      return;
    case Existing::AsNewOrNewer:
      // The file on disk may be the user's own edit: neither its content nor
      // its times change, so the next install keeps it as well.
      ConsumeAs(header, path, RecordFate::Kept);
      return;
    case Existing::Folder:
      ConsumeAs(header, path, RecordFate::NotWritten, "a folder is in its place");
      return;
    case Existing::Unreadable:
      ConsumeAs(header, path, RecordFate::NotWritten, "the file there could not be examined");
      return;
  }
}

bool Copier::Refuse(const RecordHeader& header, const std::string& reason) {
  return ConsumeAs(header, folder_ + header.name, RecordFate::Refused, reason);
}

bool Copier::ConsumeAs(const RecordHeader& header, const std::string& path, RecordFate fate,
                       const std::string& reason) {
  if (!Consume(header, path)) return false;
  Report(header, path, fate, reason);
  return true;
}

void Copier::Report(const RecordHeader& header, const std::string& path, RecordFate fate,
                    const std::string& reason) {
  outcome_.reports.push_back(RecordReport{header.name, fate, reason});
  switch (fate) {
    case RecordFate::Written:  // told with its change by PutInPlace
      return;
    case RecordFate::Kept:
      platform::Emit(machine_, platform::event::FileKept{path, kKeptReason});
      return;
    case RecordFate::Refused:
      platform::Emit(machine_, platform::event::FileRefused{header.name, reason});
      return;
    case RecordFate::NotWritten:
      platform::Emit(machine_, platform::event::FileNotWritten{path, reason});
      return;
  }
}

void Copier::MakeFolders(const std::string& folder) {
  // Each folder of the chain is created once per copy: the records of one
  // folder follow each other, and a second attempt could only fail again.
  if (knownFolders_.count(folder)) return;
  for (size_t i = 0; i <= folder.size(); ++i) {
    if (i < folder.size() && folder[i] != '\\' && folder[i] != '/') continue;
    std::string step = folder.substr(0, i);
    if (!knownFolders_.insert(step).second) continue;
    if (CreateReportedFolder(machine_, step)) madeFolders_.insert(step);
  }
}

Existing Copier::Examine(const std::string& path, platform::FileTime recordWrite) {
  // One look at the path, which follows no link: only the kind and the last
  // write time matter here.
  platform::PathFacts facts = files_.Inspect(path);
  switch (facts.kind) {
    case platform::PathKind::Missing:
      return Existing::Missing;
    case platform::PathKind::File:
      return facts.lastWrite < recordWrite ? Existing::Older : Existing::AsNewOrNewer;
    case platform::PathKind::Folder:
      return Existing::Folder;
    case platform::PathKind::Link:
    case platform::PathKind::Unknown:
      break;
  }
  return Existing::Unreadable;
}

bool Copier::Consume(const RecordHeader& header, const std::string& path) {
  std::unique_ptr<File> sink = files_.OpenNullSink();
  return DecodeInto(sink.get(), header, path);
}

bool Copier::WriteNew(const std::string& path, const RecordHeader& header,
                      platform::FileChange change) {
  size_t separator = LastSeparator(path);
  std::string folder = path.substr(0, separator + 1);
  std::string prefix = TemporaryPrefix(path.substr(separator + 1));
  // Left by a run that was killed; a folder this copy made holds none.
  if (!madeFolders_.count(path.substr(0, separator))) files_.DeleteStartingWith(folder, prefix);
  std::string temporary;
  std::unique_ptr<File> output = files_.CreateTemporary(folder, prefix, &temporary);
  if (!output) {
    return ConsumeAs(header, path, RecordFate::NotWritten,
                     "no temporary file could be created beside it");
  }
  bool decoded = DecodeInto(output.get(), header, path);
  // The times go on before the file takes its place, so that it is never
  // seen with the time of the copy (which would make it look newer).
  bool timed = decoded && output->SetTimes(header.times);
  output.reset();
  if (!decoded) {
    files_.Delete(temporary);
    return false;
  }
  PutInPlace(temporary, path, header, timed, change);
  return true;
}

void Copier::PutInPlace(const std::string& temporary, const std::string& path,
                        const RecordHeader& header, bool timed, platform::FileChange change) {
  const char* problem = nullptr;
  if (!timed) {
    problem = "its times could not be set";
  } else if (!files_.Replace(temporary, path)) {
    problem = "the file there could not be replaced";
  }
  if (problem) {
    files_.Delete(temporary);
    Report(header, path, RecordFate::NotWritten, problem);
    return;
  }
  Report(header, path, RecordFate::Written);
  platform::Emit(machine_,
                 platform::event::FileWritten{path, change, header.size, header.times.lastWrite});
}

bool Copier::DecodeInto(File* output, const RecordHeader& header, const std::string& path) {
  const uint64_t start = copied_;
  ControlledOutput controlled(writer_, control_, [&](size_t size) { Advance(copied_ + size); });
  writer_.Begin(output);
  DecodeResult result = source_->Decode(header.size, controlled);
  bool written = writer_.Finish();
  if (controlled.stopped()) return Fail(CopyResult::Stopped, "the copy was stopped");
  if (!written || result.status == DecodeStatus::OutputFailed) {
    return Fail(CopyResult::Failure, "could not write " + path);
  }
  if (result.status == DecodeStatus::ReadError) return Fail(CopyResult::Failure, kReadErrorReason);
  if (result.status != DecodeStatus::Complete || result.size != header.size) {
    return Fail(CopyResult::Failure, "the file set is damaged at " + header.name);
  }
  Advance(start + header.size);
  return true;
}

void Copier::Advance(uint64_t copied) {
  copied_ = copied;
  state_.SetCopied(copied_, total_);
}

bool Copier::Fail(CopyResult result, const std::string& reason) {
  if (outcome_.result == CopyResult::Success) {
    outcome_.result = result;
    outcome_.reason = reason;
  }
  return false;
}

}  // namespace

std::vector<RecordReport> CopyOutcome::Reports(RecordFate fate) const {
  std::vector<RecordReport> chosen;
  for (const RecordReport& report : reports) {
    if (report.fate == fate) chosen.push_back(report);
  }
  return chosen;
}

std::string TemporaryPrefix(const std::string& name) {
  // FNV-1a over the upper-cased name: the same for every spelling Windows
  // takes as the same name.
  uint32_t hash = 2166136261u;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(platform::AnsiUpper(c));
    hash *= 16777619u;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string prefix = kTemporaryStem;
  for (int shift = 28; shift >= 0; shift -= 4) prefix += kHex[(hash >> shift) & 15];
  return prefix + "-";
}

CopyOutcome CopyFiles(FileSetStream& stream, const std::string& installFolder, uint32_t setTotal,
                      CopyState& state, CopyControl* control, int workers) {
  Copier copier(stream, installFolder, setTotal, state, control, workers);
  return copier.Run();
}

}  // namespace vorna
