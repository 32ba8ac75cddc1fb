#include "tools/pack/build_refusals.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "installdata/trailer.h"
#include "tools/pack/options.h"

namespace vorna::pack {

namespace fs = std::filesystem;

namespace {

/// Where a Windows program keeps the offset of its PE header.
constexpr std::streamoff kPeOffsetField = 0x3C;

// path itself when it lies below folder (both made absolute and normal).
bool LiesInside(const fs::path& path, const fs::path& folder) {
  std::error_code error;
  fs::path inner = fs::weakly_canonical(fs::absolute(path), error);
  fs::path outer = fs::weakly_canonical(fs::absolute(folder), error);
  auto mismatch = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return mismatch.first == outer.end() && mismatch.second != inner.end();
}

std::vector<uint8_t> ReadAt(std::ifstream& in, std::streamoff offset, size_t size) {
  std::vector<uint8_t> bytes(size);
  in.clear();
  in.seekg(offset);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
    bytes.clear();
  }
  return bytes;
}

bool IsWindowsProgram(std::ifstream& in) {
  std::vector<uint8_t> dos = ReadAt(in, 0, 64);
  if (dos.size() != 64 || dos[0] != 'M' || dos[1] != 'Z') return false;
  uint32_t peOffset = ReadLittleEndian32(dos.data() + kPeOffsetField);
  std::vector<uint8_t> signature = ReadAt(in, peOffset, 4);
  return signature == std::vector<uint8_t>{'P', 'E', 0, 0};
}

bool EndsInTrailer(std::ifstream& in, uint64_t size) {
  if (size < kTrailerSize) return false;
  std::vector<uint8_t> bytes =
      ReadAt(in, static_cast<std::streamoff>(size - kTrailerSize), kTrailerSize);
  Trailer trailer;
  return bytes.size() == kTrailerSize && DecodeTrailer(bytes.data(), &trailer);
}

}  // namespace

void RefuseOutput(const fs::path& out, const std::string& files) {
  std::error_code error;
  if (fs::is_directory(out, error)) {
    throw PackError("the output '" + out.string() + "' is a folder: name the setup file to write");
  }
  if (!files.empty() && LiesInside(out, files)) {
    throw PackError("the output '" + out.string() + "' lies inside the files folder '" + files +
                    "': it would be packed into itself");
  }
}

void RefuseStub(const fs::path& stub, const fs::path& out) {
  std::error_code error;
  std::ifstream in(stub, std::ios::binary);
  if (!fs::is_regular_file(stub, error) || !in) {
    throw PackError("cannot read the stub '" + stub.string() + "'");
  }
  if (fs::exists(out, error) && fs::equivalent(stub, out, error)) {
    throw PackError("the stub '" + stub.string() + "' is the output: the runtime would be " +
                    "overwritten");
  }
  if (!IsWindowsProgram(in)) {
    throw PackError("the stub '" + stub.string() + "' is no Windows program (no MZ and PE " +
                    "headers): give the runtime vorna.exe");
  }
  if (EndsInTrailer(in, fs::file_size(stub, error))) {
    throw PackError("the stub '" + stub.string() + "' is a packed setup already: give the " +
                    "runtime vorna.exe");
  }
}

}  // namespace vorna::pack
