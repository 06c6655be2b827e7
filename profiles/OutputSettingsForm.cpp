#include "profiles/OutputSettingsForm.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "profiles/OptionBuilder.h"

namespace vuvide {
namespace {

constexpr int kClientWidth = 413;
constexpr int kClientHeight = 473;
constexpr int kPanelWidth = 377;
constexpr int kRowHeight = 21;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAccessibleName(text.trimmed());
  label->move(x, y);
  label->adjustSize();
  return label;
}

// A chooser bound to one profile section. The section name is kept as the chooser's
// hint; hints are not shown in this window.
QComboBox* NewChooser(QWidget* parent, const char* name, const SettingInfo& info,
                      const QString& accessibleName, QRect geometry) {
  auto* chooser = new QComboBox(parent);
  chooser->setObjectName(name);
  chooser->setAccessibleName(accessibleName);
  chooser->setProperty("hint", QString::fromUtf8(info.section));
  chooser->setEditable(info.freeText);
  if (info.freeText) {
    // Typed text stays as typed: no completion from the choices, and Enter never adds
    // the text to the choices (they come from the profile only).
    chooser->setCompleter(nullptr);
    chooser->setInsertPolicy(QComboBox::NoInsert);
  }
  chooser->setMaxVisibleItems(12);
  chooser->setGeometry(geometry);
  return chooser;
}

QFrame* NewPanel(QWidget* parent, const char* name, QRect geometry) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setAccessibleName(name);
  panel->setFrameShape(QFrame::NoFrame);
  panel->setGeometry(geometry);
  return panel;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAccessibleName(text);
  button->setAutoDefault(false);
  button->setGeometry(geometry);
  return button;
}

void Fill(QComboBox* chooser, const ChooserState& state) {
  chooser->clear();
  for (const auto& caption : state.choices) chooser->addItem(QString::fromStdString(caption));
  chooser->setCurrentIndex(state.selected);
  if (chooser->isEditable()) chooser->setEditText(QString::fromStdString(state.text));
}

bool IsWholeNumber(const QString& text) {
  return ParseWholeNumberText(text.toStdString()).has_value();
}

}  // namespace

TopSettingForm::TopSettingForm(TMainForm& mainForm)
    : ProgramDialog(mainForm, "Output Settings", kClientWidth, kClientHeight) {
  setObjectName("TopSettingForm");
  setAccessibleName("Output Settings");
  BuildControls();
  ConnectHandlers();
  FormCreate();
}

void TopSettingForm::BuildControls() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  setFont(font);

  const auto& settings = Settings();
  auto info = [&](Setting s) -> const SettingInfo& {
    return settings[static_cast<std::size_t>(s)];
  };
  constexpr int labelX = 16;
  constexpr int chooserX = 112;

  QLabel* label = NewLabel(this, "labVcodec", "Video Codec: ", labelX, 17);
  cmbVcodec = NewChooser(this, "cmbVcodec", info(Setting::VideoCodec), "Video Codec",
                         QRect(chooserX, 14, 281, kRowHeight));
  label->setBuddy(cmbVcodec);

  label = NewLabel(this, "labVbitrate", "Video Bitrate:", labelX, 45);
  cmbVbitrate = NewChooser(this, "cmbVbitrate", info(Setting::VideoBitrate), "Video Bitrate",
                           QRect(chooserX, 42, 121, kRowHeight));
  label->setBuddy(cmbVbitrate);
  NewLabel(this, "labVbitrateUnit", "kbit", chooserX + 127, 45);

  label = NewLabel(this, "labAspect", "Aspect:", labelX, 73);
  cmbAspect = NewChooser(this, "cmbAspect", info(Setting::Aspect), "Aspect",
                         QRect(chooserX, 70, 121, kRowHeight));
  label->setBuddy(cmbAspect);

  gpbOutputSize = new QGroupBox("Output Size", this);
  gpbOutputSize->setObjectName("gpbOutputSize");
  gpbOutputSize->setAccessibleName("Output Size");
  gpbOutputSize->setGeometry(labelX, 98, kPanelWidth, 84);
  rdbSelectSize = new QRadioButton(gpbOutputSize);
  rdbSelectSize->setObjectName("rdbSelectSize");
  rdbSelectSize->setAccessibleName("Size from the list");
  rdbSelectSize->setGeometry(12, 25, 17, 17);
  rdbSelectSize->setChecked(true);
  cmbVideoSize = NewChooser(gpbOutputSize, "cmbVideoSize", info(Setting::VideoSize), "Video Size",
                            QRect(34, 23, 185, kRowHeight));
  rdbManualSize = new QRadioButton("Manual", gpbOutputSize);
  rdbManualSize->setObjectName("rdbManualSize");
  rdbManualSize->setAccessibleName("Manual");
  rdbManualSize->setGeometry(12, 53, 70, 17);
  label = NewLabel(gpbOutputSize, "labWidth", "Width:", 90, 54);
  edtWidth = new QLineEdit(gpbOutputSize);
  edtWidth->setObjectName("edtWidth");
  edtWidth->setAccessibleName("Width");
  edtWidth->setGeometry(134, 51, 57, kRowHeight);
  label->setBuddy(edtWidth);
  label = NewLabel(gpbOutputSize, "labHeight", "Height:", 206, 54);
  edtHeight = new QLineEdit(gpbOutputSize);
  edtHeight->setObjectName("edtHeight");
  edtHeight->setAccessibleName("Height");
  edtHeight->setGeometry(252, 51, 57, kRowHeight);
  label->setBuddy(edtHeight);

  label = NewLabel(this, "labAcodec", "Audio Codec:", labelX, 197);
  cmbAcodec = NewChooser(this, "cmbAcodec", info(Setting::AudioCodec), "Audio Codec",
                         QRect(chooserX, 194, 185, kRowHeight));
  label->setBuddy(cmbAcodec);

  // Both panels are placed over one another by FormCreate.
  panLavc = NewPanel(this, "panLavc", QRect(labelX, 222, 300, 52));
  label = NewLabel(panLavc, "labAbitrate", "Audio Bitrate:", 0, 3);
  cmbAbitrate = NewChooser(panLavc, "cmbAbitrate", info(Setting::AudioBitrate), "Audio Bitrate",
                           QRect(chooserX - labelX, 0, 121, kRowHeight));
  label->setBuddy(cmbAbitrate);
  NewLabel(panLavc, "labAbitrateUnit", "Kbps", chooserX - labelX + 127, 3);

  panMP3 = NewPanel(this, "panMP3", QRect(200, 222, 193, 52));
  labVBR = NewLabel(panMP3, "labVBR", "Encode To:", 0, 3);
  cmbEncodeTo = NewChooser(panMP3, "cmbEncodeTo", info(Setting::Mp3Encode), "Encode To",
                           QRect(chooserX - labelX, 0, 185, kRowHeight));
  labVBR->setBuddy(cmbEncodeTo);
  labQuality = NewLabel(panMP3, "labQuality", "Quality:", 0, 31);
  cmbQuality = NewChooser(panMP3, "cmbQuality", info(Setting::VbrQuality), "Quality",
                          QRect(chooserX - labelX, 28, 121, kRowHeight));
  labQuality->setBuddy(cmbQuality);
  labBitrate = NewLabel(panMP3, "labBitrate", "Bitrate:", 0, 59);
  cmbBitrate = NewChooser(panMP3, "cmbBitrate", info(Setting::AbrCbrBitrate), "Bitrate",
                          QRect(chooserX - labelX, 56, 121, kRowHeight));
  labBitrate->setBuddy(cmbBitrate);
  labBitrate->hide();
  cmbBitrate->hide();

  label = NewLabel(this, "labChannels", "Channels:", labelX, 285);
  cmbChannels = NewChooser(this, "cmbChannels", info(Setting::Channels), "Channels",
                           QRect(chooserX, 282, 121, kRowHeight));
  label->setBuddy(cmbChannels);

  label = NewLabel(this, "labSrate", "Sample Rate:", labelX, 313);
  cmbSrate = NewChooser(this, "cmbSrate", info(Setting::SampleRate), "Sample Rate",
                        QRect(chooserX, 310, 121, kRowHeight));
  label->setBuddy(cmbSrate);
  NewLabel(this, "labSrateUnit", "HZ", chooserX + 127, 313);

  gpbDecription = new QGroupBox("Decription", this);
  gpbDecription->setObjectName("gpbDecription");
  gpbDecription->setAccessibleName("Decription");
  gpbDecription->setGeometry(labelX, 342, kPanelWidth, 82);
  memDescription = new QPlainTextEdit(gpbDecription);
  memDescription->setObjectName("memDescription");
  memDescription->setAccessibleName("Description");
  memDescription->setReadOnly(true);
  memDescription->setFrameShape(QFrame::NoFrame);
  memDescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memDescription->setFocusPolicy(Qt::StrongFocus);  // in the tab order: it can be read and copied
  memDescription->setBackgroundRole(QPalette::Window);
  memDescription->viewport()->setBackgroundRole(QPalette::Window);
  memDescription->viewport()->setAutoFillBackground(true);
  memDescription->setGeometry(10, 20, kPanelWidth - 20, 54);

  btnOK = NewButton(this, "btnOK", "OK", QRect(232, 436, 75, 25));
  btnCancel = NewButton(this, "btnCancel", "Cancel", QRect(318, 436, 75, 25));

  choosers_ = {cmbVcodec,  cmbVideoSize, cmbVbitrate, cmbAspect, cmbAcodec,  cmbEncodeTo,
               cmbQuality, cmbBitrate,   cmbAbitrate, cmbSrate,  cmbChannels};

  // Tab order follows the rows from top to bottom.
  const std::array<QWidget*, 17> tabOrder{
      cmbVcodec,  cmbVbitrate, cmbAspect, rdbSelectSize, cmbVideoSize, rdbManualSize,
      edtWidth,   edtHeight,   cmbAcodec, cmbAbitrate,   cmbEncodeTo,  cmbQuality,
      cmbBitrate, cmbChannels, cmbSrate,  btnOK,         btnCancel};
  for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

QComboBox* TopSettingForm::Chooser(Setting setting) const {
  return choosers_[static_cast<std::size_t>(setting)];
}

void TopSettingForm::ConnectHandlers() {
  // Only the user's picks and edits are changes: "activated" and "textEdited" are
  // never sent for selections and texts that the program sets.
  for (QComboBox* chooser : choosers_) {
    chooser->installEventFilter(this);
    if (chooser == cmbAcodec) {
      connect(chooser, &QComboBox::activated, this, [this] { cmbAcodecChange(); });
    } else if (chooser == cmbEncodeTo) {
      connect(chooser, &QComboBox::activated, this, [this] { cmbEncodeToChange(); });
    } else {
      connect(chooser, &QComboBox::activated, this, [this, chooser] { cmbVcodecChange(chooser); });
      if (chooser->lineEdit())
        connect(chooser->lineEdit(), &QLineEdit::textEdited, this,
                [this, chooser] { cmbVcodecChange(chooser); });
    }
  }
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TopSettingForm::FormCreate() {
  // The ABR/CBR row shares the place of the quality row; the MP3 panel covers the same
  // area as the audio bitrate panel. Only one of each pair is shown at a time.
  labBitrate->move(labBitrate->x(), labQuality->y());
  cmbBitrate->move(cmbBitrate->x(), cmbQuality->y());
  panLavc->resize(kPanelWidth, panLavc->height());
  panMP3->setGeometry(panLavc->x(), panMP3->y(), kPanelWidth, panMP3->height());
}

void TopSettingForm::FormShow() {
  Snapshot.videoCodec = cmbVcodec->currentIndex();
  Snapshot.videoBitrate = cmbVbitrate->currentText();
  Snapshot.aspect = cmbAspect->currentIndex();
  Snapshot.selectSize = rdbSelectSize->isChecked();
  Snapshot.videoSize = cmbVideoSize->currentIndex();
  Snapshot.manualSize = rdbManualSize->isChecked();
  Snapshot.width = edtWidth->text();
  Snapshot.height = edtHeight->text();
  Snapshot.audioCodec = cmbAcodec->currentIndex();
  Snapshot.audioBitrate = cmbAbitrate->currentText();
  Snapshot.encodeTo = cmbEncodeTo->currentIndex();
  Snapshot.quality = cmbQuality->currentIndex();
  Snapshot.abrCbrBitrate = cmbBitrate->currentText();
  Snapshot.channels = cmbChannels->currentIndex();
  Snapshot.sampleRate = cmbSrate->currentText();
  Snapshot.abrCbrBitrateSelected = cmbBitrate->currentIndex();
}

void TopSettingForm::LoadProfile(const std::string& path) {
  if (!FileExists(path)) return;
  ProfileFile = path;
  OutputExtension = ReadProfileExtension(path);
  for (const SettingInfo& info : Settings()) {
    Fill(Chooser(info.setting), ReadProfileSetting(path, info.setting));
    // The rules follow the program's own selections as they follow the user's. At the
    // audio codec's turn the MP3 choosers still hold the previous profile's choices.
    if (info.setting == Setting::AudioCodec) cmbAcodecChange();
    if (info.setting == Setting::Mp3Encode) cmbEncodeToChange();
  }
}

OutputSelection TopSettingForm::Selection() const {
  OutputSelection selection;
  for (const SettingInfo& info : Settings()) {
    const QComboBox* chooser = Chooser(info.setting);
    ChooserState& state = selection[info.setting];
    for (int i = 0; i < chooser->count(); ++i)
      state.choices.push_back(chooser->itemText(i).toStdString());
    state.selected = chooser->currentIndex();
    state.text = chooser->currentText().toStdString();
  }
  selection.manualSize = rdbManualSize->isChecked();
  selection.widthText = edtWidth->text().toStdString();
  selection.heightText = edtHeight->text().toStdString();
  return selection;
}

std::string TopSettingForm::GetFrameSize(const std::string& profilePath) const {
  return vuvide::GetFrameSize(Selection(), profilePath);
}

std::string TopSettingForm::BuildJoinOptions(const std::string& profilePath) const {
  return vuvide::BuildJoinOptions(Selection(), profilePath);
}

void TopSettingForm::DescriptionDisplay(QComboBox* chooser) {
  std::string description;
  for (const SettingInfo& info : Settings())
    if (Chooser(info.setting) == chooser)
      description = ReadSettingDescription(ProfileFile, info.setting);
  memDescription->setPlainText(QString::fromStdString(description) + "\n" +
                               "Current Value: " + chooser->currentText());
}

void TopSettingForm::AudioCodecRule() {
  const bool mp3 = cmbAcodec->currentText() == "MP3";
  panMP3->setVisible(mp3);
  panLavc->setVisible(!mp3);
}

void TopSettingForm::EncodingModeRule() {
  const bool vbr = cmbEncodeTo->currentIndex() == 0;
  labQuality->setVisible(vbr);
  cmbQuality->setVisible(vbr);
  labBitrate->setVisible(!vbr);
  cmbBitrate->setVisible(!vbr);
}

void TopSettingForm::cmbVcodecEnter(QComboBox* chooser) {
  DescriptionDisplay(chooser);
}

void TopSettingForm::cmbVcodecChange(QComboBox* chooser) {
  DescriptionDisplay(chooser);
}

void TopSettingForm::cmbAcodecChange() {
  AudioCodecRule();
  DescriptionDisplay(cmbAcodec);
}

void TopSettingForm::cmbEncodeToChange() {
  EncodingModeRule();
  DescriptionDisplay(cmbEncodeTo);
}

void TopSettingForm::ShowInvalid(const QString& text, const QString& caption) {
  MessageRequest request;
  request.owner = this;
  request.text = text;
  request.caption = caption;
  request.icon = MsgIcon::Information;
  request.buttons = MsgButtons::Ok;
  mainForm().shell().messageBox(request);
}

void TopSettingForm::Reject(const QString& text, const QString& caption, QWidget* focus) {
  ShowInvalid(text, caption);
  focus->setFocus();
}

void TopSettingForm::btnOKClick() {
  if (!IsWholeNumber(cmbVbitrate->currentText()))
    return Reject("The video bitrate is invalid.", "Invalid Video Bitrate", cmbVbitrate);
  if (rdbManualSize->isChecked() && !IsWholeNumber(edtWidth->text()))
    return Reject("The output width is invalid.", "Invalid Width", edtWidth);
  if (rdbManualSize->isChecked() && !IsWholeNumber(edtHeight->text()))
    return Reject("The output height is invalid.", "Invalid Height", edtHeight);
  if (!IsWholeNumber(cmbSrate->currentText()))
    return Reject("The sample rate is invalid.", "Invalid Sample Rate", cmbSrate);
  // The audio bitrate is checked whatever the audio codec; its chooser may be hidden,
  // so the focus goes to the video bitrate chooser.
  const auto audioBitrate = ParseWholeNumberText(cmbAbitrate->currentText().toStdString());
  if (!audioBitrate)
    return Reject("The Audio bitrate is invalid.", "Invalid Audio Bitrate", cmbVbitrate);
  if (cmbAcodec->currentText() == "MP2" && *audioBitrate > 128) {
    ShowInvalid("The maximum value of audio bitrate for MP2 codec is 128", "Invalid Audio Bitrate");
    cmbAbitrate->setEditText("128");
    cmbAbitrate->setFocus();
    return;
  }
  close();
}

void TopSettingForm::btnCancelClick() {
  close();
  cmbVcodec->setCurrentIndex(Snapshot.videoCodec);
  cmbVbitrate->setEditText(Snapshot.videoBitrate);
  cmbAspect->setCurrentIndex(Snapshot.aspect);
  rdbSelectSize->setChecked(Snapshot.selectSize);
  cmbVideoSize->setCurrentIndex(Snapshot.videoSize);
  rdbManualSize->setChecked(Snapshot.manualSize);
  edtWidth->setText(Snapshot.width);
  edtHeight->setText(Snapshot.height);
  cmbAcodec->setCurrentIndex(Snapshot.audioCodec);
  cmbAbitrate->setEditText(Snapshot.audioBitrate);
  cmbEncodeTo->setCurrentIndex(Snapshot.encodeTo);
  cmbQuality->setCurrentIndex(Snapshot.quality);
  cmbBitrate->setCurrentIndex(Snapshot.abrCbrBitrateSelected);
  cmbBitrate->setEditText(Snapshot.abrCbrBitrate);
  cmbChannels->setCurrentIndex(Snapshot.channels);
  cmbSrate->setEditText(Snapshot.sampleRate);
  cmbAcodecChange();
  cmbEncodeToChange();
}

bool TopSettingForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    for (QComboBox* chooser : choosers_)
      if (watched == chooser) cmbVcodecEnter(chooser);
  return ProgramDialog::eventFilter(watched, event);
}

void TopSettingForm::keyPressEvent(QKeyEvent* event) {
  // Escape answers as Cancel does, as in any dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    btnCancel->click();
    return;
  }
  ProgramDialog::keyPressEvent(event);
}

}  // namespace vuvide
