// The task list in the running main window: every way of adding rows, the duplicate
// question, moving, removing, opening, the popup menu, the keys and the columns.
#include <unistd.h>

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "app/Failure.h"
#include "tests/support/Clips.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {
namespace fs = std::filesystem;

const QString kDuplicateText =
    "This file has been added to the Task List already. Are you sure to add it again?";
const QString kNoPlayTime = "'' is not a valid floating point value.";

class TaskListGuiTest : public GuiTest {
 protected:
  static void SetUpTestSuite() {
    clip = new std::string(fs::temp_directory_path() /
                           ("vuvide-taskclip-" + std::to_string(getpid()) + ".avi"));
    ClipSpec spec;
    spec.seconds = 2;
    MakeClip(*clip, spec);
  }
  static void TearDownTestSuite() {
    fs::remove(*clip);
    delete clip;
  }

  TaskListGuiTest() {
    std::string pattern = (fs::temp_directory_path() / "vuvide-tasklist-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder = pattern + "/";
  }
  ~TaskListGuiTest() override {
    program.reset();
    fs::remove_all(folder);
  }

  // A copy of the test clip under folder (names may hold sub-folders).
  std::string Clip(const std::string& relative) const {
    const fs::path target = fs::path(folder) / relative;
    fs::create_directories(target.parent_path());
    fs::copy_file(*clip, target, fs::copy_options::overwrite_existing);
    return target.string();
  }
  // A file that is no media file.
  std::string Text(const std::string& relative) const {
    const fs::path target = fs::path(folder) / relative;
    fs::create_directories(target.parent_path());
    std::ofstream(target) << "not a video\n";
    return target.string();
  }

  QTreeWidget& list() { return *main().ltvTask; }
  int Rows() { return list().topLevelItemCount(); }
  // The captions of all rows, top to bottom.
  std::vector<std::string> Paths() {
    std::vector<std::string> paths;
    for (int i = 0; i < Rows(); ++i) paths.push_back(list().topLevelItem(i)->text(0).toStdString());
    return paths;
  }
  std::vector<bool> Selected() {
    std::vector<bool> flags;
    for (int i = 0; i < Rows(); ++i) flags.push_back(list().topLevelItem(i)->isSelected());
    return flags;
  }
  void Select(std::initializer_list<int> rows) {
    list().clearSelection();
    for (int row : rows) list().topLevelItem(row)->setSelected(true);
  }
  bool ListBarEnabled() {
    const bool enabled = main().tbtnRemove->isEnabled();
    for (QToolButton* b : {main().tbtnClear, main().tbtnUp, main().tbtnDown})
      EXPECT_EQ(b->isEnabled(), enabled) << "the list bar buttons go together";
    return enabled;
  }
  // Files dropped onto the main window through its real drop handling.
  void Drop(const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    // A drop always follows a drag that entered the window and was accepted there.
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main(), &drop);
    ProcessEvents();
  }
  void ExpectOnlyErrorBox(const QString& text) {
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, text);
    EXPECT_EQ(shell.messages[0].caption, "Kestova VID Uzaru Vuvide");
    EXPECT_EQ(shell.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(shell.messages[0].buttons, MsgButtons::Ok);
  }
  // Rows whose path is the name only, without probing, for the ordering tests.
  void PutRows(const std::vector<std::string>& names) {
    for (const auto& name : names) {
      new QTreeWidgetItem(&list());
      ltvItemData record;
      record.Path = name;
      record.StatusText() = "OK";
      record.Texts[9] = "spare of " + name;
      main().WriteRow(Rows() - 1, kPartWholeRow, record);
    }
  }

  static std::string* clip;
  std::string folder;
};
std::string* TaskListGuiTest::clip = nullptr;

TEST_F(TaskListGuiTest, EveryNewRowShowsPathLengthSizeAndOk) {
  const std::string path = Clip("a.avi");
  Start({QString::fromStdString(path)});
  ASSERT_EQ(Rows(), 1);
  QTreeWidgetItem* row = list().topLevelItem(0);
  EXPECT_EQ(row->text(0).toStdString(), path);
  EXPECT_EQ(row->text(1), "00:00:02");
  EXPECT_EQ(row->text(2), "320x240");
  EXPECT_EQ(row->text(3), "OK");
  ltvItemData record;
  main().ReadRow(0, kPartWholeRow, record);
  EXPECT_EQ(record.Path, path);
  EXPECT_EQ(record.BaseName(), "a");
  EXPECT_DOUBLE_EQ(record.LengthSeconds(), 2);
  for (int n = 4; n < kSubItemCount; ++n) EXPECT_EQ(record.Texts[static_cast<size_t>(n)], "");
  for (size_t k = 1; k < record.Numbers.size(); ++k) EXPECT_EQ(record.Numbers[k], -1);
  EXPECT_FALSE(main().panltvTask->isVisible());
  EXPECT_TRUE(ListBarEnabled());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, CommandLineAddsExistingSupportedFilesAndFolders) {
  const std::string mpeg = Clip("a.mpeg");
  Clip("dir/x.avi");
  Clip("dir/sub/y.avi");
  Clip("rel.avi");
  const fs::path before = fs::current_path();
  fs::current_path(folder);
  Start({QString::fromStdString(mpeg), QString::fromStdString(Clip("b.flv")),
         QString::fromStdString(Text("c.txt")), QString::fromStdString(folder + "dir"),
         QString::fromStdString(folder + "missing.avi"), "./rel.avi", ""});
  fs::current_path(before);
  EXPECT_EQ(Paths(), (std::vector<std::string>{mpeg, folder + "dir/x.avi", folder + "rel.avi"}));
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_TRUE(ListBarEnabled());
}

TEST_F(TaskListGuiTest, ListFileNamesTheEntriesAndStaysInPlace) {
  const std::string first = Clip("one.avi");
  Clip("dir/x.MPG");
  const std::string blanks = Clip("with blanks.avi");
  const std::string list = folder + "Clip.TMP";
  std::ofstream(list) << first << "\r\n"
                      << folder << "dir\r\n"
                      << folder << "gone.avi\r\n\r\n"
                      << blanks << "\r\n";
  Start({QString::fromStdString(list), QString::fromStdString(Clip("ignored.avi"))});
  EXPECT_EQ(Paths(), (std::vector<std::string>{first, folder + "dir/x.MPG", blanks}));
  EXPECT_TRUE(fs::exists(list));
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, UnreadableListFileAddsNothingAndStartUpGoesOn) {
  Start({QString::fromStdString(folder + "gone.tmp"), QString::fromStdString(Clip("a.avi"))});
  EXPECT_EQ(Rows(), 0);
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_TRUE(main().isVisible());
  EXPECT_TRUE(main().panltvTask->isVisible());
  EXPECT_TRUE(main().acceptDrops());
  EXPECT_TRUE(ListBarEnabled());  // enabled from the start, even with an empty list
}

TEST_F(TaskListGuiTest, FailingProbeAtStartUpStopsTheIntakeButNotTheWindow) {
  const std::string good = Clip("good.avi");
  Start({QString::fromStdString(good), QString::fromStdString(Text("bad.avi")),
         QString::fromStdString(Clip("later.avi"))});
  EXPECT_EQ(Paths(), std::vector<std::string>{good});
  ExpectOnlyErrorBox(kNoPlayTime);
  EXPECT_TRUE(main().isVisible());
  EXPECT_TRUE(main().acceptDrops());
  EXPECT_TRUE(ListBarEnabled());
}

TEST_F(TaskListGuiTest, AddDirAddsTheFolderItselfOnly) {
  for (const char* name : {"c.flv", "b.MPG", "a.avi", ".e.avi", "sub/d.avi"}) Clip(name);
  Start();
  main().SetListBarButtonsEnabled(false);
  shell.browseFolderAnswers = {QString::fromStdString(folder.substr(0, folder.size() - 1))};
  Dispatch([&] { main().tbtnAddDir->click(); });
  EXPECT_EQ(shell.browseFolderTexts, (std::vector<QString>{"Add a directory to the Task List"}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{folder + "a.avi", folder + "b.MPG"}));
  EXPECT_EQ(main().focusWidget(), &list());
  EXPECT_TRUE(ListBarEnabled());
  EXPECT_FALSE(main().panltvTask->isVisible());

  // Cancelled, or a folder without inputs: nothing is added, the buttons keep their state.
  main().tbtnClearClick();
  Dispatch([&] { main().tbtnAddDirClick(); });
  shell.browseFolderAnswers = {QString::fromStdString(folder + "sub/none")};
  Dispatch([&] { main().AddDirectorys1->trigger(); });
  EXPECT_EQ(shell.browseFolderTexts.size(), 3u);
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(ListBarEnabled());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, FailingProbeInAFolderLeavesNoRowAndStopsThere) {
  Clip("a.avi");
  Text("b.avi");
  Clip("c.avi");
  Start();
  main().SetListBarButtonsEnabled(false);
  shell.browseFolderAnswers = {QString::fromStdString(folder)};
  Dispatch([&] { main().tbtnAddDirClick(); });
  EXPECT_EQ(Paths(), std::vector<std::string>{folder + "a.avi"});
  ExpectOnlyErrorBox(kNoPlayTime);
  EXPECT_TRUE(ListBarEnabled());
  EXPECT_EQ(main().focusWidget(), &list());
}

TEST_F(TaskListGuiTest, PendingEventsRunBeforeEachFileOfAFolder) {
  Clip("a.avi");
  Clip("b.avi");
  Start();
  int rowsSeen = -1;
  QTimer::singleShot(0, &main(), [&] { rowsSeen = Rows(); });
  main().AddFolder(folder);
  EXPECT_EQ(rowsSeen, 0);
  EXPECT_EQ(Rows(), 2);

  // A window closed between two files ends the adding.
  main().tbtnClearClick();
  QTimer::singleShot(0, &main(), [&] { main().close(); });
  main().AddFolder(folder);
  EXPECT_EQ(Rows(), 0);
}

TEST_F(TaskListGuiTest, DropAddsFoldersAndSupportedFilesOnly) {
  Clip("dir/a.avi");
  Clip("dir/B.wmv");
  Clip("dir/sub/c.avi");
  const std::string mp4 = Clip("single.mp4");
  Start();
  main().SetListBarButtonsEnabled(false);
  Drop({folder + "dir", Clip("x.flv"), Text("notes.txt"), mp4, folder + "gone.avi"});
  EXPECT_EQ(Paths(), (std::vector<std::string>{folder + "dir/a.avi", folder + "dir/B.wmv", mp4}));
  EXPECT_FALSE(main().panltvTask->isVisible());
  EXPECT_TRUE(ListBarEnabled());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, DropWhileTheListIsLockedAddsNothing) {
  Start();
  list().setEnabled(false);  // as the job lock leaves it
  main().SetListBarButtonsEnabled(false);
  main().WMDropFiles({QString::fromStdString(Clip("a.avi"))});
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(main().panltvTask->isVisible());
  EXPECT_FALSE(ListBarEnabled());
}

TEST_F(TaskListGuiTest, FailingProbeInADropStopsThereAndTheDropEnds) {
  const std::string good = Clip("good.avi");
  Start();
  main().SetListBarButtonsEnabled(false);
  Drop({good, Text("bad.avi"), Clip("later.avi")});
  EXPECT_EQ(Paths(), std::vector<std::string>{good});
  ExpectOnlyErrorBox(kNoPlayTime);
  EXPECT_TRUE(ListBarEnabled());
  // The window takes the next drop as usual.
  Drop({Clip("next.avi")});
  EXPECT_EQ(Rows(), 2);
}

TEST_F(TaskListGuiTest, AwkwardNamesArriveWhole) {
  const std::string deep = "deep/" + std::string(60, 'd') + "/" + std::string(60, 'e') + "/";
  const std::vector<std::string> names{"blank name.avi",
                                       "quote\"d 'name'.avi",
                                       "back\\slash.avi",
                                       "Ünïcødé 日本 😀.avi",
                                       "-leading dash.avi",
                                       std::string(246, 'x') + ".avi",
                                       deep + std::string(200, 'y') + ".avi"};
  std::vector<std::string> paths;
  for (const auto& name : names) paths.push_back(Clip(name));
  ASSERT_GT(paths.back().size(), 253u);
  QStringList arguments;
  for (const auto& path : paths) arguments << QString::fromStdString(path);
  Start(arguments);
  Drop(paths);
  std::vector<std::string> expected = paths;
  expected.insert(expected.end(), paths.begin(), paths.end());
  // Every dropped name is listed already: the question comes, and Yes is the default.
  EXPECT_EQ(Paths(), expected);
  EXPECT_EQ(shell.messages.size(), paths.size());
  for (int i = 0; i < Rows(); ++i) {
    EXPECT_EQ(list().topLevelItem(i)->text(2), "320x240") << i;
    EXPECT_EQ(list().topLevelItem(i)->text(1), "00:00:02") << i;
  }
}

TEST_F(TaskListGuiTest, AddFilesTakesSecondToLastThenFirst) {
  const std::string x = Clip("x.avi"), y = Clip("y.avi"), z = Clip("z.avi");
  const std::string single = Clip("single.avi");
  Start();
  shell.openFilesAnswers = {
      {QString::fromStdString(x), QString::fromStdString(y), QString::fromStdString(z)},
      {QString::fromStdString(single)},
      {}};
  Dispatch([&] { main().tbtnAddFile->click(); });
  EXPECT_EQ(Paths(), (std::vector<std::string>{y, z, x}));
  Dispatch([&] { main().AddFiles1->trigger(); });
  Dispatch([&] { main().tbtnAddFileClick(); });  // cancelled
  EXPECT_EQ(Paths(), (std::vector<std::string>{y, z, x, single}));
  ASSERT_EQ(shell.openFilesCalls.size(), 3u);
  EXPECT_TRUE(shell.openFilesCalls[0].multiSelect);
  EXPECT_EQ(shell.openFilesCalls[0].filter, main().OpenDialog1.filter);
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, AddFilesProbesWhateverIsChosenAndStopsAtAFailure) {
  const std::string first = Clip("first.avi"), second = Clip("second.avi");
  Start();
  main().SetListBarButtonsEnabled(false);
  // Added in the order second, notes.txt (fails), then never last or first.
  shell.openFilesAnswers = {{QString::fromStdString(first), QString::fromStdString(second),
                             QString::fromStdString(Text("notes.txt")),
                             QString::fromStdString(Clip("last.avi"))}};
  Dispatch([&] { main().tbtnAddFileClick(); });
  EXPECT_EQ(Paths(), std::vector<std::string>{second});
  ExpectOnlyErrorBox(kNoPlayTime);
  EXPECT_TRUE(ListBarEnabled());
}

TEST_F(TaskListGuiTest, DuplicatePathAsksAndYesAddsAgain) {
  const std::string a = Clip("a.avi"), upper = Clip("A.AVI");
  Start({QString::fromStdString(a)});
  shell.messageAnswers = {MsgResult::No, MsgResult::Yes};
  main().AddFile(a);
  EXPECT_EQ(Rows(), 1);
  main().AddFile(a);
  EXPECT_EQ(Paths(), (std::vector<std::string>{a, a}));
  ASSERT_EQ(shell.messages.size(), 2u);
  for (const RecordedMessage& m : shell.messages) {
    EXPECT_EQ(m.text, kDuplicateText);
    EXPECT_EQ(m.caption, "Already Listed");
    EXPECT_EQ(m.icon, MsgIcon::Question);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.defaultButton, MsgResult::Yes);
    EXPECT_EQ(m.owner, &main());
  }
  // Letter case makes a different path: no question.
  main().AddFile(upper);
  EXPECT_EQ(Rows(), 3);
  EXPECT_EQ(shell.messages.size(), 2u);
}

TEST_F(TaskListGuiTest, NoToADuplicateSkipsOnlyThatFile) {
  Clip("a.avi");
  Clip("b.avi");
  Clip("c.avi");
  Start({QString::fromStdString(folder + "b.avi")});
  shell.messageAnswers = {MsgResult::No};
  main().AddFolder(folder);
  EXPECT_EQ(Paths(),
            (std::vector<std::string>{folder + "b.avi", folder + "a.avi", folder + "c.avi"}));
  EXPECT_EQ(shell.messages.size(), 1u);
}

TEST_F(TaskListGuiTest, MovingTradesWholeRowsAndKeepsTheFocusedRow) {
  const struct {
    bool up;
    std::initializer_list<int> selected;
    std::vector<std::string> rowsAfter;
    std::vector<bool> selectedAfter;
  } cases[] = {
      {true, {1, 2}, {"B", "C", "A"}, {true, true, false}},
      {true, {0, 1}, {"B", "A", "C"}, {true, false, false}},
      {true, {0}, {"A", "B", "C"}, {true, false, false}},
      {false, {1, 2}, {"A", "C", "B"}, {false, false, true}},
      {false, {2}, {"A", "B", "C"}, {false, false, true}},
      {false, {}, {"A", "B", "C"}, {false, false, false}},
  };
  Start();
  for (const auto& c : cases) {
    main().tbtnClearClick();
    PutRows({"A", "B", "C"});
    list().setCurrentItem(list().topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
    Select(c.selected);
    main().SetListBarButtonsEnabled(true);
    (c.up ? main().tbtnUp : main().tbtnDown)->click();
    EXPECT_EQ(Paths(), c.rowsAfter) << c.up;
    EXPECT_EQ(Selected(), c.selectedAfter) << c.up;
    EXPECT_EQ(list().currentIndex().row(), 1);
    EXPECT_TRUE(ListBarEnabled());
    // The hidden sub-items travel with their rows.
    for (int i = 0; i < Rows(); ++i) {
      ltvItemData record;
      main().ReadRow(i, kPartWholeRow, record);
      EXPECT_EQ(record.Texts[9], "spare of " + record.Path);
    }
  }
}

TEST_F(TaskListGuiTest, ABlockMovesThroughAThousandRows) {
  Start();
  std::vector<std::string> names;
  for (int i = 0; i < 1000; ++i) names.push_back(std::to_string(i));
  PutRows(names);
  list().clearSelection();
  for (int i = 200; i < 700; ++i) list().topLevelItem(i)->setSelected(true);
  main().tbtnDownClick();
  EXPECT_EQ(list().topLevelItem(200)->text(0), "700");
  EXPECT_EQ(list().topLevelItem(201)->text(0), "200");
  EXPECT_EQ(list().topLevelItem(700)->text(0), "699");
  EXPECT_FALSE(list().topLevelItem(200)->isSelected());
  EXPECT_TRUE(list().topLevelItem(201)->isSelected());
  EXPECT_TRUE(list().topLevelItem(700)->isSelected());
  main().tbtnUpClick();
  EXPECT_EQ(Paths(), names);
  EXPECT_EQ(list().selectionModel()->selectedRows().size(), 500);
}

TEST_F(TaskListGuiTest, DeleteAndBackspaceKeys) {
  Start();
  PutRows({"A", "B", "C", "D"});
  main().panltvTask->hide();
  QTest::keyClick(&list(), Qt::Key_Delete);  // nothing selected
  EXPECT_EQ(Rows(), 4);
  EXPECT_TRUE(ListBarEnabled());
  Select({0, 2});
  QTest::keyClick(&list(), Qt::Key_Delete);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"B", "D"}));
  EXPECT_TRUE(ListBarEnabled());
  EXPECT_FALSE(main().ltvTaskKeyDown(Qt::Key_A));
  EXPECT_EQ(Rows(), 2);
  QTest::keyClick(&list(), Qt::Key_Backspace);
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(ListBarEnabled());
  EXPECT_FALSE(main().panltvTask->isVisible());

  // Removing the last rows disables the buttons; the menu's Remove does the same.
  PutRows({"E"});
  main().SetListBarButtonsEnabled(true);
  Select({0});
  main().Remove1->trigger();
  EXPECT_EQ(Rows(), 0);
  EXPECT_FALSE(ListBarEnabled());
}

TEST_F(TaskListGuiTest, PopupEnablesItemsByRowsAndSelection) {
  Start();
  const auto states = [&] {
    main().ppmTaskPopup();
    return std::vector<bool>{main().Open1->isEnabled(), main().AddFiles1->isEnabled(),
                             main().AddDirectorys1->isEnabled(), main().Remove1->isEnabled(),
                             main().Clear1->isEnabled()};
  };
  EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false, false}));
  PutRows({"A", "B"});
  list().clearSelection();
  EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false, true}));
  Select({1});
  EXPECT_EQ(states(), (std::vector<bool>{true, true, true, true, true}));

  // The list's context menu request shows the menu with these states.
  Select({});
  emit list().customContextMenuRequested(QPoint(10, 10));
  ProcessEvents();
  EXPECT_TRUE(main().ppmTask->isVisible());
  EXPECT_FALSE(main().Open1->isEnabled());
  EXPECT_TRUE(main().Clear1->isEnabled());
  main().ppmTask->hide();
}

TEST_F(TaskListGuiTest, DoubleClickOpensTheFirstSelectedRow) {
  Start();
  PutRows({"/v/1.avi", "/v/2.avi", "/v/3.avi", "/v/4.avi"});
  // Anywhere in the list, on a row or below the last one.
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 300), QPointF(5, 300),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  list().clearSelection();
  QCoreApplication::sendEvent(list().viewport(), &doubleClick);
  EXPECT_TRUE(shell.opened.empty());
  Select({3, 1});
  QCoreApplication::sendEvent(list().viewport(), &doubleClick);
  main().Open1->trigger();
  EXPECT_EQ(shell.opened, (std::vector<QString>{"/v/2.avi", "/v/2.avi"}));
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(TaskListGuiTest, ColumnsStretchWithTheListWidth) {
  Start();
  const int widths[] = {350, 90, 80, 150};
  for (int i = 0; i < 4; ++i) ASSERT_EQ(list().columnWidth(i), widths[i]);
  const int listWidth = list().width();
  const auto resizeBy = [&](int dx, int dy) {
    main().resize(main().width() + dx, main().height() + dy);
    ProcessEvents();
  };
  resizeBy(100, 0);
  ASSERT_EQ(list().width(), listWidth + 100);
  const int grown[] = {399, 107, 95, 169};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list().columnWidth(i), grown[i]) << i;
  resizeBy(0, 40);  // a change of height alone does nothing
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list().columnWidth(i), grown[i]) << i;
  resizeBy(-100, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list().columnWidth(i), widths[i]) << i;
  EXPECT_EQ(main().RememberedWidth, listWidth);
}

TEST_F(TaskListGuiTest, RowPartsCopyTextsAndWorkOutNumbers) {
  Start();
  PutRows({"/v/a.avi"});
  ltvItemData record;
  record.Path = "/v/other.avi";
  record.Texts = {"00:01:00", "640x480", "Converting", "a",     "four",
                  "00:00:05", "x",       "",           "1:2:3", "00:00:00.5"};
  main().WriteRow(0, 5, record);
  main().WriteRow(0, 2, record);
  ltvItemData read;
  main().ReadRow(0, kPartWholeRow, read);
  EXPECT_EQ(read.Path, "/v/a.avi");
  EXPECT_EQ(read.StatusText(), "Converting");
  EXPECT_EQ(read.Texts[5], "00:00:05");
  EXPECT_EQ(read.Numbers, (std::array<double, 6>{-1, 5, -1, -1, -1, -1}));

  main().WriteRow(0, kPartWholeRow, record);
  EXPECT_EQ(list().topLevelItem(0)->text(0), "/v/other.avi");
  EXPECT_EQ(list().topLevelItem(0)->text(1), "00:01:00");
  main().ReadRow(0, kPartWholeRow, read);
  EXPECT_EQ(read.Texts, record.Texts);
  EXPECT_EQ(read.Numbers, (std::array<double, 6>{60, 5, -1, -1, 3723, 0.5}));

  ltvItemData part;
  main().ReadRow(0, 0, part);
  EXPECT_EQ(part.LengthText(), "00:01:00");
  EXPECT_EQ(part.LengthSeconds(), 60);
  EXPECT_EQ(part.Path, "");
  main().ReadRow(0, kPartCaption, part);
  EXPECT_EQ(part.Path, "/v/other.avi");
  EXPECT_EQ(part.SizeText(), "");
  EXPECT_THROW(main().ReadRow(1, kPartWholeRow, part), Failure);
  EXPECT_THROW(main().WriteRow(0, 10, record), Failure);
}

}  // namespace
}  // namespace vuvide::test
