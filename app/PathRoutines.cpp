#include "app/PathRoutines.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vuvide {
namespace fs = std::filesystem;

std::string AddTrailingBackslash(const std::string& path) {
  if (path.empty() || path.back() == kPathSeparator) return path;
  return path + kPathSeparator;
}

std::string NameWithoutExtension(const std::string& name) {
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const std::string la = LowerAscii(a), lb = LowerAscii(b);
  return la != lb ? la < lb : a < b;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
  std::vector<std::string> names;
  const std::string wanted = LowerAscii(extension);
  std::error_code error;
  fs::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    if (LowerAscii(ExtractFileExt(name)) == wanted) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::string ExtractFileName(const std::string& path) {
  const auto slash = path.rfind(kPathSeparator);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFilePath(const std::string& path) {
  const auto slash = path.rfind(kPathSeparator);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
  const std::string name = ExtractFileName(path);
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

}  // namespace vuvide
