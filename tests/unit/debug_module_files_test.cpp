// Where the debugger client finds the modules it lists: the container of a
// packed runtime first, then plain files matched regardless of case.
#include <gtest/gtest.h>

#include <fstream>

#include "installdata/scramble.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "tests/unit/support/temp_folder.h"
#include "tools/debug/module_files.h"
#include "tools/pack/authoring/container_writer.h"

namespace vorna::debug {
namespace {

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(DebugModuleFilesTest, TheContainerFirstThenPlainFilesInAnyCase) {
  testing::TempFolder folder;
  std::string image = folder / "setup.exe";
  {
    std::ofstream out(image, std::ios::binary);
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    std::string text = "SUB MAIN\r\n  PRINT 1\r\nEND SUB\r\n";
    writer.AppendContainer({{"SETUP.BAS", std::vector<uint8_t>(text.begin(), text.end())}},
                           kInstallerKey);
    writer.Finish();
  }
  WriteFile(folder / "setup.bas", "loose copy\n");
  WriteFile(folder / "Extra.Bas", "SUB EXTRA\nEND SUB\n");
  platform::Platform before = platform::Current();
  {
    SourceLibrary library(MakeModuleLoader(image, folder.path()));
    EXPECT_EQ(library.Line("SETUP.BAS", 1), "  PRINT 1");
    EXPECT_EQ(library.Line("EXTRA.BAS", 0), "SUB EXTRA");
    EXPECT_EQ(library.Lines("NOWHERE"), nullptr);
  }
  // The loader's platform is gone with it.
  EXPECT_EQ(platform::Current().files, before.files);
  SourceLibrary plain(MakeModuleLoader("", folder.path()));
  EXPECT_EQ(plain.Line("SETUP.BAS", 0), "loose copy");
}

}  // namespace
}  // namespace vorna::debug
