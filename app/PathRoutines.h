#pragma once
// Path routines shared by the whole program. Paths are UTF-8 texts; the separator is
// the platform's ("/" here), which is what "backslash" means in the routine names.
#include <string>
#include <vector>

namespace vuvide {

inline constexpr char kPathSeparator = '/';

// The path unchanged if it ends in the separator, else the path and the separator.
// An empty path stays empty (no caller passes one; an empty text must not turn into
// the root folder).
std::string AddTrailingBackslash(const std::string& path);

// The name up to, not including, its last "."; a name without "." is returned whole.
std::string NameWithoutExtension(const std::string& name);

// The files directly in folder whose extension, lower-cased, equals extension
// lower-cased; hidden files (dot-files) and sub-folders are not listed. Names only,
// in ascending order without regard to letter case. A folder that cannot be listed
// gives an empty list.
std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension);

// Lower-cases the letters A to Z only.
std::string LowerAscii(std::string text);

// Ascending order without regard to letter case (ties broken by the exact text, so
// the order is stable from one run to the next).
bool LessIgnoringCase(const std::string& a, const std::string& b);

// The file-name part of a path (after the last separator).
std::string ExtractFileName(const std::string& path);
// The folder part of a path, with its trailing separator; empty when there is none.
std::string ExtractFilePath(const std::string& path);
// The extension of the file-name part, from its last "." on; empty when it has none.
std::string ExtractFileExt(const std::string& path);

bool FileExists(const std::string& path);       // an existing file, not a folder
bool DirectoryExists(const std::string& path);  // an existing folder

}  // namespace vuvide
