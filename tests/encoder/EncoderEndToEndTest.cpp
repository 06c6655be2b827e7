// asapi.dll with the real MEncoder: a conversion pass over inputs of mixed containers,
// sizes, frame rates and sample rates, then a join to each output extension. Every clip
// shows a white flash and plays a beep at the same moment, so the distance between the two
// in the joined file measures audio/video sync at every join.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Clips.h"

namespace {

using vuvide::test::RunCommand;
using vuvide::test::ShellQuote;

struct SourceClip {
  std::string name;
  std::string size;
  std::string rate;  // frames per second, as ffmpeg takes it
  double seconds;    // a whole number of frames
  int sampleRate;    // 0: no audio track
  int channels;
  double flashAt;  // on a frame boundary
  std::string codecs;
};

const std::vector<SourceClip> kClips = {
    {"a.avi", "320x240", "25", 2.4, 44100, 2, 1.0, "-c:v mpeg4 -q:v 3 -c:a libmp3lame"},
    {"b.mp4", "640x360", "24", 2.0, 48000, 2, 0.5, "-c:v libx264 -preset ultrafast -c:a aac"},
    {"c.mpg", "352x288", "25", 2.0, 44100, 2, 1.2, "-c:v mpeg2video -q:v 3 -c:a mp2"},
    {"d.wmv", "320x240", "30", 2.0, 44100, 2, 0.8, "-c:v wmv2 -q:v 3 -c:a wmav2"},
    {"e.mov", "480x270", "30000/1001", 2.002, 48000, 2, 1.001, "-c:v mpeg4 -q:v 3 -c:a aac"},
    {"f.mp4", "320x240", "30", 2.0, 0, 0, 1.0, "-c:v libx264 -preset ultrafast"},
    {"g.mkv", "320x240", "25", 2.0, 48000, 1, 0.6, "-c:v mpeg4 -q:v 3 -c:a libmp3lame"},
};

const char* kFrameSize = "320:240";

std::string Quoted(const std::vector<std::string>& args) {
  std::string line;
  for (const auto& arg : args) line += " " + ShellQuote(arg);
  return line;
}

std::string Asapi() {
  const char* dir = std::getenv("VUVIDE_APPDIR");
  return std::string(dir ? dir : ".") + "/asapi.dll";
}

double Number(const std::string& text) {
  return std::atof(text.c_str());
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> values;
  std::istringstream in(text);
  for (double v; in >> v;) values.push_back(v);
  return values;
}

// Start times of the flashes: frames whose mean luma jumps above a level no test picture
// reaches.
std::vector<double> Flashes(const std::string& file) {
  return Numbers(RunCommand(
      "ffmpeg -nostdin -v error -i " + ShellQuote(file) +
      " -an -vf signalstats,metadata=print:key=lavfi.signalstats.YAVG:file=- -f null - | "
      "paste - - | awk '{split($3,a,\"pts_time:\"); split($4,b,\"=\"); "
      "if (b[2] > 200 && !on) {print a[2]; on=1} if (b[2] <= 200) on=0}'"));
}

// Onsets of the beeps: ends of silence once the quiet background tone is filtered away.
std::vector<double> Beeps(const std::string& file, double duration) {
  std::vector<double> onsets;
  for (double t : Numbers(RunCommand("ffmpeg -nostdin -v info -i " + ShellQuote(file) +
                                     " -vn -af highpass=f=700,silencedetect=n=-20dB:d=0.05 "
                                     "-f null - 2>&1 | grep -o 'silence_end: [0-9.]*' | "
                                     "cut -d' ' -f2")))
    if (t < duration - 0.05) onsets.push_back(t);
  return onsets;
}

std::string MediaInfo(const std::string& file, const std::string& inform) {
  std::string text =
      RunCommand("mediainfo --Inform=" + ShellQuote(inform) + " " + ShellQuote(file));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

double Duration(const std::string& file, const std::string& stream = "") {
  return Number(RunCommand("ffprobe -v error " +
                           (stream.empty() ? "" : "-select_streams " + stream + " ") +
                           "-show_entries " + (stream.empty() ? "format" : "stream") +
                           "=duration -of csv=p=0 " + ShellQuote(file)));
}

class EncoderEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::filesystem::temp_directory_path() / ("asapi-e2e-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "temp");
    // The conversion pass, as the joiner runs it: one run per input, in list order.
    for (size_t i = 0; i < kClips.size(); ++i) {
      const SourceClip& clip = kClips[i];
      const std::string source = (dir_ / clip.name).string();
      const std::string flash = std::to_string(clip.flashAt);
      std::string cmd =
          "ffmpeg -nostdin -v error -y -f lavfi -i " +
          ShellQuote("testsrc2=size=" + clip.size + ":rate=" + clip.rate +
                     ":duration=" + std::to_string(clip.seconds) +
                     ",drawbox=c=white:t=fill:enable='between(t," + flash + "," + flash + "+0.2)'");
      if (clip.sampleRate > 0)
        cmd += " -f lavfi -i " +
               ShellQuote("aevalsrc=0.01*sin(2*PI*300*t)+0.7*sin(2*PI*1000*t)*between(t\\," +
                          flash + "\\," + flash + "+0.2):s=" + std::to_string(clip.sampleRate) +
                          ":d=" + std::to_string(clip.seconds)) +
               " -ac " + std::to_string(clip.channels);
      RunCommand(cmd + " " + clip.codecs + " " + ShellQuote(source) + " 2>&1");
      RunCommand(ShellQuote(Asapi()) +
                 Quoted({source, "-o", Intermediate(i), "-oac", "mp3lame", "-ovc", "lavc", "-ofps",
                         "30", "-vf", std::string("scale=") + kFrameSize}) +
                 " >/dev/null 2>&1");
    }
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(dir_); }

  static std::string Intermediate(size_t i) {
    return (dir_ / "temp" / (std::to_string(i) + ".avi")).string();
  }

  // Runs the join line of the joiner: the intermediates, -o, the output, the options.
  static std::string Join(const std::string& name, const std::string& options,
                          std::vector<size_t> clips = {}) {
    if (clips.empty())
      for (size_t i = 0; i < kClips.size(); ++i) clips.push_back(i);
    const std::string output = (dir_ / name).string();
    std::vector<std::string> args;
    for (size_t i : clips) args.push_back(Intermediate(i));
    args.push_back("-o");
    args.push_back(output);
    std::istringstream in(options);
    for (std::string arg; in >> arg;) args.push_back(arg);
    RunCommand(ShellQuote(Asapi()) + Quoted(args) + " >/dev/null 2>&1");
    return output;
  }

  static double TotalSeconds() {
    return std::accumulate(kClips.begin(), kClips.end(), 0.0,
                           [](double sum, const SourceClip& c) { return sum + c.seconds; });
  }

  static std::filesystem::path dir_;
};

std::filesystem::path EncoderEndToEnd::dir_;

struct OutputCase {
  std::string name;
  std::string options;  // what the option builder writes after "-o <output>"
  std::string format;   // MediaInfo's container format
  std::string profile;  // MediaInfo's format profile, when it tells containers apart
};

const std::vector<OutputCase> kOutputs = {
    {"out.avi",
     "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
     "vbr=2:q=6 -channels 2 -vf scale=320:240 -srate 44100",
     "AVI", ""},
    {"out.mpg",
     "-ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=1500:mbd=2:autoaspect -oac lavc -lavcopts "
     "acodec=mp2:abitrate=128 -channels 2 -vf scale=320:240 -srate 48000",
     "MPEG-PS", ""},
    {"out.mp4",
     "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16:9 -oac lavc -lavcopts "
     "acodec=aac:abitrate=128 -channels 2 -vf scale=320:240 -srate 44100",
     "MPEG-4", ""},
    {"out.wmv",
     "-ovc lavc -lavcopts vcodec=wmv2:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
     "acodec=wmav2:abitrate=128 -channels 2 -vf scale=320:240 -srate 44100",
     "Windows Media", ""},
    {"out.mov",
     "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac pcm -channels 2 -vf "
     "scale=320:240 -srate 48000",
     "MPEG-4", "QuickTime"},
    {"out.vob",
     "-ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=1500:mbd=2:autoaspect -oac lavc -lavcopts "
     "acodec=mp2:abitrate=128 -channels 2 -vf scale=320:240 -srate 48000",
     "MPEG-PS", ""},
    {"out.asf",
     "-ovc lavc -lavcopts vcodec=wmv1:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
     "cbr:br=128 -channels 1 -vf scale=320:240 -srate 44100",
     "Windows Media", ""},
    {"out.flv",
     "-ovc lavc -lavcopts vcodec=flv:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
     "vbr=2:q=6 -channels 2 -vf scale=320:240 -srate 44100",
     "Flash Video", ""},
};

TEST_F(EncoderEndToEnd, ConversionKeepsEverySourceFrame) {
  for (size_t i = 0; i < kClips.size(); ++i) {
    SCOPED_TRACE(kClips[i].name);
    const std::string file = Intermediate(i);
    EXPECT_EQ(MediaInfo(file, "General;%Format%"), "AVI");
    EXPECT_EQ(MediaInfo(file, "Video;%Width%x%Height%"), "320x240");
    // Every source frame, one to one.
    const double frames = Number(MediaInfo(file, "Video;%FrameCount%"));
    const double rate = Number(MediaInfo(file, "Video;%FrameRate%"));
    ASSERT_GT(rate, 0);
    EXPECT_NEAR(frames / rate, kClips[i].seconds, 1e-3);
    // Lossy but fixed-quality video, and every frame really coded: a decoder sees as many
    // frames as the header declares (an empty "skipped" frame would not be counted).
    EXPECT_EQ(MediaInfo(file, "Video;%Format%"), "MPEG-4 Visual");
    EXPECT_EQ(Number(RunCommand("ffprobe -v error -select_streams v -count_frames "
                                "-show_entries stream=nb_read_frames -of csv=p=0 " +
                                ShellQuote(file))),
              frames);
    EXPECT_EQ(MediaInfo(file, "Audio;%Format%"), kClips[i].sampleRate ? "PCM" : "");
  }
}

TEST_F(EncoderEndToEnd, JoinsToEveryContainerInSync) {
  const double total = TotalSeconds();
  for (const OutputCase& out : kOutputs) {
    SCOPED_TRACE(out.name);
    const std::string file = Join(out.name, out.options);
    EXPECT_EQ(MediaInfo(file, "General;%Format%"), out.format);
    if (!out.profile.empty()) {
      EXPECT_EQ(MediaInfo(file, "General;%Format_Profile%"), out.profile);
    }
    EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i " + ShellQuote(file) + " -f null - 2>&1"),
              "");
    const double duration = Duration(file);
    EXPECT_NEAR(duration, total, 0.2);
    // Silence fills the clip without sound.
    EXPECT_NEAR(Number(MediaInfo(file, "Audio;%Duration%")) / 1000, total, 0.2);

    const std::vector<double> flashes = Flashes(file);
    const std::vector<double> beeps = Beeps(file, duration);
    ASSERT_EQ(flashes.size(), kClips.size());
    double start = 0;
    size_t beep = 0;
    std::ostringstream offsets;
    for (size_t i = 0; i < kClips.size(); ++i) {
      const SourceClip& clip = kClips[i];
      EXPECT_NEAR(flashes[i], start + clip.flashAt, 0.1) << clip.name;
      if (clip.sampleRate == 0) {
        // Silence for the clip without sound: no beep until the next clip starts.
        if (beep < beeps.size()) {
          EXPECT_GT(beeps[beep], start + clip.seconds - 0.05);
        }
      } else {
        ASSERT_LT(beep, beeps.size()) << clip.name;
        const double offset = beeps[beep++] - flashes[i];
        offsets << " " << clip.name << ":" << std::lround(offset * 1000) << "ms";
        EXPECT_LE(std::abs(offset), 0.1) << clip.name;
      }
      start += clip.seconds;
    }
    EXPECT_EQ(beep, beeps.size());
    std::printf("%s: duration %.3f s (sum %.3f), audio minus video%s\n", out.name.c_str(), duration,
                total, offsets.str().c_str());
  }
}

// The intermediates must not cost visible quality: the joined file comes as close to its
// sources as a single ffmpeg re-encode of the same inputs with the same final settings.
// The inputs are those whose frames ffmpeg and MEncoder put at the same times: ffmpeg reads
// the AVI and WMV clips made here with their first frame 40-46 ms later than MEncoder does,
// which would compare neighbouring frames rather than quality.
TEST_F(EncoderEndToEnd, JoinKeepsTheQualityOfASinglePassEncode) {
  const std::vector<size_t> clips = {1, 2, 4, 5, 6};
  const std::string ours = Join("ssim.avi", kOutputs[0].options, clips);
  std::string inputs, chains, concat;
  for (size_t n = 0; n < clips.size(); ++n) {
    inputs += " -i " + ShellQuote((dir_ / kClips[clips[n]].name).string());
    chains +=
        "[" + std::to_string(n) + ":v]scale=320:240,setsar=1,fps=30[v" + std::to_string(n) + "];";
    concat += "[v" + std::to_string(n) + "]";
  }
  const std::string graph =
      chains + concat + "concat=n=" + std::to_string(clips.size()) + ":v=1:a=0[v]";
  const std::string reference = (dir_ / "reference.mkv").string();
  const std::string single = (dir_ / "single.avi").string();
  RunCommand("ffmpeg -nostdin -v error -y" + inputs + " -filter_complex " + ShellQuote(graph) +
             " -map [v] -c:v ffv1 " + ShellQuote(reference));
  RunCommand("ffmpeg -nostdin -v error -y -i " + ShellQuote(reference) +
             " -c:v mpeg4 -b:v 800k -mbd 2 " + ShellQuote(single));
  auto ssim = [&](const std::string& file) {
    return Number(RunCommand(
        "ffmpeg -nostdin -v info -i " + ShellQuote(file) + " -i " + ShellQuote(reference) +
        // Frames are paired by number: both files run at 30 fps, and pairing by time would
        // trip over the millisecond timestamps of the Matroska reference.
        " -lavfi '[0:v]settb=1/30,setpts=N[a];[1:v]settb=1/30,setpts=N[b];[a][b]ssim' -f null - "
        "2>&1 | grep -o 'All:[0-9.]*' | cut -d: -f2"));
  };
  const double oursSsim = ssim(ours);
  const double singleSsim = ssim(single);
  std::printf("SSIM against the sources: joined %.4f, single-pass ffmpeg %.4f\n", oursSsim,
              singleSsim);
  EXPECT_GT(oursSsim, 0.5);
  EXPECT_GE(oursSsim, singleSsim - 0.01);
}

}  // namespace
