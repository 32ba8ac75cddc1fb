#include "platform/portable/portable_shell.h"

#include <ostream>
#include <vector>

#include "platform/portable/shell_link_file.h"

namespace vorna::platform {

namespace {

// HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND): the link's folder does not exist.
constexpr HResult kHrPathNotFound = static_cast<HResult>(0x80070003);

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAbsoluteDrivePath(const std::string& path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

char Fold(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

/// The folder and file names of an absolute drive path, below its root.
std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 3;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  return parts;
}

std::string Join(const std::vector<std::string>& parts, size_t from) {
  std::string text;
  for (size_t i = from; i < parts.size(); ++i) text += (text.empty() ? "" : "\\") + parts[i];
  return text;
}

}  // namespace

std::string NormalizeWindowsPath(const std::string& path) {
  std::string text = path;
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  if (!IsAbsoluteDrivePath(text)) return text;
  return text.substr(0, 3) + Join(PathParts(text), 0);
}

std::string RelativeLinkTarget(const std::string& linkPath, const std::string& target) {
  std::string to = NormalizeWindowsPath(target);
  if (!IsAbsoluteDrivePath(to)) return to;
  std::string from = NormalizeWindowsPath(linkPath);
  if (!IsAbsoluteDrivePath(from) || Fold(from[0]) != Fold(to[0])) return std::string();
  std::vector<std::string> folder = PathParts(from);
  if (!folder.empty()) folder.pop_back();  // the link file's own name
  std::vector<std::string> targetParts = PathParts(to);
  size_t common = 0;
  while (common < folder.size() && common < targetParts.size() &&
         SameName(folder[common], targetParts[common])) {
    ++common;
  }
  std::string relative;
  for (size_t i = common; i < folder.size(); ++i) relative += "..\\";
  if (relative.empty()) relative = ".\\";
  return relative + Join(targetParts, common);
}

PortableShell::PortableShell(PortableFileSystem& files, std::ostream& diagnostics)
    : files_(files), diagnostics_(diagnostics) {}

HResult PortableShell::CreateShortcut(const std::string& target, const std::string& linkPath,
                                      const std::string& description) {
  // Windows converts the path into a buffer of MAX_PATH characters, and a
  // path that does not fit is refused before anything is written.
  if (linkPath.size() > PortableFileSystem::kMaxPath) {
    diagnostics_ << "shortcut not written: the path is longer than " << PortableFileSystem::kMaxPath
                 << " characters: " << linkPath << "\n";
    return kHrInvalidArg;
  }
  const Sandbox& sandbox = files_.sandbox();
  std::optional<WindowsPath> linkFile = sandbox.Resolve(linkPath);
  if (!linkFile) {
    diagnostics_ << "shortcut not written: no drive holds " << linkPath << "\n";
    return kHrPathNotFound;
  }
  // The target becomes a full path as the shell's link object makes it; one
  // that no drive holds (a network path) is kept as written.
  std::optional<WindowsPath> resolvedTarget = sandbox.Resolve(target);
  std::string targetPath = resolvedTarget ? resolvedTarget->Text() : NormalizeWindowsPath(target);
  ShellLink link;
  if (resolvedTarget) link.localBasePath = targetPath;
  link.relativePath = RelativeLinkTarget(linkFile->Text(), targetPath);
  link.description = description;
  std::optional<std::vector<uint8_t>> bytes = EncodeShellLink(link);
  if (!bytes) return kHrInvalidArg;
  return WriteLink(*bytes, *linkFile, targetPath, description);
}

HResult PortableShell::WriteLink(const std::vector<uint8_t>& bytes, const WindowsPath& linkFile,
                                 const std::string& targetPath, const std::string& description) {
  std::unique_ptr<File> out =
      files_.Open(linkFile.Text(), Access::Write, Share::None, Creation::CreateAlways);
  if (!out) {
    diagnostics_ << "shortcut not written: cannot create " << linkFile.Text() << "\n";
    WindowsPath folder = linkFile;
    if (!folder.parts.empty()) folder.parts.pop_back();
    return files_.IsFolder(folder.Text()) ? kHrAccessDenied : kHrPathNotFound;
  }
  if (!out->Write(bytes.data(), bytes.size())) {
    out.reset();
    files_.Delete(linkFile.Text());  // half a link is no link
    diagnostics_ << "shortcut not written: cannot write " << linkFile.Text() << "\n";
    return kHrAccessDenied;
  }
  diagnostics_ << "shortcut " << linkFile.Text() << " -> " << targetPath << " \"" << description
               << "\"\n";
  return kHrOk;
}

bool PortableShell::RegisterLibrary(const std::string& path, LibraryAction action) {
  const char* what = action == LibraryAction::Register ? "register" : "unregister";
  diagnostics_ << "library not " << what << "ed: the sandbox cannot load " << path
               << "; reported as failed\n";
  return false;
}

}  // namespace vorna::platform
