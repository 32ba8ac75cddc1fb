// Reads a shortcut file back through the shell's own link object and prints
// its target and description, so that the end-to-end tests can see what
// Windows makes of a link the runtime wrote.
//
//   link_probe.exe LINKFILE  ->  "target=...", "description=..." (exit 0),
//                                or a reason on standard error (exit 1)
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: link_probe LINKFILE\n");
    return 2;
  }
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    std::fprintf(stderr, "no shell link object\n");
    return 1;
  }
  IPersistFile* file = nullptr;
  WCHAR wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
  char target[MAX_PATH] = {}, description[1024] = {};
  bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide, STGM_READ)) &&
            SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
            SUCCEEDED(link->GetDescription(description, sizeof description));
  if (file != nullptr) file->Release();
  link->Release();
  CoUninitialize();
  if (!ok) {
    std::fprintf(stderr, "the shell cannot load %s\n", argv[1]);
    return 1;
  }
  std::printf("target=%s\ndescription=%s\n", target, description);
  return 0;
}
