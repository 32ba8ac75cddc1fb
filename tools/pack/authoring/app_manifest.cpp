#include "tools/pack/authoring/app_manifest.h"

namespace vorna::authoring {

namespace {

// The supportedOS ids of Windows Vista, 7, 8, 8.1 and 10/11.
constexpr const char* kSupportedSystems[] = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
};

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::optional<ExecutionLevel> ParseExecutionLevel(const std::string& word) {
  if (word == "admin") return ExecutionLevel::Admin;
  if (word == "highest") return ExecutionLevel::Highest;
  if (word == "user") return ExecutionLevel::User;
  return std::nullopt;
}

const char* LevelAttribute(ExecutionLevel level) {
  switch (level) {
    case ExecutionLevel::Admin:
      return "requireAdministrator";
    case ExecutionLevel::Highest:
      return "highestAvailable";
    case ExecutionLevel::User:
      break;
  }
  return "asInvoker";
}

std::string ManifestText(ExecutionLevel level, const std::string& description) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
      "  <description>" +
      Escaped(description) +
      "</description>\r\n"
      "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">\r\n"
      "    <security>\r\n"
      "      <requestedPrivileges>\r\n"
      "        <requestedExecutionLevel level=\"" +
      LevelAttribute(level) +
      "\" uiAccess=\"false\"/>\r\n"
      "      </requestedPrivileges>\r\n"
      "    </security>\r\n"
      "  </trustInfo>\r\n"
      "  <compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">\r\n"
      "    <application>\r\n";
  for (const char* id : kSupportedSystems) {
    text += std::string("      <supportedOS Id=\"") + id + "\"/>\r\n";
  }
  return text +
         "    </application>\r\n"
         "  </compatibility>\r\n"
         "</assembly>\r\n";
}

std::optional<std::string> ManifestLevel(const std::string& manifest) {
  size_t element = manifest.find("requestedExecutionLevel");
  if (element == std::string::npos) return std::nullopt;
  size_t level = manifest.find("level=\"", element);
  if (level == std::string::npos) return std::nullopt;
  size_t start = level + 7, end = manifest.find('"', start);
  if (end == std::string::npos) return std::nullopt;
  return manifest.substr(start, end - start);
}

}  // namespace vorna::authoring
