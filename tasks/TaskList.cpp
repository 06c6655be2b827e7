#include "tasks/TaskList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/PathRoutines.h"
#include "tasks/TimeText.h"

namespace vuvide {
namespace fs = std::filesystem;

bool IsSupportedInput(const std::string& path, const std::vector<std::string>& extensions) {
  const std::string extension = LowerAscii(ExtractFileExt(path));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

std::vector<std::string> ListSupportedFiles(const std::string& folder,
                                            const std::vector<std::string>& extensions) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    if (!IsSupportedInput(name, extensions)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::optional<std::vector<std::string>> ReadListFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  if (content.rfind("\xEF\xBB\xBF", 0) == 0) content.erase(0, 3);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> CommandLineEntries(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  if (LowerAscii(ExtractFileExt(arguments.front())) == ".tmp")
    return ReadListFile(arguments.front()).value_or(std::vector<std::string>{});
  return arguments;
}

std::string AbsoluteEntry(const std::string& entry) {
  if (entry.empty()) return entry;
  std::error_code error;
  const fs::path absolute = fs::absolute(entry, error);
  if (error) return entry;
  return absolute.lexically_normal().string();
}

std::vector<std::size_t> DialogAddOrder(std::size_t count) {
  std::vector<std::size_t> order;
  for (std::size_t i = 1; i < count; ++i) order.push_back(i);
  if (count > 0) order.push_back(0);
  return order;
}

std::vector<std::pair<int, int>> PlanMoveUp(std::vector<bool>& selected) {
  std::vector<std::pair<int, int>> exchanges;
  const int count = static_cast<int>(selected.size());
  for (int i = 1; i < count; ++i) {
    const auto row = static_cast<std::size_t>(i);
    if (!selected[row]) continue;
    exchanges.emplace_back(i, i - 1);
    selected[row - 1] = true;
    selected[row] = false;
  }
  return exchanges;
}

std::vector<std::pair<int, int>> PlanMoveDown(std::vector<bool>& selected) {
  std::vector<std::pair<int, int>> exchanges;
  const int count = static_cast<int>(selected.size());
  for (int i = count - 2; i >= 0; --i) {
    const auto row = static_cast<std::size_t>(i);
    if (!selected[row]) continue;
    exchanges.emplace_back(i, i + 1);
    selected[row + 1] = true;
    selected[row] = false;
  }
  return exchanges;
}

std::array<int, 4> StretchColumns(const std::array<int, 4>& widths, int delta) {
  std::array<int, 4> result{};
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const double grown = widths[i] + RoundHalfToEven(delta * kColumnShares[i]);
    result[i] = std::max(0, static_cast<int>(grown));
  }
  return result;
}

}  // namespace vuvide
