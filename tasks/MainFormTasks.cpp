// The task list of the main window: adding, removing, ordering and opening rows.
//
// A row is a top-level item of ltvTask. Column 0 shows the caption (the input's full
// path), columns 1 to 3 show sub-items 0 to 2 (length, size, status); sub-items 3 to 9
// have no column and live in data roles of column 0.
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/Extensions.h"
#include "app/Failure.h"
#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "tasks/MediaProbe.h"
#include "tasks/TaskList.h"
#include "tasks/TimeText.h"

namespace vuvide {
namespace {

// Data role of column 0 that holds sub-item n (n from 3 to 9).
constexpr int kSubItemRole = Qt::UserRole + 100;
constexpr int kFirstHiddenSubItem = 3;
constexpr int kColumnCount = 4;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string SubItemText(const QTreeWidgetItem& item, int n) {
  if (n < kFirstHiddenSubItem) return item.text(n + 1).toStdString();
  return item.data(0, kSubItemRole + n).toString().toStdString();
}

void SetSubItemText(QTreeWidgetItem& item, int n, const std::string& text) {
  if (n < kFirstHiddenSubItem)
    item.setText(n + 1, Q(text));
  else
    item.setData(0, kSubItemRole + n, Q(text));
}

void SetCaption(QTreeWidgetItem& item, const std::string& path) {
  item.setText(0, Q(path));
  item.setToolTip(0, Q(path));
}

// Double-clicks anywhere in the list's viewport, on a row or not.
class DoubleClickFilter final : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> onDoubleClick)
      : QObject(parent), onDoubleClick_(std::move(onDoubleClick)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      onDoubleClick_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onDoubleClick_;
};

QTreeWidgetItem& RowItem(const QTreeWidget& list, int row) {
  QTreeWidgetItem* item = row >= 0 ? list.topLevelItem(row) : nullptr;
  if (!item) throw Failure("List index out of bounds (" + std::to_string(row) + ")");
  return *item;
}

void CheckPart(int part) {
  if (part < kPartWholeRow || part >= kSubItemCount)
    throw Failure("Invalid row part (" + std::to_string(part) + ")");
}

std::vector<bool> SelectionFlags(const QTreeWidget& list) {
  std::vector<bool> selected(static_cast<std::size_t>(list.topLevelItemCount()), false);
  for (const QModelIndex& index : list.selectionModel()->selectedRows())
    if (!index.parent().isValid() && index.row() < static_cast<int>(selected.size()))
      selected[static_cast<std::size_t>(index.row())] = true;
  return selected;
}

// Sets the selection in one step; the focused row stays where it is.
void ApplySelection(QTreeWidget& list, const std::vector<bool>& selected) {
  QAbstractItemModel* model = list.model();
  QItemSelection selection;
  const int count = static_cast<int>(selected.size());
  for (int i = 0; i < count;) {
    if (!selected[static_cast<std::size_t>(i)]) {
      ++i;
      continue;
    }
    int last = i;
    while (last + 1 < count && selected[static_cast<std::size_t>(last + 1)]) ++last;
    selection.select(model->index(i, 0), model->index(last, kColumnCount - 1));
    i = last + 1;
  }
  list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

void TMainForm::ConnectTaskList() {
  connect(tbtnAddFile, &QToolButton::clicked, this, [this] { tbtnAddFileClick(); });
  connect(tbtnAddDir, &QToolButton::clicked, this, [this] { tbtnAddDirClick(); });
  connect(tbtnRemove, &QToolButton::clicked, this, [this] { tbtnRemoveClick(); });
  connect(tbtnClear, &QToolButton::clicked, this, [this] { tbtnClearClick(); });
  connect(tbtnUp, &QToolButton::clicked, this, [this] { tbtnUpClick(); });
  connect(tbtnDown, &QToolButton::clicked, this, [this] { tbtnDownClick(); });
  connect(Open1, &QAction::triggered, this, [this] { ltvTaskDblClick(); });
  connect(AddFiles1, &QAction::triggered, this, [this] { tbtnAddFileClick(); });
  connect(AddDirectorys1, &QAction::triggered, this, [this] { tbtnAddDirClick(); });
  connect(Remove1, &QAction::triggered, this, [this] { tbtnRemoveClick(); });
  connect(Clear1, &QAction::triggered, this, [this] { tbtnClearClick(); });
  connect(ppmTask, &QMenu::aboutToShow, this, [this] { ppmTaskPopup(); });
  connect(ltvTask, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { ppmTask->popup(ltvTask->viewport()->mapToGlobal(at)); });
  ltvTask->viewport()->installEventFilter(
      new DoubleClickFilter(ltvTask, [this] { ltvTaskDblClick(); }));
}

// ---- rows and records ----

void TMainForm::ReadRow(int row, int part, ltvItemData& record) const {
  CheckPart(part);
  const QTreeWidgetItem& item = RowItem(*ltvTask, row);
  if (part == kPartCaption || part == kPartWholeRow) record.Path = item.text(0).toStdString();
  if (part == kPartCaption) return;
  for (int n = 0; n < kSubItemCount; ++n) {
    if (part != kPartWholeRow && part != n) continue;
    auto& text = record.Texts[static_cast<std::size_t>(n)];
    text = SubItemText(item, n);
    const int slot = NumberSlotOfPart(n);
    if (slot >= 0) record.Numbers[static_cast<std::size_t>(slot)] = ParseTimeText(text);
  }
}

void TMainForm::WriteRow(int row, int part, const ltvItemData& record) {
  CheckPart(part);
  QTreeWidgetItem& item = RowItem(*ltvTask, row);
  if (part == kPartCaption || part == kPartWholeRow) SetCaption(item, record.Path);
  if (part == kPartCaption) return;
  for (int n = 0; n < kSubItemCount; ++n)
    if (part == kPartWholeRow || part == n)
      SetSubItemText(item, n, record.Texts[static_cast<std::size_t>(n)]);
}

// ---- adding ----

void TMainForm::AddFile(const std::string& path) {
  panltvTask->hide();
  const QString caption = Q(path);
  for (int i = 0; i < ltvTask->topLevelItemCount(); ++i) {
    if (ltvTask->topLevelItem(i)->text(0) != caption) continue;
    MessageRequest question;
    question.owner = this;
    question.text =
        "This file has been added to the Task List already. Are you sure to add it again?";
    question.caption = "Already Listed";
    question.icon = MsgIcon::Question;
    question.buttons = MsgButtons::YesNo;
    question.defaultButton = MsgResult::Yes;
    if (shell().messageBox(question) != MsgResult::Yes) return;
    break;
  }

  auto* item = new QTreeWidgetItem(ltvTask);
  SetCaption(*item, path);
  MediaProbeResult probe;
  try {
    probe = ProbeMediaFile(path);
  } catch (...) {
    // No half-made row: the rest of the program expects every row to be complete.
    delete item;
    throw;
  }

  ltvItemData record;
  record.Path = path;
  record.LengthText() = probe.LengthText;
  record.LengthSeconds() = ParseTimeText(probe.LengthText);
  record.SizeText() = probe.SizeText;
  record.StatusText() = "OK";
  record.BaseName() = NameWithoutExtension(ExtractFileName(path));
  for (int n = 0; n < kSubItemCount; ++n) SetSubItemText(*item, n, std::string());
  WriteRow(ltvTask->indexOfTopLevelItem(item), kPartWholeRow, record);
}

void TMainForm::AddFolder(const std::string& folder) {
  const std::vector<std::string> names = ListSupportedFiles(folder, InputExtensions());
  const QPointer<TMainForm> self(this);
  const bool wasVisible = isVisible();
  for (const std::string& name : names) {
    // Pending events run between two files, so the window answers during a long
    // folder. What they do runs to its end before the next file; the adding stops
    // when they closed the window.
    QCoreApplication::processEvents();
    if (!self || (wasVisible && !isVisible())) return;
    AddFile(AddTrailingBackslash(folder) + name);
  }
}

void TMainForm::TakeCommandLine(const QStringList& arguments) {
  std::vector<std::string> parameters;
  for (const QString& argument : arguments) parameters.push_back(argument.toStdString());
  // A failing probe ends the intake at that file, but never the window's creation:
  // the message is shown and start-up goes on with the rows added so far.
  try {
    for (const std::string& entry : CommandLineEntries(parameters)) {
      const std::string path = AbsoluteEntry(entry);
      if (FileExists(path) && IsSupportedInput(path, InputExtensions()))
        AddFile(path);
      else if (DirectoryExists(path))
        AddFolder(path);
    }
  } catch (const std::exception& failure) {
    ShowErrorBox(shell(), this, QString::fromStdString(failure.what()));
  }
  if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
}

void TMainForm::tbtnAddFileClick() {
  const QStringList files = shell().openFiles(this, OpenDialog1);
  try {
    for (std::size_t i : DialogAddOrder(static_cast<std::size_t>(files.size())))
      AddFile(files[static_cast<qsizetype>(i)].toStdString());
  } catch (...) {
    if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
    throw;
  }
  if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
}

void TMainForm::tbtnAddDirClick() {
  const std::optional<QString> folder =
      shell().browseFolder(this, "Add a directory to the Task List");
  const auto finish = [this] {
    ltvTask->setFocus();
    if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
  };
  try {
    if (folder) AddFolder(folder->toStdString());
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TMainForm::WMDropFiles(const QStringList& names) {
  panltvTask->hide();
  // The job lock disables the list; a drop during a job adds nothing.
  if (!ltvTask->isEnabledTo(this)) return;
  // Names are taken whole: the 253-character cut of the original drop buffer would
  // only ever name a file that does not exist.
  try {
    for (const QString& dropped : names) {
      const std::string name = dropped.toStdString();
      if (DirectoryExists(name))
        AddFolder(name);
      else if (FileExists(name) && IsSupportedInput(name, InputExtensions()))
        AddFile(name);
    }
  } catch (...) {
    if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
    throw;
  }
  if (ltvTask->topLevelItemCount() > 0) SetListBarButtonsEnabled(true);
}

// ---- removing and ordering ----

void TMainForm::SetListBarButtonsEnabled(bool enabled) {
  for (QToolButton* button : {tbtnUp, tbtnDown, tbtnRemove, tbtnClear}) button->setEnabled(enabled);
}

void TMainForm::tbtnRemoveClick() {
  const std::vector<bool> selected = SelectionFlags(*ltvTask);
  for (int i = static_cast<int>(selected.size()) - 1; i >= 0; --i)
    if (selected[static_cast<std::size_t>(i)]) delete ltvTask->takeTopLevelItem(i);
  if (ltvTask->topLevelItemCount() == 0) SetListBarButtonsEnabled(false);
}

void TMainForm::tbtnClearClick() {
  ltvTask->clear();
  SetListBarButtonsEnabled(false);
}

namespace {
// Exchanges the records of the rows in each pair, in order.
void ExchangeRows(TMainForm& form, const std::vector<std::pair<int, int>>& exchanges) {
  ltvItemData first, second;
  for (const auto& [a, b] : exchanges) {
    form.ReadRow(a, kPartWholeRow, first);
    form.ReadRow(b, kPartWholeRow, second);
    form.WriteRow(b, kPartWholeRow, first);
    form.WriteRow(a, kPartWholeRow, second);
  }
}
}  // namespace

void TMainForm::tbtnUpClick() {
  std::vector<bool> selected = SelectionFlags(*ltvTask);
  const auto exchanges = PlanMoveUp(selected);
  if (exchanges.empty()) return;
  ExchangeRows(*this, exchanges);
  ApplySelection(*ltvTask, selected);
}

void TMainForm::tbtnDownClick() {
  std::vector<bool> selected = SelectionFlags(*ltvTask);
  const auto exchanges = PlanMoveDown(selected);
  if (exchanges.empty()) return;
  ExchangeRows(*this, exchanges);
  ApplySelection(*ltvTask, selected);
}

// ---- opening, popup menu, keys, column stretching ----

void TMainForm::ltvTaskDblClick() {
  const std::vector<bool> selected = SelectionFlags(*ltvTask);
  for (std::size_t i = 0; i < selected.size(); ++i) {
    if (!selected[i]) continue;
    ltvItemData record;
    ReadRow(static_cast<int>(i), kPartCaption, record);
    shell().shellOpen(this, Q(record.Path));
    return;
  }
}

void TMainForm::ppmTaskPopup() {
  const bool anySelected = !ltvTask->selectionModel()->selectedRows().isEmpty();
  Open1->setEnabled(anySelected);
  Remove1->setEnabled(anySelected);
  Clear1->setEnabled(ltvTask->topLevelItemCount() > 0);
  AddFiles1->setEnabled(true);
  AddDirectorys1->setEnabled(true);
}

bool TMainForm::ltvTaskKeyDown(int key) {
  if (key == Qt::Key_Backspace) {
    tbtnClearClick();
    return true;
  }
  if (key == Qt::Key_Delete) {
    tbtnRemoveClick();
    return true;
  }
  return false;
}

void TMainForm::ltvTaskResize() {
  const int width = ltvTask->width();
  // Until the list is on screen its width is the layout's business, not the user's:
  // the start-up column widths belong to the width the list first shows with.
  if (!ltvTask->isVisible()) {
    RememberedWidth = width;
    return;
  }
  const int delta = width - RememberedWidth;
  RememberedWidth = width;
  if (delta == 0) return;
  std::array<int, 4> widths{};
  for (int i = 0; i < kColumnCount; ++i)
    widths[static_cast<std::size_t>(i)] = ltvTask->columnWidth(i);
  widths = StretchColumns(widths, delta);
  for (int i = 0; i < kColumnCount; ++i)
    ltvTask->setColumnWidth(i, widths[static_cast<std::size_t>(i)]);
}

}  // namespace vuvide
