#include "tests/support/TempAppDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace vuvide::test {
namespace fs = std::filesystem;

std::string SourceDir() {
  const char* dir = std::getenv("VUVIDE_SOURCE_DIR");
  return dir ? dir : ".";
}

std::string BuiltAppDir() {
  const char* dir = std::getenv("VUVIDE_APPDIR");
  return dir ? dir : ".";
}

TempAppDir::TempAppDir() {
  std::string pattern = (fs::temp_directory_path() / "vuvide-app-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
  fs::create_directories(profiles());
}

TempAppDir::~TempAppDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string TempAppDir::write(const std::string& relative, const std::string& content) const {
  const fs::path target = fs::path(path_) / relative;
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary);
  out << content;
  return target.string();
}

void TempAppDir::copyShippedProfiles() const {
  for (const auto& entry : fs::directory_iterator(fs::path(SourceDir()) / "profiles" / "shipped"))
    fs::copy_file(entry.path(), fs::path(profiles()) / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
}

void TempAppDir::linkEncoder() const {
  fs::create_symlink(fs::path(BuiltAppDir()) / "asapi.dll", fs::path(path_) / "asapi.dll");
}

}  // namespace vuvide::test
