#pragma once
// The output settings dialog: shows and edits the current output selection, which a
// profile fills when it is chosen in the main window.
//
// The controls are the selection: the option builder reads them (through Selection())
// when a job starts. A change is in force the moment it is made; OK only validates,
// Cancel puts back what the dialog was opened with, and the close box keeps everything.
// Nothing here is ever written to a file.
#include <QString>
#include <array>
#include <string>

#include "app/ProgramDialog.h"
#include "profiles/Profile.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QFrame;

namespace vuvide {

// What the dialog was opened with, put back by Cancel in this order.
struct OutputSettingsSnapshot {
  int videoCodec = -1;
  QString videoBitrate;
  int aspect = -1;
  bool selectSize = true;
  int videoSize = -1;
  bool manualSize = false;
  QString width;
  QString height;
  int audioCodec = -1;
  QString audioBitrate;
  int encodeTo = -1;
  int quality = -1;
  QString abrCbrBitrate;
  int channels = -1;
  QString sampleRate;
  // The ABR/CBR chooser's selected choice along with its text: the option builder
  // reads the choice, not the text, so putting back only the text would leave a
  // cancelled pick in force.
  int abrCbrBitrateSelected = -1;
};

class TopSettingForm : public ProgramDialog {
  Q_OBJECT
 public:
  explicit TopSettingForm(TMainForm& mainForm);

  // Loads the profile file at path into the choosers and sets OutputExtension; a
  // missing file changes nothing. The size mode and the width and height texts are
  // never taken from a profile.
  void LoadProfile(const std::string& path);

  // The frame size and the joining options of the current selection, with the option
  // tokens read afresh from the profile file at profilePath.
  std::string GetFrameSize(const std::string& profilePath) const;
  std::string BuildJoinOptions(const std::string& profilePath) const;

  // The current output selection as the controls hold it.
  OutputSelection Selection() const;

  std::string ProfileFile;      // the last profile loaded; descriptions are read from it
  std::string OutputExtension;  // "." + the last loaded profile's type; empty before
  OutputSettingsSnapshot Snapshot;

  // ---- controls, in tab order ----
  QComboBox* cmbVcodec = nullptr;
  QComboBox* cmbVbitrate = nullptr;
  QComboBox* cmbAspect = nullptr;
  QGroupBox* gpbOutputSize = nullptr;
  QRadioButton* rdbSelectSize = nullptr;
  QComboBox* cmbVideoSize = nullptr;
  QRadioButton* rdbManualSize = nullptr;
  QLineEdit* edtWidth = nullptr;
  QLineEdit* edtHeight = nullptr;
  QComboBox* cmbAcodec = nullptr;
  QFrame* panLavc = nullptr;
  QComboBox* cmbAbitrate = nullptr;
  QFrame* panMP3 = nullptr;
  QLabel* labVBR = nullptr;
  QComboBox* cmbEncodeTo = nullptr;
  QLabel* labQuality = nullptr;
  QComboBox* cmbQuality = nullptr;
  QLabel* labBitrate = nullptr;
  QComboBox* cmbBitrate = nullptr;
  QComboBox* cmbChannels = nullptr;
  QComboBox* cmbSrate = nullptr;
  QGroupBox* gpbDecription = nullptr;
  QPlainTextEdit* memDescription = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

  // The chooser of each setting, in load order.
  QComboBox* Chooser(Setting setting) const;

  // ---- handlers ----
  void FormCreate();
  void cmbVcodecEnter(QComboBox* chooser);
  void cmbVcodecChange(QComboBox* chooser);
  void cmbAcodecChange();
  void cmbEncodeToChange();
  void btnOKClick();
  void btnCancelClick();

 protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void ConnectHandlers();
  void DescriptionDisplay(QComboBox* chooser);
  void AudioCodecRule();
  void EncodingModeRule();
  // Shows one of OK's messages; Reject also gives the focus to the control concerned.
  void ShowInvalid(const QString& text, const QString& caption);
  void Reject(const QString& text, const QString& caption, QWidget* focus);

  std::array<QComboBox*, kSettingCount> choosers_{};
};

}  // namespace vuvide
