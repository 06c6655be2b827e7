#include "app/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "about/AboutForm.h"
#include "app/Extensions.h"
#include "app/PathRoutines.h"
#include "app/PictureButton.h"
#include "prefs/IniFile.h"
#include "prefs/Preferences.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"

namespace vuvide {
namespace {

// Client area of the window: 798 x 559 outside, less the frame and the title bar.
constexpr int kClientWidth = 790;
constexpr int kClientHeight = 525;
constexpr int kToolbarHeight = 55;
constexpr int kBottomHeight = 77;
constexpr int kListBarHeight = 35;
constexpr int kSideBorderWidth = 10;
constexpr int kViewPanelWidth = 612;
constexpr int kLogoWidth = 178;
constexpr std::array<int, 4> kColumnWidths{350, 90, 80, 150};

// Buttons that the skin leaves alone carry this tag value.
constexpr int kUnskinnedTag = 9999;

QFrame* NewPanel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setAccessibleName(name);
  return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                 int width = -1) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAccessibleName(text.isEmpty() ? QString(name) : text);
  if (width > 0) {
    label->setGeometry(x, y, width, 17);
  } else {
    label->move(x, y);
    label->adjustSize();
  }
  return label;
}

QToolButton* NewFlatButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                           bool textUnderIcon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setAccessibleName(text);
  button->setToolTip(text);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setToolButtonStyle(textUnderIcon ? Qt::ToolButtonTextUnderIcon
                                           : Qt::ToolButtonTextBesideIcon);
  button->setGeometry(geometry);
  button->setProperty("tag", kUnskinnedTag);
  return button;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAccessibleName(QString(text).remove('&'));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TMainForm::TMainForm(Shell& shell, const std::string& appDir, const QStringList& arguments,
                     QWidget* parent)
    : QWidget(parent), shell_(shell) {
  AppDir = AddTrailingBackslash(appDir);
  setObjectName("TMainForm");
  setAcceptDrops(false);
  BuildLayout();
  ConnectHandlers();
  FormCreate(arguments);
}

TMainForm::~TMainForm() = default;

void TMainForm::AttachDialogs(TopSettingForm* opSetting, TSettingForm* setting, TAboutForm* about) {
  OpSettingForm = opSetting;
  SettingForm = setting;
  AboutForm = about;
}

void TMainForm::BuildLayout() {
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kViewPanelWidth + kLogoWidth, kToolbarHeight + kBottomHeight + 120);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  BuildToolbar();
  BuildTaskArea();
  BuildBottomBar();
  column->addWidget(panToolbar);
  column->addWidget(panMain, 1);
  column->addWidget(panBottom);
  BuildWelcomePanel();

  timerTime = new QTimer(this);
  timerTime->setObjectName("timerTime");
  timerTime->setInterval(1000);
}

void TMainForm::BuildToolbar() {
  panToolbar = NewPanel(this, "panToolbar");
  panToolbar->setFixedHeight(kToolbarHeight);
  const QRect first(8, 8, 89, 38);
  const auto at = [&](int i) { return first.translated(i * 93, 0); };
  tbtnAddFile = NewFlatButton(panToolbar, "tbtnAddFile", "Add Files", at(0), true);
  tbtnAddDir = NewFlatButton(panToolbar, "tbtnAddDir", "Add Dir", at(1), true);
  tbtnSetting = NewFlatButton(panToolbar, "tbtnSetting", "Settings", at(2), true);
  tbtnAbout = NewFlatButton(panToolbar, "tbtnAbout", "About", at(3), true);
  tbtnHelp = NewFlatButton(panToolbar, "tbtnHelp", "Help", at(4), true);
}

void TMainForm::BuildTaskArea() {
  panMain = NewPanel(this, "panMain");
  auto* row = new QHBoxLayout(panMain);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);

  panLeft = NewPanel(panMain, "panLeft");
  panLeft->setFixedWidth(kSideBorderWidth);
  panRight = NewPanel(panMain, "panRight");
  panRight->setFixedWidth(kSideBorderWidth);
  Panel1 = NewPanel(panMain, "Panel1");
  row->addWidget(panLeft);
  row->addWidget(Panel1, 1);
  row->addWidget(panRight);

  auto* listColumn = new QVBoxLayout(Panel1);
  listColumn->setContentsMargins(0, 0, 0, 0);
  listColumn->setSpacing(0);

  ltvTask = new QTreeWidget(Panel1);
  ltvTask->setObjectName("ltvTask");
  ltvTask->setAccessibleName("Task List");
  ltvTask->setColumnCount(4);
  ltvTask->setHeaderLabels({"Input File", "Length", "Size", "Status"});
  ltvTask->setRootIsDecorated(false);
  ltvTask->setItemsExpandable(false);
  ltvTask->setUniformRowHeights(true);
  ltvTask->setSortingEnabled(false);
  ltvTask->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ltvTask->setSelectionBehavior(QAbstractItemView::SelectRows);
  ltvTask->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ltvTask->setContextMenuPolicy(Qt::CustomContextMenu);
  ltvTask->header()->setSectionsClickable(false);
  ltvTask->header()->setSectionsMovable(false);
  ltvTask->header()->setStretchLastSection(false);
  ltvTask->installEventFilter(this);
  listColumn->addWidget(ltvTask, 1);

  Panel2 = NewPanel(Panel1, "Panel2");
  Panel2->setFixedHeight(kListBarHeight);
  const auto listBarButton = [&](const char* name, const QString& text, int left) {
    return NewFlatButton(Panel2, name, text, QRect(left, 6, 100, 22), false);
  };
  tbtnRemove = listBarButton("tbtnRemove", "Delete", 21);
  tbtnClear = listBarButton("tbtnClear", "Clear", 125);
  tbtnUp = listBarButton("tbtnUp", "Move Up", 229);
  tbtnDown = listBarButton("tbtnDown", "Move Down", 334);
  listColumn->addWidget(Panel2);

  ppmTask = new QMenu(this);
  ppmTask->setObjectName("ppmTask");
  Open1 = ppmTask->addAction("Open");
  Open1->setObjectName("Open1");
  ppmTask->addSeparator();
  AddFiles1 = ppmTask->addAction("Add Files...");
  AddFiles1->setObjectName("AddFiles1");
  AddDirectorys1 = ppmTask->addAction("Add Directorys...");
  AddDirectorys1->setObjectName("AddDirectorys1");
  ppmTask->addSeparator();
  Remove1 = ppmTask->addAction("Remove");
  Remove1->setObjectName("Remove1");
  Clear1 = ppmTask->addAction("Clear");
  Clear1->setObjectName("Clear1");
}

void TMainForm::BuildBottomBar() {
  panBottom = NewPanel(this, "panBottom");
  panBottom->setFixedHeight(kBottomHeight);
  auto* row = new QHBoxLayout(panBottom);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);

  // Setup view.
  panBottomCenter = NewPanel(panBottom, "panBottomCenter");
  panBottomCenter->setFixedWidth(kViewPanelWidth);
  auto* profileLabel = NewLabel(panBottomCenter, "labProfile", "Profile:", 10, 13);
  cmbProfile = new QComboBox(panBottomCenter);
  cmbProfile->setObjectName("cmbProfile");
  cmbProfile->setAccessibleName("Profile");
  cmbProfile->setEditable(false);
  cmbProfile->setGeometry(84, 9, 439, 23);
  profileLabel->setBuddy(cmbProfile);
  bbtnSetting = NewButton(panBottomCenter, "bbtnSetting", "&Setting", QRect(529, 8, 75, 25));
  auto* outputLabel = NewLabel(panBottomCenter, "labOutputFile", "Output File:", 10, 47);
  edtOutputFile = new QLineEdit(panBottomCenter);
  edtOutputFile->setObjectName("edtOutputFile");
  edtOutputFile->setAccessibleName("Output File");
  edtOutputFile->setGeometry(84, 43, 350, 23);
  // Files dropped anywhere on the window go to the task list, this box included.
  edtOutputFile->setAcceptDrops(false);
  outputLabel->setBuddy(edtOutputFile);
  bbtnBrowser = NewButton(panBottomCenter, "bbtnBrowser", "&Browser", QRect(443, 42, 78, 25));
  bbtnOpen = NewButton(panBottomCenter, "bbtnOpen", "&Open", QRect(529, 42, 75, 25));
  row->addWidget(panBottomCenter);

  // Job view, in the same place.
  panBottomLeft = NewPanel(panBottom, "panBottomLeft");
  panBottomLeft->setFixedWidth(kViewPanelWidth);
  labProcessTitle = NewLabel(panBottomLeft, "labProcessTitle", "Converting (Prepare):", 10, 6, 170);
  labConvertingFile = NewLabel(panBottomLeft, "labConvertingFile", "No File", 180, 6, 176);
  labConvertingFile->setAccessibleName("Current File");
  NewLabel(panBottomLeft, "labElapsedCaption", "Time Elapsed:", 362, 6);
  labElapsed = NewLabel(panBottomLeft, "labElapsed", "00:00:00", 436, 6, 50);
  labElapsed->setAccessibleName("Time Elapsed");
  NewLabel(panBottomLeft, "labRemainingCaption", "Time Remaining:", 490, 6);
  labRemaining = NewLabel(panBottomLeft, "labRemaining", "00:00:00", 566, 6, 50);
  labRemaining->setAccessibleName("Time Remaining");
  NewLabel(panBottomLeft, "labCurrentCaption", "Current Progress:", 10, 30);
  pgbCurrent = new QProgressBar(panBottomLeft);
  pgbCurrent->setObjectName("pgbCurrent");
  pgbCurrent->setAccessibleName("Current Progress");
  pgbCurrent->setRange(0, 100);
  pgbCurrent->setTextVisible(false);
  pgbCurrent->setGeometry(112, 30, 442, 17);
  labCurProgress = NewLabel(panBottomLeft, "labCurProgress", "0%", 562, 30, 40);
  NewLabel(panBottomLeft, "labTotalCaption", "Total Progress:", 10, 53);
  pgbTotal = new QProgressBar(panBottomLeft);
  pgbTotal->setObjectName("pgbTotal");
  pgbTotal->setAccessibleName("Total Progress");
  pgbTotal->setRange(0, 100);
  pgbTotal->setTextVisible(false);
  pgbTotal->setGeometry(112, 53, 442, 17);
  labTotalProgress = NewLabel(panBottomLeft, "labTotalProgress", "0%", 562, 53, 40);
  row->addWidget(panBottomLeft);

  imgBottomBack = new QLabel(panBottom);
  imgBottomBack->setObjectName("imgBottomBack");
  imgBottomBack->setScaledContents(true);
  row->addWidget(imgBottomBack, 1);

  // Logo panel with Start and Stop.
  panLogo = NewPanel(panBottom, "panLogo");
  panLogo->setFixedWidth(kLogoWidth);
  Image9 = new QLabel(panLogo);
  Image9->setObjectName("Image9");
  Image9->setGeometry(0, 0, kLogoWidth, kBottomHeight);
  Image9->setMouseTracking(true);
  Image9->installEventFilter(this);
  imgStart = new PictureButton(panLogo);
  imgStart->setObjectName("imgStart");
  imgStart->setAccessibleName("Start");
  imgStart->setGeometry(25, 7, 133, 65);
  imgStop = new PictureButton(panLogo);
  imgStop->setObjectName("imgStop");
  imgStop->setAccessibleName("Stop");
  imgStop->setGeometry(24, 7, 133, 65);
  imgStop->hide();
  row->addWidget(panLogo);
}

void TMainForm::BuildWelcomePanel() {
  panltvTask = NewPanel(panMain, "panltvTask");
  panltvTask->setGeometry(0, 0, 770, 393);
  panltvTask->setAccessibleName("Welcome");
  Image12 = new QLabel(panltvTask);
  Image12->setObjectName("Image12");
  Image12->setGeometry(0, 0, 770, 393);
  Image12->setScaledContents(true);
  Image13 = new QLabel(panltvTask);
  Image13->setObjectName("Image13");
  Image13->setGeometry(40, 60, 320, 240);
  labProgramName = new QLabel(panltvTask);
  labProgramName->setObjectName("labProgramName");
  labProgramName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont logoFont("Verdana");
  logoFont.setPixelSize(17);
  logoFont.setBold(true);
  logoFont.setItalic(true);
  labProgramName->setFont(logoFont);
  labProgramName->setGeometry(370, 40, 380, 28);
  panltvTask->raise();
}

void TMainForm::ConnectHandlers() {
  connect(cmbProfile, &QComboBox::activated, this, [this] { cmbProfileChange(); });
  connect(tbtnSetting, &QToolButton::clicked, this, [this] { tbtnSettingClick(); });
  connect(tbtnAbout, &QToolButton::clicked, this, [this] { tbtnAboutClick(); });
  connect(bbtnSetting, &QPushButton::clicked, this, [this] { bbtnSettingClick(); });
  ConnectButtons();
  ConnectTaskList();
  ConnectEngine();
}

void TMainForm::FormCreate(const QStringList& arguments) {
  // 1-2: the program folder and the encoder beside it.
  EncoderPath = AppDir + "asapi.dll";
  // 3: header colour of the task list.
  ltvTask->header()->setStyleSheet(
      "QHeaderView::section { background-color: rgb(243, 243, 243); }");
  // 4: the version shown in the title.
  VersionText = ReadIniString(prefs::PreferencesFile(AppDir), prefs::kMain, prefs::kVersion,
                              prefs::kDefaultVersion);
  // 5: product identity.
  Info = MakeProgramInfo(AppDir);
  HelpFile = Info.helpFile;
  setWindowTitle(QString::fromStdString(MainWindowTitle(Info.productName, VersionText)));
  labProgramName->setText(QString::fromStdString(LogoText(Info.productName)));
  labProgramName->setAccessibleName(labProgramName->text());
  // 6-7: file dialogs.
  SaveDialog1.filter = QString::fromStdString(SaveDialogFilter());
  SaveDialog1.defaultExtension = "avi";
  OpenDialog1.filter = QString::fromStdString(OpenDialogFilter());
  OpenDialog1.multiSelect = true;
  OpenDialog1.mustExist = true;
  // 8: the profile chooser, in name order.
  for (const auto& name : ListFilesWithExtension(AppDir + "Profiles" + kPathSeparator, ".bpf"))
    cmbProfile->addItem(QString::fromStdString(NameWithoutExtension(name)));
  cmbProfile->setCurrentIndex(-1);
  // 9: files named on the command line.
  TakeCommandLine(arguments);
  // 10: dropped files.
  setAcceptDrops(true);
  // 11: the setup view.
  panBottomCenter->setFixedWidth(kViewPanelWidth);
  panBottomLeft->setFixedWidth(kViewPanelWidth);
  panBottomLeft->hide();
  // 12: first column widths; column stretching counts from the list's width now.
  for (int i = 0; i < 4; ++i) ltvTask->setColumnWidth(i, kColumnWidths[static_cast<size_t>(i)]);
  RememberedWidth = ltvTask->width();
}

void TMainForm::FormShow() {
  const std::string file = prefs::PreferencesFile(AppDir);
  if (cmbProfile->count() > 0) {
    const int position = ReadIniInteger(file, prefs::kMain, prefs::kProfile, 0);
    cmbProfile->setCurrentIndex(position >= 0 && position < cmbProfile->count() ? position : -1);
    cmbProfileChange();
  }
  edtOutputFile->setText(
      QString::fromStdString(ReadIniString(file, prefs::kMain, prefs::kOutputFile, "")));
}

void TMainForm::FormClose() {
  const std::string file = prefs::PreferencesFile(AppDir);
  WriteIniInteger(file, prefs::kMain, prefs::kProfile, cmbProfile->currentIndex());
  WriteIniString(file, prefs::kMain, prefs::kOutputFile, edtOutputFile->text().toStdString());
}

std::string TMainForm::ProfilePath() const {
  const std::string folder = AppDir + "Profiles" + kPathSeparator;
  const std::string name = cmbProfile->currentText().toStdString();
  const std::string path = folder + name + ".bpf";
  if (FileExists(path) || name.empty()) return path;
  // The chooser lists profiles whatever the letter case of their extension (A.BPF is
  // listed as A); on a case-sensitive file system the path must name that file.
  for (const auto& file : ListFilesWithExtension(folder, ".bpf"))
    if (NameWithoutExtension(file) == name) return folder + file;
  return path;
}

void TMainForm::cmbProfileChange() {
  const std::string path = ProfilePath();
  if (FileExists(path) && OpSettingForm) OpSettingForm->LoadProfile(path);
}

void TMainForm::bbtnSettingClick() {
  if (OpSettingForm) OpSettingForm->show();
}

void TMainForm::tbtnSettingClick() {
  if (SettingForm) SettingForm->show();
}

void TMainForm::tbtnAboutClick() {
  if (AboutForm) AboutForm->show();
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // A running job is stopped first (engine/MainFormEngine.cpp); the window closes once
  // the job has ended.
  if (StopJobBeforeClose()) {
    event->ignore();
    return;
  }
  // Whether or not the values can be stored, the window closes: a failure is shown
  // in the error box and the program ends as the user asked.
  try {
    FormClose();
  } catch (const std::exception& failure) {
    ShowErrorBox(shell_, this, QString::fromStdString(failure.what()));
  }
  for (QWidget* dialog : std::initializer_list<QWidget*>{OpSettingForm, SettingForm, AboutForm})
    if (dialog) dialog->hide();
  event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ltvTask) {
    if (event->type() == QEvent::KeyPress && ltvTaskKeyDown(static_cast<QKeyEvent*>(event)->key()))
      return true;
    if (event->type() == QEvent::Resize) ltvTaskResize();
  } else if (watched == Image9 && event->type() == QEvent::MouseMove) {
    Image1MouseMove();
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  QStringList names;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) names << url.toLocalFile();
  event->acceptProposedAction();
  WMDropFiles(names);
}

}  // namespace vuvide
