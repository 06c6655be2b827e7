#include "app/Extensions.h"

#include <algorithm>

namespace vuvide {

const std::vector<std::string>& OutputTypeExtensions() {
  static const std::vector<std::string> list{".avi", ".mpg", ".mp4", ".wmv",
                                             ".mov", ".vob", ".asf", ".flv"};
  return list;
}

const std::vector<std::string>& InputExtensions() {
  static const std::vector<std::string> list{".avi", ".mpg", ".mpeg", ".mp4",
                                             ".wmv", ".mov", ".vob",  ".asf"};
  return list;
}

std::string InputMask(const std::vector<std::string>& extensions) {
  std::string mask;
  for (const auto& ext : extensions) mask += "*" + ext + ";";
  return mask;
}

std::string FilterEntry(const std::string& extension) {
  std::string upper = extension.substr(1);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; });
  return upper + " Files (*" + extension + ")" + "|" + "*" + extension;
}

std::string OpenDialogFilter() {
  const std::string mask = InputMask();
  std::string filter = "All Support Files(" + mask + ")|" + mask;
  for (const auto& ext : InputExtensions()) filter += "|" + FilterEntry(ext);
  return filter + "|" + kAllFilesFilter;
}

std::string SaveDialogFilter() {
  std::string filter;
  for (const auto& ext : OutputTypeExtensions()) filter += FilterEntry(ext) + "|";
  return filter + kAllFilesFilter;
}

}  // namespace vuvide
