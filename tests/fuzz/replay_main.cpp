// The main of a fuzz target in the ordinary builds: hands every file of the
// folders (or the files) named on the command line to the target's entry
// point, once each, in name order. A crash, a sanitizer report or an abort
// fails the run, so ctest catches a kept input that breaks again. README
// files, which say what a folder holds, are not inputs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

/// The input files a command-line argument names; a missing folder names none.
std::vector<fs::path> InputsOf(const fs::path& argument) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(argument)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
      if (entry.is_regular_file() && entry.path().filename().string().rfind("README", 0) != 0) {
        inputs.push_back(entry.path());
      }
    }
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(argument)) {
    inputs.push_back(argument);
  }
  return inputs;
}

bool Replay(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  // An empty input still gets a valid pointer, as libFuzzer gives it.
  static const uint8_t kNothing = 0;
  LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : InputsOf(argv[i])) {
      // Named first, so that the input of a crash is the last one printed.
      std::fprintf(stderr, "replay: %s\n", input.string().c_str());
      if (!Replay(input)) {
        std::fprintf(stderr, "replay: cannot read %s\n", input.string().c_str());
        return 1;
      }
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
