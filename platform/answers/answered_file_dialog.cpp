#include "platform/answers/answered_file_dialog.h"

#include <cstring>
#include <vector>

namespace vorna::platform {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsEmpty(const char* text) {
  return text == nullptr || *text == '\0';
}

/// True for "C:..." and for paths that start at a root ("\dir").
bool IsAbsolute(const std::string& path) {
  if (!path.empty() && IsSeparator(path[0])) return true;
  return path.size() >= 2 && path[1] == ':';
}

/// Where the name starts: after the last separator or drive colon.
size_t NameStart(const std::string& path) {
  size_t at = path.find_last_of("\\/:");
  return at == std::string::npos ? 0 : at + 1;
}

std::vector<std::string> Details(const FileDialogRecord& record) {
  std::vector<std::string> details;
  std::string filter = DescribeFilter(record.filter);
  if (!filter.empty()) details.push_back("filter: " + filter);
  if (!IsEmpty(record.initialDir)) details.push_back(std::string("folder: ") + record.initialDir);
  if (!IsEmpty(record.file)) details.push_back(std::string("file: ") + record.file);
  if (!IsEmpty(record.defaultExtension)) {
    details.push_back(std::string("default extension: ") + record.defaultExtension);
  }
  return details;
}

}  // namespace

std::string DescribeFilter(const char* filter) {
  std::string line;
  if (filter == nullptr) return line;
  // Pairs of description and pattern until an empty description.
  while (*filter != '\0') {
    const char* pattern = filter + std::strlen(filter) + 1;
    if (!line.empty()) line += ", ";
    line += std::string(filter) + " (" + pattern + ")";
    if (*pattern == '\0') break;
    filter = pattern + std::strlen(pattern) + 1;
  }
  return line;
}

bool FillFileDialogRecord(FileDialogRecord& record, std::string path) {
  if (!IsAbsolute(path) && !IsEmpty(record.initialDir)) {
    std::string folder = record.initialDir;
    if (!IsSeparator(folder.back())) folder += '\\';
    path = folder + path;
  }
  size_t nameStart = NameStart(path);
  if (!IsEmpty(record.defaultExtension) && path.find('.', nameStart) == std::string::npos) {
    path += std::string(".") + record.defaultExtension;
  }
  if (record.file == nullptr || path.size() + 1 > record.maxFile) return false;
  std::memcpy(record.file, path.c_str(), path.size() + 1);
  std::string name = path.substr(nameStart);
  if (record.fileTitle != nullptr && name.size() + 1 <= record.maxFileTitle) {
    std::memcpy(record.fileTitle, name.c_str(), name.size() + 1);
  }
  size_t dot = name.rfind('.');
  record.fileOffset = static_cast<uint16_t>(nameStart);
  record.fileExtension = static_cast<uint16_t>(dot == std::string::npos ? 0 : nameStart + dot + 1);
  return true;
}

bool AskFileDialog(AnswerSource& answers, FileDialogKind kind, FileDialogRecord& record) {
  bool open = kind == FileDialogKind::Open;
  std::string title = IsEmpty(record.title) ? (open ? "Open" : "Save As") : record.title;
  TextQuestion question{open ? question::kOpenFile : question::kSaveFile, title, Details(record)};
  // OK with no name is no choice: the dialog would stay open.
  std::optional<std::string> path = answers.AskText(question);
  return path && !path->empty() && FillFileDialogRecord(record, *path);
}

}  // namespace vorna::platform
