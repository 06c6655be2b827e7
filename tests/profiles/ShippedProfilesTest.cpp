// End to end: every shipped profile, loaded as shipped, gives options with which the
// encoder program joins two intermediates into a file of the profile's type that
// decodes without error. A profile added to profiles/shipped is covered by this test.
#include <QComboBox>
#include <QProcess>
#include <filesystem>
#include <map>

#include "app/PathRoutines.h"
#include "profiles/OutputSettingsForm.h"
#include "tests/support/Clips.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

// Runs the encoder program with arguments already split, as the joiner starts it.
// Returns its exit code; its output goes to log.
int RunEncoder(const std::string& encoder, const std::vector<std::string>& args, std::string& log) {
  QStringList arguments;
  for (const auto& arg : args) arguments << QString::fromStdString(arg);
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(QString::fromStdString(encoder), arguments);
  if (!process.waitForStarted()) return -1;
  process.waitForFinished(600'000);
  const std::string output = process.readAll().toStdString();
  log = output.size() > 3000 ? output.substr(output.size() - 3000) : output;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text + " ") {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

std::string Probe(const std::string& file, const std::string& entries, const char* stream = "") {
  return RunCommand("ffprobe -v error " + std::string(stream) + " -show_entries " + entries +
                    " -of default=noprint_wrappers=1:nokey=1 " + ShellQuote(file));
}

// Stream codec names as ffprobe gives them, by video token and by audio codec.
const std::map<std::string, std::string> kVideoCodecNames{{"mpeg4", "mpeg4"},
                                                          {"msmpeg4v2", "msmpeg4v2"},
                                                          {"msmpeg4", "msmpeg4v3"},
                                                          {"wmv1", "wmv1"},
                                                          {"wmv2", "wmv2"},
                                                          {"mpeg1video", "mpeg1video"},
                                                          {"mpeg2video", "mpeg2video"},
                                                          {"flv", "flv1"}};
const std::map<std::string, std::string> kFormatNames{{".avi", "avi"},
                                                      {".mp4", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                      {".mov", "mov,mp4,m4a,3gp,3g2,mj2"},
                                                      {".wmv", "asf"},
                                                      {".asf", "asf"},
                                                      {".flv", "flv"},
                                                      {".mpg", "mpeg"},
                                                      {".vob", "mpeg"}};

class ShippedProfilesTest : public GuiTest {};

TEST_F(ShippedProfilesTest, EveryProfileJoinsIntoAFileOfItsType) {
  const std::string encoder = AddTrailingBackslash(BuiltAppDir()) + "asapi.dll";
  ASSERT_TRUE(FileExists(encoder)) << encoder << " is not built";
  app.copyShippedProfiles();
  Start();
  TopSettingForm& form = *program->OpSettingForm;
  QComboBox* chooser = main().cmbProfile;
  ASSERT_GE(chooser->count(), 8);

  // Two inputs that differ in size, rate and audio, as a user's would.
  const std::string work = app.path() + "work/";
  std::filesystem::create_directories(work);
  ClipSpec first;
  first.seconds = 2.0;
  ClipSpec second;
  second.seconds = 1.5;
  second.width = 640;
  second.height = 360;
  second.fps = 30;
  second.sampleRate = 48000;
  second.extraArgs = "-c:v mpeg4 -c:a mp3";
  const std::string inputs[] = {MakeClip(work + "first.mp4", first),
                                MakeClip(work + "second.avi", second)};

  for (int index = 0; index < chooser->count(); ++index) {
    const std::string name = chooser->itemText(index).toStdString();
    SCOPED_TRACE(name);
    chooser->setCurrentIndex(index);
    Dispatch([&] { emit chooser->activated(index); });
    const std::string profile = main().ProfilePath();
    ASSERT_EQ(form.ProfileFile, profile);
    const std::string frameSize = form.GetFrameSize(profile);
    const std::string options = form.BuildJoinOptions(profile);

    const std::string temp = work + std::to_string(index) + "/";
    std::filesystem::create_directories(temp);
    std::string log;
    for (int n = 0; n < 2; ++n) {
      const std::string intermediate = temp + std::to_string(n) + ".avi";
      ASSERT_EQ(RunEncoder(encoder,
                           {inputs[n], "-o", intermediate, "-oac", "mp3lame", "-ovc", "lavc",
                            "-ofps", "30", "-vf", "scale=" + frameSize},
                           log),
                0)
          << log;
    }
    const std::string output = temp + "joined" + form.OutputExtension;
    std::vector<std::string> join{temp + "0.avi", temp + "1.avi", "-o", output};
    for (const auto& word : Words(options)) join.push_back(word);
    ASSERT_EQ(RunEncoder(encoder, join, log), 0) << options << "\n" << log;

    EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i " + ShellQuote(output) + " -f null - 2>&1"),
              "")
        << options;
    EXPECT_EQ(Probe(output, "format=format_name"), kFormatNames.at(form.OutputExtension) + "\n");
    const OutputSelection selection = form.Selection();
    const std::string videoToken =
        ReadSettingToken(profile, Setting::VideoCodec, selection[Setting::VideoCodec].selected);
    EXPECT_EQ(Probe(output, "stream=codec_name,width,height", "-select_streams v"),
              kVideoCodecNames.at(videoToken) + "\n" + frameSize.substr(0, frameSize.find(':')) +
                  "\n" + frameSize.substr(frameSize.find(':') + 1) + "\n")
        << options;
    const std::string& audio = selection[Setting::AudioCodec].text;
    const std::string audioName = audio == "MP3" ? "mp3"
                                  : audio == "PCM"
                                      ? "pcm_s16le"
                                      : ReadSettingToken(profile, Setting::AudioCodec,
                                                         selection[Setting::AudioCodec].selected);
    EXPECT_EQ(Probe(output, "stream=codec_name,sample_rate", "-select_streams a"),
              audioName + "\n" + selection[Setting::SampleRate].text + "\n")
        << options;
    const double seconds = std::stod(Probe(output, "format=duration"));
    EXPECT_NEAR(seconds, 3.5, 0.3) << options;
  }
}

}  // namespace
}  // namespace vuvide::test
