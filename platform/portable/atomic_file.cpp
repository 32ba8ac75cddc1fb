#include "platform/portable/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace vorna::platform {

ReadOutcome ReadWholeFile(const std::string& path, std::string* text) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0)
    return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadOutcome::Failed;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return ReadOutcome::Failed;
  *text = content.str();
  return ReadOutcome::Read;
}

namespace {

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t wrote = write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
  std::string pattern = path + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && fsync(fd) == 0;
  // mkstemp makes the file private; the registry file is as readable as any other.
  ok = fchmod(fd, 0644) == 0 && ok;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(name.data(), path.c_str()) == 0;
  if (!ok) unlink(name.data());
  return ok;
}

}  // namespace vorna::platform
