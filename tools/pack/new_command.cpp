// vorna-pack new DIR: a starter product that checks clean, packs and
// installs as it is, for an author to change step by step.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/pack/commands.h"
#include "tools/pack/options.h"

namespace vorna::pack {

namespace fs = std::filesystem;

namespace {

/// Longest product name taken from the folder: "C:\Program Files\" and the
/// name must fit the 63 characters of INSTALLPATH, the name and " Setup"
/// those of INSTALLNAME.
constexpr size_t kMaxProductName = 40;

constexpr const char* kStartupControl =
    "~ The start-up control entry: the script modules to load, one a line.\n"
    "~ Lines that start with \"~\" are comments.\n"
    "SETUP.BAS\n";

constexpr const char* kSetupScript =
    "' SETUP.BAS: the installer of @NAME@.\n"
    "'\n"
    "' The runtime loads the modules that STARTUP.CTL names, runs the lines\n"
    "' before the first SUB (declarations only), then calls MAIN. Each step\n"
    "' below is a word of the install object; docs/language.md describes every\n"
    "' word, and \"vorna-pack check scripts\" finds mistakes before a build.\n"
    "\n"
    "' Declared before the first SUB: globals, seen by every procedure.\n"
    "DIM Target AS STRING\n"
    "DIM Group AS STRING\n"
    "DIM Uninstall AS STRING\n"
    "\n"
    "SUB MAIN\n"
    "  ' What the backdrop and the dialogs show (63 characters each at most).\n"
    "  PROGRAMNAME = \"@NAME@\"\n"
    "  INSTALLNAME = \"@NAME@ Setup\"\n"
    "  COPYRIGHT = \"Copyright (c) the makers of @NAME@\"\n"
    "  VERSION = \"1.0\"\n"
    "  ' Where the files go unless the user chooses another folder.\n"
    "  INSTALLPATH = \"C:\\Program Files\\@NAME@\"\n"
    "  ' The full-screen backdrop behind the dialogs.\n"
    "  BACKDROP TRUE\n"
    "\n"
    "  ' The licence agreement shows LICENSE.TXT of the scripts folder; FALSE\n"
    "  ' means the user declined, and a bare END ends the setup.\n"
    "  IF ASKLICENSE(\"LICENSE.TXT\") = FALSE THEN END\n"
    "  ' The bytes the payload needs, for the drive dialog's space check.\n"
    "  CALCSPACE\n"
    "  ' The drive, then the whole folder.\n"
    "  IF ASKDRIVE = FALSE THEN END\n"
    "  IF ASKPATH = FALSE THEN END\n"
    "  ' Every file of the payload folder, copied below INSTALLPATH; a file on\n"
    "  ' disk that is as new as the packed one is kept.\n"
    "  IF COPYFILES = FALSE THEN\n"
    "    MSGBOX \"@NAME@ was not installed completely.\", INSTALLNAME\n"
    "    END\n"
    "  END IF\n"
    "\n"
    "  ' A shortcut on the desktop and a group of its own in the Start menu.\n"
    "  Target = DIRCAT(INSTALLPATH, \"README.TXT\")\n"
    "  CREATELINK Target, DIRCAT(SPECIALFOLDER(\"DESKTOP\"), \"@NAME@.lnk\"), \"About @NAME@\"\n"
    "  Group = DIRCAT(SPECIALFOLDER(\"PROGRAMS\"), \"@NAME@\")\n"
    "  MKDIR Group\n"
    "  CREATELINK Target, DIRCAT(Group, \"About @NAME@.lnk\"), \"About @NAME@\"\n"
    "\n"
    "  ' The entry of the system's list of installed programs.\n"
    "  Uninstall = "
    "\"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\"\n"
    "  Uninstall = DIRCAT(Uninstall, \"@NAME@\")\n"
    "  SETREGISTRY Uninstall, \"DisplayName\", PROGRAMNAME\n"
    "  SETREGISTRY Uninstall, \"DisplayVersion\", VERSION\n"
    "  SETREGISTRY Uninstall, \"InstallLocation\", INSTALLPATH\n"
    "\n"
    "  ' A library of the payload that registers itself would be registered\n"
    "  ' here (\"R\" registers, anything else unregisters):\n"
    "  '   IF REGSVR32(DIRCAT(INSTALLPATH, \"TOOL.DLL\"), \"R\") = FALSE THEN BEEP\n"
    "\n"
    "  BACKDROP FALSE\n"
    "  MSGBOX \"@NAME@ is installed in \" + INSTALLPATH, INSTALLNAME\n"
    "END SUB\n";

constexpr const char* kLicence =
    "@NAME@ - LICENCE AGREEMENT\n"
    "\n"
    "Replace this text with the licence of @NAME@. The setup shows it before\n"
    "it installs anything; choosing Cancel ends the setup.\n";

constexpr const char* kPayloadReadme =
    "About @NAME@\n"
    "\n"
    "Every file of the payload folder is installed below the folder the user\n"
    "chooses, in the same sub-folders. Put the files of @NAME@ here.\n";

constexpr const char* kAnswers =
    "# Answers for an unattended run of the setup in the sandbox:\n"
    "#   vorna-run --image build/setup.exe --answers answers.txt\n"
    "# One answer a line, in the order the questions come (docs/answers-file.md).\n"
    "license Agree\n"
    "drive OK\n"
    "path OK\n"
    "msgbox OK\n";

constexpr const char* kReadme =
    "# @NAME@: a Vorna setup\n"
    "\n"
    "Written by `vorna-pack new`. It checks, packs and installs as it is.\n"
    "\n"
    "| Path | What it is |\n"
    "|---|---|\n"
    "| `scripts/STARTUP.CTL` | the modules to load |\n"
    "| `scripts/SETUP.BAS` | the installer script, every step commented |\n"
    "| `scripts/LICENSE.TXT` | the licence the user agrees to |\n"
    "| `payload/` | the files to install, in their folders |\n"
    "| `answers.txt` | answers for an unattended run in the sandbox |\n"
    "\n"
    "## Next steps\n"
    "\n"
    "1. Put the files of @NAME@ in `payload/` and your licence in `scripts/LICENSE.TXT`.\n"
    "2. Change `scripts/SETUP.BAS`: the names, the folder, the shortcuts and the\n"
    "   registry entries (the language: docs/language.md of Vorna).\n"
    "3. Check the scripts: `vorna-pack check scripts`\n"
    "4. Build the setup (the check runs first; errors stop the build):\n"
    "   `vorna-pack build --stub PATH/TO/vorna.exe --scripts scripts --files payload "
    "--out build/setup.exe`\n"
    "5. Try it in the sandbox: `vorna-run --image build/setup.exe --answers answers.txt`\n"
    "   (leave out `--answers` to answer the dialogs on the terminal).\n"
    "6. Run `build/setup.exe` on Windows.\n";

std::string Filled(std::string text, const std::string& name) {
  const std::string marker = "@NAME@";
  for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
    text.replace(at, marker.size(), name);
    at += name.size();
  }
  return text;
}

// The product's name from the folder's: printable, no quote, short enough.
std::string ProductName(const fs::path& folder) {
  std::string name;
  for (char c : fs::absolute(folder).filename().string()) {
    if (c >= ' ' && c <= '~' && c != '"' && c != '\\' && c != ':') name += c;
  }
  if (name.empty() || name == "." || name == "..") name = "Product";
  return name.substr(0, kMaxProductName);
}

// Script entries get CR LF, the line end the runtime reads in a setup.
std::string WithCarriageReturns(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) throw PackError("cannot write '" + path.string() + "'");
}

}  // namespace

void NewCommand(const std::vector<std::string>& args) {
  const Options options = ParseOptions(args, {});
  if (options.positional.size() != 1) throw UsageError("new needs exactly one folder");
  const fs::path folder = options.positional[0];
  std::error_code error;
  if (fs::exists(folder, error) &&
      !(fs::is_directory(folder, error) && fs::is_empty(folder, error))) {
    throw PackError("'" + folder.string() + "' exists and is not an empty folder: new writes " +
                    "only into a new or empty one");
  }
  const std::string name = ProductName(folder);
  WriteText(folder / "scripts" / "STARTUP.CTL", WithCarriageReturns(kStartupControl));
  WriteText(folder / "scripts" / "SETUP.BAS", WithCarriageReturns(Filled(kSetupScript, name)));
  WriteText(folder / "scripts" / "LICENSE.TXT", WithCarriageReturns(Filled(kLicence, name)));
  WriteText(folder / "payload" / "README.TXT", WithCarriageReturns(Filled(kPayloadReadme, name)));
  WriteText(folder / "answers.txt", kAnswers);
  WriteText(folder / "README.md", Filled(kReadme, name));
  std::printf("vorna-pack: the product %s is in %s; its README.md lists the next steps\n",
              name.c_str(), folder.string().c_str());
}

}  // namespace vorna::pack
