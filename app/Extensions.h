#pragma once
// The file types the program reads and writes, and the file dialog filters built
// from them. Filters use the "description|pattern|description|pattern" form.
#include <string>
#include <vector>

namespace vuvide {

// ".avi", ".mpg", ".mp4", ".wmv", ".mov", ".vob", ".asf", ".flv".
const std::vector<std::string>& OutputTypeExtensions();
// ".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf".
const std::vector<std::string>& InputExtensions();

// "*.avi;*.mpg;...;*.asf;" with a closing ";".
std::string InputMask(const std::vector<std::string>& extensions = InputExtensions());

// "AVI Files (*.avi)|*.avi" for ".avi".
std::string FilterEntry(const std::string& extension);

// The input file dialog's filter: all supported files, one entry per input
// extension, all files.
std::string OpenDialogFilter();
// The output file dialog's filter: one entry per output type, then all files.
std::string SaveDialogFilter();

inline constexpr const char* kAllFilesFilter = "All Files (*.*)|*.*";

}  // namespace vuvide
