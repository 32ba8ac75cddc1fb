// Checks the Windows registry, shortcut and library registration services on
// a real Windows (Wine): what the install scripts rely on, through the same
// code the runtime uses. Prints one line per check and "N passed, M failed".
//
// Usage: services_check [LINK_FOLDER]   (default C:\vorna-services-check)
// Expects HKCU\Software\VornaPrepared "Value" = "prepared by reg add".
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "install/library_registration.h"
#include "install/registry_access.h"
#include "install/registry_key.h"
#include "install/shell_folder_lookup.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/shell_link_file.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "values/errors.h"

namespace {

using namespace vorna;

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& name, const std::string& detail = "") {
  (ok ? passed : failed)++;
  std::printf("%s: %s%s%s\n", ok ? "PASS" : "FAIL", name.c_str(), detail.empty() ? "" : " -- ",
              detail.c_str());
}

/// The script error a call raised, or 0.
template <typename Call>
int RaisedBy(Call call) {
  try {
    call();
  } catch (errorNumbers number) {
    return static_cast<int>(number);
  }
  return 0;
}

/// A value's text as the install scripts read it, and the script error the
/// reading raised (0 when none).
std::pair<int, std::string> ReadText(const std::string& key, const std::string& name) {
  std::string text;
  int error = RaisedBy([&] { text = ReadRegistryText(*platform::Current().registry, key, name); });
  return {error, text};
}

bool SameText(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\'));
}

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

void CheckRegistry() {
  const char* path = "HKEY_CURRENT_USER\\Software\\VornaServicesCheck\\Deep\\Er";
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornaServicesCheck");
  RegistryKey key(*platform::Current().registry);
  Check(!key.Open(path, KeyCreation::OpenExisting), "a missing key does not open without creation");
  Check(RaisedBy([&] {
          WriteRegistryText(platform::Current(), path, "Value", "written by services_check");
        }) == 0,
        "a value is written below keys that did not exist");
  Check(RaisedBy([&] { WriteRegistryText(platform::Current(), path, "", "default"); }) == 0,
        "the default value is written");
  auto read = ReadText(path, "VALUE");
  Check(read.second == "written by services_check", "the written value reads back", read.second);
  auto prepared = ReadText("HKEY_CURRENT_USER\\Software\\VornaPrepared", "Value");
  Check(prepared == std::make_pair(0, std::string("prepared by reg add")),
        "a value prepared with reg add is read", prepared.second);
  const int illegalUse = static_cast<int>(errorNumbers::IllegalUse);
  Check(ReadText("HKEY_CURRENT_USER\\Software\\VornaNoSuchKey", "V").first == illegalUse,
        "a missing key raises Illegal Use");
  Check(ReadText(path, "NoSuchValue").first == illegalUse, "a missing value raises Illegal Use");
}

void CheckRegistration() {
  std::string folder = ProgramFolder() + "\\";
  std::string registering = folder + "registering_library.dll";
  const char* key = "HKEY_CURRENT_USER\\Software\\VornaTestLibrary";
  Check(RegisterLibrary(platform::Current(), registering, platform::LibraryAction::Register),
        "a library registers itself");
  std::string value = ReadText(key, "Registered").second;
  Check(value == "yes", "its DllRegisterServer wrote its value", value);
  Check(GetModuleHandleA("registering_library.dll") == nullptr,
        "the library is unloaded afterwards");
  Check(RegisterLibrary(platform::Current(), registering, LibraryActionFromMode("unregister")),
        "the library unregisters itself");
  Check(ReadText(key, "Registered").first != 0, "its DllUnregisterServer removed the value");
  std::string plain = folder + "plain_library.dll";
  Check(!RegisterLibrary(platform::Current(), plain, platform::LibraryAction::Register),
        "a library without DllRegisterServer fails");
  Check(GetModuleHandleA("plain_library.dll") == nullptr, "and is left unloaded");
  Check(!RegisterLibrary(platform::Current(), folder + "failing_library.dll",
                         platform::LibraryAction::Register),
        "a library reporting failure fails");
  Check(!RegisterLibrary(platform::Current(), folder + "no_such_library.dll",
                         platform::LibraryAction::Register),
        "a missing library fails");
}

void CheckSpecialFolders() {
  char expected[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, expected);
  std::string desktop =
      SpecialFolderPath(*platform::Current().registry, "desktop", FolderOwner::CurrentUser);
  Check(!desktop.empty() && SameText(desktop, expected), "DESKTOP is the user's desktop folder",
        desktop + " / " + expected);
  Check(SpecialFolderPath(*platform::Current().registry, "MYFOLDER", FolderOwner::AllUsers).empty(),
        "an unknown name is empty");
  std::string programs =
      SpecialFolderPath(*platform::Current().registry, "PROGRAMS", FolderOwner::AllUsers);
  Check(!programs.empty(), "PROGRAMS resolves for all users", programs);
}

/// Loads a link file through the shell's link object: its target and description.
bool LoadLink(const std::string& linkPath, std::string* target, std::string* description) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
  if (ok) {
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    ok = SUCCEEDED(file->Load(wide, STGM_READ));
    char path[MAX_PATH] = {}, text[1024] = {};
    ok = ok && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH));
    ok = ok && SUCCEEDED(link->GetDescription(text, sizeof text));
    *target = path;
    *description = text;
    file->Release();
  }
  link->Release();
  return ok;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CheckShortcuts(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string target = ProgramPath();
  std::string linkPath = folder + "\\Services Check.lnk";
  DeleteFileA(linkPath.c_str());
  HRESULT result =
      platform::Current().shell->CreateShortcut(target, linkPath, "Vorna services check");
  Check(result >= 0, "a shortcut is created");
  std::string readTarget, readDescription;
  Check(LoadLink(linkPath, &readTarget, &readDescription), "the shell loads it");
  Check(SameText(readTarget, target), "its target reads back", readTarget);
  Check(readDescription == "Vorna services check", "its description reads back", readDescription);

  std::string error;
  auto decoded = platform::DecodeShellLink(ReadFileBytes(linkPath), nullptr, &error);
  Check(decoded && decoded->description == "Vorna services check",
        "the sandbox reader reads the shell's description", error);
  Check(decoded && SameText(decoded->localBasePath, target),
        "the sandbox reader reads the shell's target", decoded ? decoded->localBasePath : error);

  // The sandbox writer's link, as vorna-run writes it, read by the shell.
  platform::ShellLink ours;
  ours.localBasePath = target;
  ours.relativePath = ".\\" + target.substr(target.find_last_of('\\') + 1);
  ours.description = "written by the sandbox writer";
  auto bytes = platform::EncodeShellLink(ours);
  std::string oursPath = folder + "\\Sandbox Writer.lnk";
  std::ofstream(oursPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes->data()),
             static_cast<std::streamsize>(bytes->size()));
  Check(LoadLink(oursPath, &readTarget, &readDescription),
        "the shell loads a sandbox-written link");
  Check(SameText(readTarget, target), "the shell sees its target", readTarget);
  Check(readDescription == ours.description, "the shell sees its description", readDescription);

  result =
      platform::Current().shell->CreateShortcut(target, folder + "\\no\\such\\folder\\x.lnk", "x");
  Check(result < 0, "a shortcut into a missing folder fails");
}

}  // namespace

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  platform::Win32Registry registry;
  platform::Win32Shell shell;
  platform::Platform machine;
  machine.registry = &registry;
  machine.shell = &shell;
  platform::SetPlatform(machine);

  CheckRegistry();
  CheckRegistration();
  CheckSpecialFolders();
  CheckShortcuts(argc > 1 ? argv[1] : "C:\\vorna-services-check");

  std::printf("%d passed, %d failed\n", passed, failed);
  CoUninitialize();
  return failed == 0 ? 0 : 1;
}
