#pragma once
// Task-list rules that need no window: which files are inputs, which files a folder
// gives, what the command line names, how blocks of selected rows move and how the
// columns stretch.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vuvide {

// Yes when the extension of the file name in path (from its last ".", the dot
// included), lower-cased in A to Z, equals one entry of extensions exactly.
bool IsSupportedInput(const std::string& path, const std::vector<std::string>& extensions);

// The supported files lying directly in folder: no sub-folders, no hidden (dot) files,
// names only, ascending without regard to letter case. A folder that cannot be listed
// gives nothing.
std::vector<std::string> ListSupportedFiles(const std::string& folder,
                                            const std::vector<std::string>& extensions);

// The lines of a list file, one path per line, taken as they stand except for the
// line ends ("\n" or "\r\n") and a UTF-8 byte-order mark at the start. Nothing when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadListFile(const std::string& path);

// The entries the command line names: the lines of the list file when the first
// parameter's extension, lower-cased, is ".tmp" (further parameters are ignored; an
// unreadable list file names nothing), else every parameter in order.
std::vector<std::string> CommandLineEntries(const std::vector<std::string>& arguments);

// An entry made absolute against the current folder and cleaned of "." and ".."
// parts, so every row shows a full path. An empty entry stays empty.
std::string AbsoluteEntry(const std::string& entry);

// The order in which the files that the input file dialog returns are added: the
// second to the last, then the first.
std::vector<std::size_t> DialogAddOrder(std::size_t count);

// Moving the selected rows by one. Each function updates selected (one flag per row)
// to the selection after the move and returns the exchanges of neighbouring rows, in
// the order they are made; each pair names the moving row first.
std::vector<std::pair<int, int>> PlanMoveUp(std::vector<bool>& selected);
std::vector<std::pair<int, int>> PlanMoveDown(std::vector<bool>& selected);

// Column stretching: each column's share of a change in the list's width.
inline constexpr std::array<double, 4> kColumnShares{0.49, 0.17, 0.15, 0.19};
// The widths after the list changed width by delta pixels: each grows by delta times
// its share, rounded half to even; a width never goes below 0.
std::array<int, 4> StretchColumns(const std::array<int, 4>& widths, int delta);

}  // namespace vuvide
