// Fuzz target: arbitrary bytes as the file set of an install image, copied
// with the runtime's copy into C:\Apps, once as a Huffman set and once as a
// deflate set (an image whose container names the codec), and once more as a
// Huffman set with an index on two workers.
//
// The machine is an in-memory file system that checks every change against
// the install folder: a write, move, delete or folder creation anywhere else
// aborts the run. The copy must end (success or failure) for every input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "installdata/copy_files.h"
#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_codec.h"
#include "installdata/fileset_index.h"
#include "installdata/fileset_stream.h"
#include "installdata/scramble.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "tests/fuzz/memory_file.h"
#include "tools/pack/authoring/container_writer.h"

namespace {

using namespace vorna;
using namespace vorna::platform;

constexpr char kImage[] = "C:\\SETUP.EXE";
constexpr char kFolder[] = "C:\\APPS";

// The path with "." and ".." resolved and case folded, as Windows would see it.
std::string Canonical(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = 0; i <= path.size(); ++i) {
    char c = i < path.size() ? path[i] : '\\';
    if (c == '\\' || c == '/') {
      while (!part.empty() && (part.back() == '.' || part.back() == ' ') && part != "." &&
             part != "..") {
        part.pop_back();
      }
      if (part == "..") {
        if (parts.size() > 1) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
  }
  std::string text;
  for (const std::string& p : parts) text += (text.empty() ? "" : "\\") + p;
  return text;
}

bool Inside(const std::string& path) {
  std::string canonical = Canonical(path);
  return canonical.compare(0, sizeof kFolder, std::string(kFolder) + "\\") == 0;
}

void MustBeInside(const std::string& path) {
  if (!Inside(path)) {
    std::fprintf(stderr, "changed outside the install folder: %s\n", path.c_str());
    std::abort();
  }
}

using fuzz::MemoryFile;

class CheckingFileSystem : public FileSystem {
 public:
  std::vector<uint8_t> image;

  std::unique_ptr<File> Open(const std::string& path, Access access, Share,
                             Creation creation) override {
    if (Canonical(path) == Canonical(kImage)) return std::make_unique<MemoryFile>(&image);
    bool changes = (static_cast<unsigned>(access) & static_cast<unsigned>(Access::Write)) ||
                   creation != Creation::OpenExisting;
    if (changes) MustBeInside(path);
    if (creation == Creation::OpenExisting && !files_.count(Canonical(path))) return nullptr;
    files_.insert(Canonical(path));
    return std::make_unique<MemoryFile>(nullptr);
  }
  std::unique_ptr<File> OpenNullSink() override { return std::make_unique<MemoryFile>(nullptr); }
  bool Delete(const std::string& path) override {
    MustBeInside(path);
    return files_.erase(Canonical(path)) > 0;
  }
  bool Move(const std::string& from, const std::string& to) override {
    MustBeInside(from);
    MustBeInside(to);
    if (!files_.erase(Canonical(from)) || files_.count(Canonical(to))) return false;
    files_.insert(Canonical(to));
    return true;
  }
  bool Replace(const std::string& from, const std::string& to) override {
    MustBeInside(from);
    MustBeInside(to);
    if (!files_.erase(Canonical(from))) return false;
    files_.insert(Canonical(to));
    return true;
  }
  std::unique_ptr<File> CreateTemporary(const std::string& folder, const std::string& prefix,
                                        std::string* path) override {
    *path = folder + "\\" + prefix + std::to_string(++temporaries_);
    MustBeInside(*path);
    files_.insert(Canonical(*path));
    return std::make_unique<MemoryFile>(nullptr);
  }
  int DeleteStartingWith(const std::string& folder, const std::string&) override {
    MustBeInside(folder + "\\x");
    return 0;
  }
  bool IsLinkFree(const std::string&, const std::string&) override { return true; }
  PathFacts Inspect(const std::string& path) override {
    PathFacts facts;
    facts.kind = files_.count(Canonical(path)) ? PathKind::File : PathKind::Missing;
    return facts;
  }
  bool Exists(const std::string& path) override { return files_.count(Canonical(path)) > 0; }
  bool CreateFolder(const std::string& path) override {
    // The chain up to the install folder may be created, and anything below it.
    std::string canonical = Canonical(path);
    if (std::string(kFolder).compare(0, canonical.size(), canonical) != 0) MustBeInside(path);
    return true;
  }
  bool RemoveFolder(const std::string& path) override {
    MustBeInside(path);
    return false;
  }
  bool SetCurrentFolder(const std::string&) override { return false; }
  bool IsFolder(const std::string&) override { return false; }
  std::string ProgramPath() override { return kImage; }
  DriveType GetDriveType(const std::string&) override { return DriveType::Fixed; }
  bool VolumeLabel(const std::string&, std::string*) override { return false; }
  bool FreeSpace(const std::string&, uint64_t*) override { return false; }

  void Clear() { files_.clear(); }

 private:
  std::set<std::string> files_;
  int temporaries_ = 0;
};

class SilentInteraction : public Interaction {
 public:
  int MessageBox(Owner, const std::string&, const std::string&, unsigned) override {
    return id::Cancel;
  }
  ErrorAnswer ErrorDialog(const ErrorReport&) override { return ErrorAnswer::Abort; }
};

// An index the input suggests: record offsets from 4 on, each step one
// more than an input byte. Mostly it misses the real records, which the copy
// must notice; sometimes it hits them.
std::vector<uint8_t> IndexFrom(const uint8_t* data, size_t size) {
  std::vector<uint32_t> offsets;
  uint32_t offset = 4;
  for (size_t i = 4; i < size && offset < size && offsets.size() < 64; ++i) {
    offsets.push_back(offset);
    offset += 1u + data[i];
  }
  return EncodeFileSetIndex(offsets);
}

// The image as the packer writes it: a stub, the container (the codec entry
// of a deflate image, the index when there is one), the file set and the
// trailer that locates both.
void WriteImage(std::vector<uint8_t>& image, const uint8_t* data, size_t size, FileSetCodec codec,
                const std::vector<uint8_t>& index) {
  std::vector<authoring::ContainerEntry> entries;
  if (codec == FileSetCodec::Deflate) {
    entries.push_back({kCodecEntryName,
                       std::vector<uint8_t>(kDeflateCodecName, std::end(kDeflateCodecName) - 1)});
  }
  if (!index.empty()) entries.push_back({kIndexEntryName, index});
  std::ostringstream out;
  authoring::ImageWriter writer(out);
  writer.AppendBytes("MZ", 2);
  writer.AppendContainer(entries, ContainerKey());
  writer.MarkFileSet();
  writer.AppendBytes(data, size);
  writer.Finish();
  const std::string bytes = out.str();
  image.assign(bytes.begin(), bytes.end());
}

void CopyAs(CheckingFileSystem& files, const uint8_t* data, size_t size, FileSetCodec codec,
            int workers) {
  files.Clear();
  std::vector<uint8_t> index = workers > 1 ? IndexFrom(data, size) : std::vector<uint8_t>();
  WriteImage(files.image, data, size, codec, index);
  FileSetStream stream(platform::Current(), kImage);
  if (!stream.Open() || stream.Locate() != FileSetPlace::Found) return;
  if (stream.codec() != codec) std::abort();
  uint32_t total = ReadSetTotal(stream);
  CopyState state;
  CopyFiles(stream, kFolder, total, state, nullptr, workers);
  if (!state.Ended()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static CheckingFileSystem files;
  static SilentInteraction interaction;
  static bool installed = false;
  if (!installed) {
    Platform machine;
    machine.files = &files;
    machine.interaction = &interaction;
    SetPlatform(machine);
    SetContainerKey(kInstallerKey);
    installed = true;
  }
  // The input is the file set, read with each codec, and with two workers
  // over an index it suggests.
  CopyAs(files, data, size, FileSetCodec::Huffman, 1);
  CopyAs(files, data, size, FileSetCodec::Deflate, 1);
  CopyAs(files, data, size, FileSetCodec::Huffman, 2);
  return 0;
}
