#include "tools/debug/source_library.h"

namespace vorna::debug {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      line.push_back(c);
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

const std::vector<std::string>* SourceLibrary::Lines(const std::string& module) {
  auto found = modules_.find(module);
  if (found == modules_.end()) {
    std::optional<std::string> text = loader_(module);
    std::optional<std::vector<std::string>> lines;
    if (text) lines = SplitLines(*text);
    found = modules_.emplace(module, std::move(lines)).first;
  }
  return found->second ? &*found->second : nullptr;
}

std::optional<std::string> SourceLibrary::Line(const std::string& module, long number) {
  const std::vector<std::string>* lines = Lines(module);
  if (lines == nullptr || number < 0 || static_cast<size_t>(number) >= lines->size()) {
    return std::nullopt;
  }
  return (*lines)[static_cast<size_t>(number)];
}

}  // namespace vorna::debug
