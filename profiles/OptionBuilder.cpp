#include "profiles/OptionBuilder.h"

#include <array>

namespace vuvide {
namespace {

std::string Token(const OutputSelection& selection, const std::string& profilePath,
                  Setting setting) {
  return ReadSettingToken(profilePath, setting, selection[setting].selected);
}

// The MP2 limit applies to the option text only; the chooser keeps what it holds.
std::string LimitedAudioBitrate(const OutputSelection& selection) {
  const std::string& bitrate = selection[Setting::AudioBitrate].text;
  if (selection[Setting::AudioCodec].text != "MP2") return bitrate;
  const auto number = ParseWholeNumberText(bitrate);
  if (number && *number > 128) return "128";
  return bitrate;
}

}  // namespace

std::string GetFrameSize(const OutputSelection& selection, const std::string& profilePath) {
  if (selection.manualSize) return selection.widthText + ":" + selection.heightText;
  return Token(selection, profilePath, Setting::VideoSize);
}

std::string BuildJoinOptions(const OutputSelection& selection, const std::string& profilePath) {
  const std::string videoCodec = Token(selection, profilePath, Setting::VideoCodec);
  const std::string aspect = selection[Setting::Aspect].selected == 0
                                 ? "autoaspect"
                                 : "aspect=" + Token(selection, profilePath, Setting::Aspect);
  const std::string audioCodec = Token(selection, profilePath, Setting::AudioCodec);
  const std::string audioBitrate = LimitedAudioBitrate(selection);
  const std::string channels = Token(selection, profilePath, Setting::Channels);
  const std::string mode = Token(selection, profilePath, Setting::Mp3Encode);
  std::string quality;
  std::string bitrate;
  if (mode == "vbr")
    quality = Token(selection, profilePath, Setting::VbrQuality);
  else
    bitrate = Token(selection, profilePath, Setting::AbrCbrBitrate);
  const std::string frameSize = GetFrameSize(selection, profilePath);

  const std::string& audioText = selection[Setting::AudioCodec].text;
  std::string audioEncoder;
  std::string audioFlag;
  std::string audioOptions;
  if (audioText == "MP3") {
    audioEncoder = "mp3lame";
    audioFlag = "-lameopts";
    audioOptions = mode == "vbr" ? "vbr=2:q=" + quality : mode + ":" + "br=" + bitrate;
  } else if (audioText == "PCM") {
    audioEncoder = "pcm";
  } else {
    audioEncoder = "lavc";
    audioFlag = "-lavcopts";
    audioOptions = "acodec=" + audioCodec + ":" + "abitrate=" + audioBitrate;
  }
  const std::string videoOptions = "vcodec=" + videoCodec + ":" +
                                   "vbitrate=" + selection[Setting::VideoBitrate].text + ":" +
                                   "mbd=2:" + aspect;

  // The 27 pieces of the option string, joined without any other separator. With PCM
  // the flag and the options are empty and their blanks remain.
  const std::array<std::string, 27> pieces{
      " -ovc ",     "lavc",       " ",
      "-lavcopts",  " ",          videoOptions,
      " ",          "-oac",       " ",
      audioEncoder, " ",          audioFlag,
      " ",          audioOptions, " ",
      "-channels",  " ",          channels,
      " ",          "-vf",        " ",
      "scale=",     frameSize,    " ",
      "-srate",     " ",          selection[Setting::SampleRate].text};
  std::string result;
  for (const std::string& piece : pieces) result += piece;
  return result;
}

}  // namespace vuvide
