// scripts/install-desktop: the desktop entry and the icon, put in and taken away.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/Clips.h"
#include "tests/support/TempAppDir.h"

namespace vuvide::test {
namespace {
namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DesktopEntryTest, InstallsAnEntryThatStartsTheBuiltProgramAndUninstalls) {
  TempAppDir home;
  TempAppDir builds;
  // A build folder whose path needs quoting in the entry's Exec line.
  const std::string build = builds.path() + "my build $1";
  const std::string program = builds.write("my build $1/app/vuvide", "#!/bin/sh\n");
  fs::permissions(program, fs::perms::owner_all);
  const std::string script = SourceDir() + "/scripts/install-desktop";
  const std::string environment = "env -u XDG_DATA_HOME HOME=" + ShellQuote(home.path()) +
                                  " VUVIDE_BUILD_DIR=" + ShellQuote(build) + " ";

  RunCommand(environment + ShellQuote(script) + " > /dev/null");
  const fs::path entry = fs::path(home.path()) / ".local/share/applications/vuvide.desktop";
  const fs::path icon =
      fs::path(home.path()) / ".local/share/icons/hicolor/scalable/apps/vuvide.svg";
  const std::string desktop = Read(entry);
  EXPECT_NE(desktop.find("\nName=Kestova VID Uzaru Vuvide\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nIcon=vuvide\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nExec=\"" + builds.path() + "my build \\\\$1/app/vuvide\" %F\n"),
            std::string::npos)
      << desktop;
  EXPECT_EQ(Read(icon), Read(fs::path(SourceDir()) / "resources/artwork/vuvide.svg"));

  RunCommand(environment + ShellQuote(script) + " --uninstall > /dev/null");
  EXPECT_FALSE(fs::exists(entry));
  EXPECT_FALSE(fs::exists(icon));
}

TEST(DesktopEntryTest, RefusesAProgramThatIsNotBuilt) {
  TempAppDir home;
  TempAppDir empty;
  const std::string command = "env -u XDG_DATA_HOME HOME=" + ShellQuote(home.path()) +
                              " VUVIDE_BUILD_DIR=" + ShellQuote(empty.path()) + " " +
                              ShellQuote(SourceDir() + "/scripts/install-desktop") +
                              " 2> /dev/null";
  EXPECT_THROW(RunCommand(command), std::runtime_error);
  EXPECT_FALSE(fs::exists(fs::path(home.path()) / ".local/share/applications/vuvide.desktop"));
}

}  // namespace
}  // namespace vuvide::test
