#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "installdata/fileset_codec.h"
#include "installdata/fileset_index.h"
#include "installdata/scramble.h"
#include "tools/pack/authoring/container_writer.h"
#include "tools/pack/authoring/fileset_writer.h"
#include "tools/pack/authoring/host_names.h"
#include "tools/pack/authoring/line_ends.h"
#include "tools/pack/authoring/product_identity.h"
#include "tools/pack/authoring/version_block.h"
#include "tools/pack/build_refusals.h"
#include "tools/pack/check_command.h"
#include "tools/pack/commands.h"
#include "tools/pack/options.h"
#include "tools/pack/output_file.h"
#include "tools/pack/terminal_progress.h"

namespace vorna::pack {

namespace fs = std::filesystem;
using authoring::ContainerEntry;

namespace {

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes;
  if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) throw PackError("cannot read '" + path.string() + "'");
  return bytes;
}

// The codec --codec names: Huffman (the original format) unless told otherwise.
FileSetCodec ChosenCodec(const Options& options) {
  std::string name = options.Optional("codec");
  if (name.empty()) return FileSetCodec::Huffman;
  FileSetCodec codec = CodecNamed(name);
  if (codec == FileSetCodec::Unknown) {
    throw UsageError("unknown codec '" + name + "' (huffman or deflate)");
  }
  return codec;
}

// The entries the image names for itself (codec, index); entry names
// compare without regard to the case of a-z.
bool IsImageEntryName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper == kCodecEntryName || upper == kIndexEntryName;
}

// The codec entry that names the file set's codec. A Huffman image carries
// none, so it stays exactly what it always was.
void AddCodecEntry(std::vector<ContainerEntry>& entries, FileSetCodec codec) {
  if (codec != FileSetCodec::Deflate) return;
  std::string name = kDeflateCodecName;
  entries.push_back({kCodecEntryName, std::vector<uint8_t>(name.begin(), name.end())});
}

// Every regular file of the folder, named by its file name, in name order
// so that the same folder always gives the same image. The codec entry's name
// is the image's own: a file of that name would make the runtime misread the
// file set.
std::vector<ContainerEntry> CollectEntries(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw PackError("the scripts folder '" + folder.string() + "' is not a folder");
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  if (files.empty()) throw PackError("the scripts folder '" + folder.string() + "' holds no files");
  std::sort(files.begin(), files.end());
  std::vector<ContainerEntry> entries;
  for (const fs::path& file : files) {
    if (IsImageEntryName(file.filename().string())) {
      throw PackError("the scripts folder holds '" + file.filename().string() +
                      "': the name is kept for the image's own entry");
    }
    try {
      entries.push_back({authoring::SetNameOf(file.filename().string()), ReadWholeFile(file)});
    } catch (const std::runtime_error& refused) {
      throw PackError(refused.what());
    }
  }
  return entries;
}

// Text entries go in as the runtime reads them, in Windows-1252: a text
// written in UTF-8 is converted (so the checker, too, sees what the runtime
// will), and the packer says so once.
void ConvertTextEntries(std::vector<ContainerEntry>& entries) {
  std::string converted;
  for (ContainerEntry& entry : entries) {
    std::string text(entry.data.begin(), entry.data.end());
    try {
      if (authoring::ConvertTextEntry(entry.name, text) == authoring::TextConversion::FromUtf8) {
        converted += (converted.empty() ? "" : ", ") + authoring::Printable(entry.name);
        entry.data.assign(text.begin(), text.end());
      }
    } catch (const std::runtime_error& refused) {
      throw PackError(refused.what());
    }
  }
  if (!converted.empty()) {
    std::fprintf(stderr, "vorna-pack: text written in UTF-8 stored in Windows-1252: %s\n",
                 converted.c_str());
  }
}

// Container lines end at CR: entries written with LF line ends get CR LF,
// so that scripts edited on any system load line by line. Said once, and
// per entry only when asked to be verbose.
void NormaliseEntries(std::vector<ContainerEntry>& entries, bool verbose) {
  size_t changed = 0;
  for (ContainerEntry& entry : entries) {
    if (!authoring::NormaliseLineEnds(entry.data)) continue;
    ++changed;
    if (verbose) {
      std::fprintf(stderr, "vorna-pack: '%s': lines ending in LF alone stored as CR LF\n",
                   authoring::Printable(entry.name).c_str());
    }
  }
  if (changed > 0 && !verbose) {
    std::fprintf(stderr, "vorna-pack: lines ending in LF alone stored as CR LF in %zu %s\n",
                 changed, changed == 1 ? "entry" : "entries");
  }
}

// The scripts as the checker sees them: the entries about to be packed.
size_t CheckScripts(const std::vector<ContainerEntry>& entries, const std::string& scripts) {
  check::EntrySet set;
  for (const ContainerEntry& entry : entries) set.Add(entry.name, entry.data);
  return ReportCheck(set, FolderPrefix(scripts));
}

// Encodes every file below folder, showing the progress on a terminal and
// the compression at the end.
std::vector<uint8_t> PackFileSet(const std::string& folder, FileSetCodec codec,
                                 std::vector<uint32_t>* recordOffsets) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    throw PackError("the files folder '" + folder + "' is not a folder");
  std::vector<authoring::PayloadFile> files;
  std::vector<uint8_t> fileSet;
  uint64_t total = 0;
  try {
    files = authoring::ListPayload(folder);
    for (const authoring::PayloadFile& file : files) total += file.size;
    TerminalProgress progress("pack", files.size(), total);
    authoring::WriteFileSet(
        files, fileSet, [&](size_t done, uint64_t bytes) { progress.Show(done, bytes); }, codec,
        recordOffsets);
    progress.Done(files.size(), total);
  } catch (const std::runtime_error& failure) {
    throw PackError(failure.what());
  }
  std::printf(
      "file set: %zu files, %s packed into %s (%.1f%%)\n", files.size(), FormatBytes(total).c_str(),
      FormatBytes(fileSet.size()).c_str(),
      total ? 100.0 * static_cast<double>(fileSet.size()) / static_cast<double>(total) : 100.0);
  return fileSet;
}

/// The product's identity the options give; the execution level is admin
/// unless one is named.
authoring::ProductIdentity IdentityFrom(const Options& options) {
  authoring::ProductIdentity identity;
  identity.product = options.Optional("product");
  identity.version = options.Optional("version");
  identity.company = options.Optional("company");
  identity.copyright = options.Optional("copyright");
  if (identity.product.empty()) {
    for (const char* name : {"version", "company", "copyright"}) {
      if (!options.Optional(name).empty()) {
        throw UsageError(std::string("--") + name +
                         " describes the product: name it with --product");
      }
    }
  } else if (identity.version.empty()) {
    throw UsageError("--product needs its --version (1.2.3)");
  } else {
    try {
      authoring::ParseVersionNumbers(identity.version);
    } catch (const std::runtime_error& error) {
      throw PackError(error.what());
    }
  }
  std::string level = options.Optional("execution-level");
  if (!level.empty()) {
    std::optional<authoring::ExecutionLevel> parsed = authoring::ParseExecutionLevel(level);
    if (!parsed)
      throw UsageError("--execution-level is admin, highest or user, not '" + level + "'");
    identity.level = *parsed;
  }
  std::string icon = options.Optional("icon");
  if (!icon.empty()) identity.icon = ReadWholeFile(icon);
  return identity;
}

bool GivesIdentity(const Options& options) {
  for (const char* name : {"product", "icon", "execution-level"}) {
    if (!options.Optional(name).empty()) return true;
  }
  return false;
}

/// Appends the stub with the product's identity in its resources, and asks
/// for the image's checksum. A stand-in whose program headers stop short
/// (the tests' stubs) goes in as it is, with a note, unless an identity is
/// asked for.
void AppendStub(authoring::ImageWriter& writer, const fs::path& stub,
                const authoring::ProductIdentity& identity, bool identityGiven) {
  std::vector<uint8_t> bytes = ReadWholeFile(stub);
  std::optional<authoring::PeFile> program = authoring::PeFile::Parse(bytes);
  if (!program) {
    if (identityGiven) {
      throw PackError("the stub '" + stub.string() +
                      "' has incomplete program headers: it cannot carry the product's identity");
    }
    std::fprintf(stderr,
                 "vorna-pack: the stub '%s' has incomplete program headers: the setup "
                 "carries no version, icon or manifest\n",
                 stub.string().c_str());
    writer.AppendBytes(bytes.data(), bytes.size());
    return;
  }
  if (program->DirectorySize(authoring::PeDirectory::Security) > 0) {
    std::fprintf(stderr,
                 "vorna-pack: the stub's signature was removed: sign the setup after "
                 "packing\n");
  }
  try {
    authoring::PeFile stamped = authoring::StampIdentity(std::move(*program), identity);
    writer.StampChecksum(stamped.checksumOffset());
    writer.AppendBytes(stamped.bytes().data(), stamped.bytes().size());
  } catch (const std::runtime_error& error) {
    throw PackError(error.what());
  }
}

}  // namespace

void BuildCommand(const std::vector<std::string>& args) {
  const Options options =
      ParseOptions(args,
                   {"stub", "scripts", "out", "files", "codec", "product", "version", "company",
                    "copyright", "icon", "execution-level"},
                   {"no-check", "verbose"});
  if (!options.positional.empty()) {
    throw UsageError("unexpected argument '" + options.positional[0] + "'");
  }
  const fs::path stub = options.Required("stub");
  const fs::path scripts = options.Required("scripts");
  const fs::path out = options.Required("out");
  const std::string files = options.Optional("files");
  const FileSetCodec codec = ChosenCodec(options);
  RefuseOutput(out, files);
  RefuseStub(stub, out);
  const authoring::ProductIdentity identity = IdentityFrom(options);

  std::vector<ContainerEntry> entries = CollectEntries(scripts);
  const std::string problem = authoring::CheckEntries(entries);
  if (!problem.empty()) throw PackError(problem);
  ConvertTextEntries(entries);
  if (!options.Has("no-check")) {
    const size_t errors = CheckScripts(entries, scripts.string());
    if (errors > 0) {
      throw PackError("the scripts have " + std::to_string(errors) +
                      (errors == 1 ? " error" : " errors") +
                      ": nothing was packed (--no-check packs them anyway)");
    }
  }
  NormaliseEntries(entries, options.Has("verbose"));
  AddCodecEntry(entries, codec);

  std::error_code error;
  if (out.has_parent_path()) fs::create_directories(out.parent_path(), error);
  OutputFile output(out);
  authoring::ImageWriter writer(output.stream());
  AppendStub(writer, stub, identity, GivesIdentity(options));
  // The set is packed first: its index goes into the container before it.
  std::vector<uint8_t> fileSet;
  if (!files.empty()) {
    std::vector<uint32_t> recordOffsets;
    fileSet = PackFileSet(files, codec, &recordOffsets);
    if (!recordOffsets.empty()) {
      entries.push_back({kIndexEntryName, EncodeFileSetIndex(recordOffsets)});
    }
  }
  writer.AppendContainer(entries, kInstallerKey);
  if (!files.empty()) {
    writer.MarkFileSet();
    writer.AppendBytes(fileSet.data(), fileSet.size());
  }
  writer.Finish();
  output.Commit();
  fs::permissions(out, fs::status(stub, error).permissions(), error);
}

}  // namespace vorna::pack
