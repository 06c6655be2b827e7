// Task-list rules that need no window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/Extensions.h"
#include "tasks/TaskList.h"

namespace vuvide {
namespace {
namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vuvide-tasks-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : throw std::runtime_error("mkdtemp failed");
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string Write(const std::string& relative, const std::string& content = "") const {
    const fs::path target = fs::path(path_) / relative;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << content;
    return target.string();
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(TaskList, SupportedInputsGoByTheLowerCasedExtension) {
  const struct {
    const char* path;
    bool supported;
  } cases[] = {
      {"/v/a.avi", true},     {"/v/b.MPG", true},  {"/v/c.Mpeg", true},     {"/v/d.flv", false},
      {"/v/e.txt", false},    {"/v/noext", false}, {"/v.avi/noext", false}, {"/v/x.avi.bak", false},
      {"/v/x.bak.wmv", true}, {"/v/.avi", true},   {"/v/a.avi ", false},    {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsSupportedInput(c.path, InputExtensions()), c.supported) << c.path;
}

TEST(TaskList, FolderGivesItsOwnVisibleSupportedFilesSortedIgnoringCase) {
  TempFolder folder;
  for (const char* name :
       {"c.flv", "b.MPG", "a.avi", ".e.avi", "sub/d.avi", "B.asf", "Z.mov", "notes.txt"})
    folder.Write(name);
  fs::create_directories(fs::path(folder.path()) / "folder.avi");
  EXPECT_EQ(ListSupportedFiles(folder.path(), InputExtensions()),
            (std::vector<std::string>{"a.avi", "B.asf", "b.MPG", "Z.mov"}));
  EXPECT_TRUE(ListSupportedFiles(folder.path() + "/missing", InputExtensions()).empty());
  EXPECT_TRUE(ListSupportedFiles("", InputExtensions()).empty());
}

TEST(TaskList, ListFileLinesAreTakenAsTheyStand) {
  TempFolder folder;
  const auto read = [&](const std::string& content) {
    return ReadListFile(folder.Write("list.tmp", content)).value();
  };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(read("/a b.avi\r\n/c.avi\r\n"), (Lines{"/a b.avi", "/c.avi"}));
  EXPECT_EQ(read("/a.avi\n\n /b.avi \n/c.avi"), (Lines{"/a.avi", "", " /b.avi ", "/c.avi"}));
  EXPECT_EQ(read("\xEF\xBB\xBF/bom.avi\n"), (Lines{"/bom.avi"}));
  EXPECT_EQ(read(""), Lines{});
  EXPECT_FALSE(ReadListFile(folder.path() + "/missing.tmp").has_value());
  EXPECT_FALSE(ReadListFile(folder.path()).has_value());
}

TEST(TaskList, CommandLineNamesAListFileOrItsParameters) {
  TempFolder folder;
  const std::string list = folder.Write("Clip.TMP", "/x/1.avi\n/x/2.avi\n");
  using Lines = std::vector<std::string>;
  EXPECT_EQ(CommandLineEntries({list, "/ignored.avi"}), (Lines{"/x/1.avi", "/x/2.avi"}));
  EXPECT_EQ(CommandLineEntries({folder.path() + "/gone.tmp", "/ignored.avi"}), Lines{});
  // Only the first parameter can be a list file.
  EXPECT_EQ(CommandLineEntries({"/a.avi", list}), (Lines{"/a.avi", list}));
  EXPECT_EQ(CommandLineEntries({}), Lines{});
}

TEST(TaskList, EntriesBecomeFullPaths) {
  const std::string here = fs::current_path().string();
  EXPECT_EQ(AbsoluteEntry("a.avi"), here + "/a.avi");
  EXPECT_EQ(AbsoluteEntry("./sub/../b c.avi"), here + "/b c.avi");
  EXPECT_EQ(AbsoluteEntry("/v/x.avi"), "/v/x.avi");
  EXPECT_EQ(AbsoluteEntry(""), "");
}

TEST(TaskList, DialogFilesAreAddedSecondToLastThenFirst) {
  using Order = std::vector<std::size_t>;
  EXPECT_EQ(DialogAddOrder(0), Order{});
  EXPECT_EQ(DialogAddOrder(1), Order{0});
  EXPECT_EQ(DialogAddOrder(2), (Order{1, 0}));
  EXPECT_EQ(DialogAddOrder(3), (Order{1, 2, 0}));
}

// Applies a move plan to row names, as the list does with whole records.
std::string Moved(std::string rows, const std::vector<std::pair<int, int>>& exchanges) {
  for (const auto& [a, b] : exchanges)
    std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
  return rows;
}

std::vector<bool> Flags(const std::string& marks) {
  std::vector<bool> flags;
  for (char c : marks) flags.push_back(c == '*');
  return flags;
}

TEST(TaskList, SelectedBlocksMoveByOneRow) {
  const struct {
    bool up;
    const char* rows;
    const char* selected;  // "*" marks a selected row
    const char* rowsAfter;
    const char* selectedAfter;
  } cases[] = {
      {true, "ABC", ".**", "BCA", "**."},          {true, "ABC", "**.", "BAC", "*.."},
      {true, "ABC", "*..", "ABC", "*.."},          {true, "ABC", "...", "ABC", "..."},
      {true, "ABCDE", ".*.*.", "BADCE", "*.*.."},  {true, "ABCD", "****", "BCDA", "***."},
      {false, "ABC", ".**", "ACB", "..*"},         {false, "ABC", "**.", "CAB", ".**"},
      {false, "ABC", "..*", "ABC", "..*"},         {false, "ABC", "...", "ABC", "..."},
      {false, "ABCDE", ".*.*.", "ACBED", "..*.*"}, {false, "", "", "", ""},
  };
  for (const auto& c : cases) {
    std::vector<bool> selected = Flags(c.selected);
    const auto plan = c.up ? PlanMoveUp(selected) : PlanMoveDown(selected);
    EXPECT_EQ(Moved(c.rows, plan), c.rowsAfter) << c.up << " " << c.rows << " " << c.selected;
    EXPECT_EQ(selected, Flags(c.selectedAfter)) << c.up << " " << c.rows << " " << c.selected;
  }
}

TEST(TaskList, ColumnsStretchByTheirShares) {
  const std::array<int, 4> start{350, 90, 80, 150};
  EXPECT_EQ(StretchColumns(start, 100), (std::array<int, 4>{399, 107, 95, 169}));
  EXPECT_EQ(StretchColumns(start, -100), (std::array<int, 4>{301, 73, 65, 131}));
  // 50 x 0.49 = 24.5 goes to 24, 50 x 0.17 = 8.5 to 8, 50 x 0.15 = 7.5 to 8.
  EXPECT_EQ(StretchColumns(start, 50), (std::array<int, 4>{374, 98, 88, 160}));
  EXPECT_EQ(StretchColumns(start, 1), start);
  EXPECT_EQ(StretchColumns(start, 0), start);
  EXPECT_EQ(StretchColumns({10, 10, 10, 10}, -1000), (std::array<int, 4>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vuvide
