// Unit tests of asapi.dll's argument handling, audio fitting, frame fitting and AVI reading.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "encoder/AviAudio.h"
#include "encoder/EncoderArgs.h"
#include "encoder/FrameFitter.h"
#include "encoder/Pcm.h"

namespace vuvide::encoder {
namespace {

using Args = std::vector<std::string>;

Args Split(const std::string& text) {
  Args args;
  size_t at = 0;
  while (at < text.size()) {
    const size_t blank = text.find(' ', at);
    const size_t end = blank == std::string::npos ? text.size() : blank;
    if (end > at) args.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return args;
}

// Index of the first occurrence of value in args, or -1.
long IndexOf(const Args& args, const std::string& value) {
  const auto it = std::find(args.begin(), args.end(), value);
  return it == args.end() ? -1 : static_cast<long>(it - args.begin());
}

std::string ValueAfter(const Args& args, const std::string& name) {
  const long at = IndexOf(args, name);
  return at < 0 || at + 1 >= static_cast<long>(args.size()) ? "<none>" : args[at + 1];
}

TEST(ClassifyLine, TellsConversionJoinAndOther) {
  struct Case {
    std::string line;
    LineKind kind;
    size_t inputs;
    std::string output;
  };
  const Case cases[] = {
      {"/in/a.mp4 -o /t/0.avi -oac mp3lame -ovc lavc -ofps 30 -vf scale=640:480",
       LineKind::Conversion, 1, "/t/0.avi"},
      {"/t/0.avi /t/1.avi -o /o/x.mpg -ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=800:mbd=2:"
       "autoaspect -oac lavc -lavcopts acodec=mp2:abitrate=128 -channels 2 -vf scale=640:480 "
       "-srate 48000",
       LineKind::Join, 2, "/o/x.mpg"},
      // A task of one file is joined too.
      {"/t/0.avi -o /o/x.avi -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=:mbd=2:aspect=16:9 -oac "
       "pcm -channels 2 -vf scale=: -srate",
       LineKind::Join, 1, "/o/x.avi"},
      {"-o /o/x.avi -ofps 30", LineKind::Other, 0, "/o/x.avi"},
      {"/in/a.mp4 -ofps 30", LineKind::Other, 0, ""},
      {"/in/a.mp4 -o", LineKind::Other, 0, ""},
      {"/in/a.mp4 /in/b.mp4 -o /t/0.avi -ofps 30", LineKind::Other, 2, "/t/0.avi"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Line line = ClassifyLine(Split(c.line));
    EXPECT_EQ(line.kind, c.kind);
    EXPECT_EQ(line.inputs.size(), c.inputs);
    EXPECT_EQ(line.output, c.output);
  }
}

TEST(ClassifyLine, KeepsNamesWithBlanksAndDashesWhole) {
  const Args args = {"/in/-o x.mp4", "-o",    "/t/0.avi", "-oac", "mp3lame",      "-ovc",
                     "lavc",         "-ofps", "30",       "-vf",  "scale=320:240"};
  const Line line = ClassifyLine(args);
  EXPECT_EQ(line.kind, LineKind::Conversion);
  ASSERT_EQ(line.inputs.size(), 1u);
  EXPECT_EQ(line.inputs[0], "/in/-o x.mp4");
}

TEST(ContainerFor, NamesTheContainerOfEachExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"/o/a.avi", ""},    {"/o/a.mpg", "mpeg"}, {"/o/a.MPG", "mpeg"}, {"/o/a.vob", "vob"},
      {"/o/a.mp4", "mp4"}, {"/o/a.mov", "mov"},  {"/o/a.wmv", "asf"},  {"/o/a.ASF", "asf"},
      {"/o/a.flv", "flv"}, {"/o/a.mkv", ""},     {"/o.x/noext", ""},   {"/o/a.b.mp4", "mp4"},
  };
  for (const auto& [path, container] : cases) EXPECT_EQ(ContainerFor(path), container) << path;
}

TEST(ChannelLayoutFor, CountsWithALayoutOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"1", "mono"}, {"2", "stereo"}, {"6", "5.1"}, {"8", "7.1"}, {"0", ""},
      {"9", ""},     {"", ""},        {"2x", ""},   {"02", ""},   {"-1", ""}};
  for (const auto& [count, layout] : cases) EXPECT_EQ(ChannelLayoutFor(count), layout) << count;
}

TEST(NormalizeLavcopts, WritesAspectAsARatio) {
  const std::pair<std::string, std::string> cases[] = {
      {"vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16:9",
       "vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16/9"},
      {"aspect=4:3:vcodec=mpeg4", "aspect=4/3:vcodec=mpeg4"},
      {"vcodec=mpeg4:mbd=2:autoaspect", "vcodec=mpeg4:mbd=2:autoaspect"},
      {"vcodec=mpeg4:vbitrate=:mbd=2:aspect=1.85", "vcodec=mpeg4:vbitrate=:mbd=2:aspect=1.85"},
      {"aspect=:9", "aspect=:9"},
      {":vcodec=x:", ":vcodec=x:"},
      {"", ""},
  };
  for (const auto& [given, wanted] : cases) EXPECT_EQ(NormalizeLavcopts(given), wanted) << given;
}

TEST(BuildConversionArgs, PutsOptionsBeforeTheInputAndKeepsEveryFrame) {
  const Line line = ClassifyLine(
      Split("/in/a.wmv -o /t/3.avi -oac mp3lame -ovc lavc -ofps 30 -vf scale=352:288"));
  const Args args = BuildConversionArgs(line);
  ASSERT_FALSE(args.empty());
  EXPECT_EQ(args.back(), "/in/a.wmv");
  EXPECT_EQ(ValueAfter(args, "-o"), "/t/3.avi");
  EXPECT_EQ(ValueAfter(args, "-vf"), "scale=352:288");
  // Frames one to one: the join converts the rate.
  EXPECT_EQ(IndexOf(args, "-ofps"), -1);
  EXPECT_GE(IndexOf(args, "-noskip"), 0);
  EXPECT_EQ(ValueAfter(args, "-demuxer"), "lavf");
  EXPECT_EQ(ValueAfter(args, "-mc"), "0");
  EXPECT_EQ(ValueAfter(args, "-oac"), "pcm");
  EXPECT_EQ(ValueAfter(args, "-srate"), "48000");
  EXPECT_EQ(ValueAfter(args, "-ovc"), "xvid");
  EXPECT_EQ(ValueAfter(args, "-xvidencopts"), "fixed_quant=2:max_bframes=0:vhq=0:me_quality=2");
  EXPECT_EQ(IndexOf(args, "-lavcopts"), -1);
  EXPECT_EQ(std::count(args.begin(), args.end(), "-oac"), 1);
  EXPECT_EQ(std::count(args.begin(), args.end(), "-ovc"), 1);
}

TEST(BuildJoinArgs, TurnsTheJoinersOptionsIntoOneRun) {
  struct Case {
    std::string output;
    std::string options;
    std::string lavcopts;  // merged -lavcopts, or <none>
    std::string oac;
    std::string lameopts;    // or <none>
    std::string af;          // or <none>
    std::string lavfFormat;  // or <none>
  };
  const Case cases[] = {
      {"/o/a.avi",
       "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100",
       "vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect", "mp3lame", "vbr=2:q=6", "channels=2",
       "<none>"},
      {"/o/a.mp4",
       "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16:9 -oac lavc -lavcopts "
       "acodec=ac3:abitrate=128 -channels 2 -vf scale=640:480 -srate 44100",
       "vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16/9:acodec=ac3:abitrate=128:audio_o=ch_layout="
       "stereo",
       "lavc", "<none>", "channels=2", "format=mp4"},
      {"/o/a.mov",
       "-ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac pcm -channels 1 -vf "
       "scale=640:480 -srate 44100",
       "vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect", "pcm", "<none>", "channels=1", "format=mov"},
      {"/o/a.flv",
       "-ovc lavc -lavcopts vcodec=flv:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "cbr:br=128 -channels 1 -vf scale=640:480 -srate 22050",
       "vcodec=flv:vbitrate=800:mbd=2:autoaspect", "mp3lame", "cbr:br=128:mode=3", "channels=1",
       "format=flv"},
      {"/o/a.vob",
       "-ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=4000:mbd=2:autoaspect -oac lavc "
       "-lavcopts acodec=ac3:abitrate=192 -channels 6 -vf scale=720:576 -srate 48000",
       "vcodec=mpeg2video:vbitrate=4000:mbd=2:autoaspect:acodec=ac3:abitrate=192:audio_o=ch_"
       "layout=5.1",
       "lavc", "<none>", "channels=6", "format=vob:muxrate=10080000"},
      // Empty texts go on as they are; MEncoder refuses them and the run ends.
      {"/o/a.wmv",
       "-ovc lavc -lavcopts vcodec=wmv2:vbitrate=:mbd=2:aspect=16:9 -oac lavc -lavcopts "
       "acodec=wmav2:abitrate= -channels 2 -vf scale=: -srate",
       "vcodec=wmv2:vbitrate=:mbd=2:aspect=16/9:acodec=wmav2:abitrate=:audio_o=ch_layout=stereo",
       "lavc", "<none>", "channels=2", "format=asf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.output + " " + c.options);
    const JoinOptions options = ParseJoinOptions(Split(c.options));
    const Args args =
        BuildJoinArgs(c.output, options, "/proc/self/fd/7", "/proc/self/fd/8", 640, 480, "");
    EXPECT_EQ(std::count(args.begin(), args.end(), "-lavcopts"), 1);
    EXPECT_EQ(ValueAfter(args, "-lavcopts"), c.lavcopts);
    EXPECT_EQ(ValueAfter(args, "-oac"), c.oac);
    EXPECT_EQ(ValueAfter(args, "-lameopts"), c.lameopts);
    EXPECT_EQ(ValueAfter(args, "-af"), c.af);
    EXPECT_EQ(ValueAfter(args, "-lavfopts"), c.lavfFormat);
    EXPECT_EQ(ValueAfter(args, "-of"), c.lavfFormat == "<none>" ? "<none>" : "lavf");
    EXPECT_EQ(ValueAfter(args, "-o"), c.output);
    EXPECT_EQ(ValueAfter(args, "-audiofile"), "/proc/self/fd/8");
    EXPECT_EQ(ValueAfter(args, "-rawvideo"), "w=640:h=480:fps=30:format=i420");
    EXPECT_EQ(ValueAfter(args, "-mc"), "0");
    // Every option stands before the one input, which is the raw video stream.
    const long input = IndexOf(args, "/proc/self/fd/7");
    ASSERT_GE(input, 0);
    // (An empty sample rate is the exception: see the next test.)
    for (const char* name : {"-vf", "-channels", "-ovc", "-oac", "-lavcopts"}) {
      const long at = IndexOf(args, name);
      if (at >= 0) {
        EXPECT_LT(at, input) << name;
      }
    }
  }
}

TEST(BuildJoinArgs, KeepsAnEmptySampleRateAsAMissingValue) {
  const JoinOptions options =
      ParseJoinOptions(Split("-ovc lavc -lavcopts vcodec=mpeg4 -oac pcm -channels 2 -srate"));
  EXPECT_TRUE(options.sampleRateMissing);
  const Args args = BuildJoinArgs("/o/a.avi", options, "V", "A", 320, 240, "1.333");
  EXPECT_EQ(args.back(), "-srate");
  EXPECT_EQ(std::count(args.begin(), args.end(), "-srate"), 1);
  EXPECT_EQ(ValueAfter(args, "-aspect"), "1.333");
}

TEST(BuildHelperArgs, WriteRawDataOfOnePart) {
  const Args audio = BuildAudioExtractArgs("/t/0.avi", "/proc/self/fd/5");
  EXPECT_EQ(audio.back(), "/t/0.avi");
  EXPECT_EQ(ValueAfter(audio, "-of"), "rawaudio");
  EXPECT_EQ(ValueAfter(audio, "-o"), "/proc/self/fd/5");
  EXPECT_EQ(ValueAfter(audio, "-srate"), "48000");
  const Args video = BuildFrameFeedArgs("/t/1.avi", "/proc/self/fd/6", 352, 288);
  EXPECT_EQ(video.back(), "/t/1.avi");
  EXPECT_EQ(ValueAfter(video, "-of"), "rawvideo");
  EXPECT_EQ(ValueAfter(video, "-vf"), "scale=352:288,format=i420");
  EXPECT_GE(IndexOf(video, "-nosound"), 0);
  // Helpers print nothing the joiner could take for a position.
  EXPECT_GE(IndexOf(audio, "-really-quiet"), 0);
  EXPECT_GE(IndexOf(video, "-really-quiet"), 0);
}

TEST(LastPosition, ReadsTheLargestFigure) {
  const std::pair<std::string, double> found[] = {
      {"Pos:  29.7s    892f (50%) 299.83fps", 29.7},
      {"Pos:1234.5s  37035f", 1234.5},
      {"Pos:   1.0s 30f\rPos:   1.1s 33f\r", 1.1},
      {"Pos:   5.0s\rPos:   4.0s\r", 5.0},
      {"xx Pos:   0.0s", 0.0},
  };
  for (const auto& [text, value] : found) {
    const auto pos = LastPosition(text);
    ASSERT_TRUE(pos.has_value()) << text;
    EXPECT_DOUBLE_EQ(*pos, value) << text;
  }
  for (const std::string text : {"", "Pos:", "Pos:   12.", "Pos: abc s", "pos: 1.0s", "Pos: 1.0 s"})
    EXPECT_FALSE(LastPosition(text).has_value()) << text;
}

class ScratchFiles : public ::testing::Test {
 protected:
  int Make(const std::string& content) {
    char name[] = "/tmp/asapi-test-XXXXXX";
    const int fd = mkstemp(name);
    unlink(name);
    EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    lseek(fd, 0, SEEK_SET);
    fds_.push_back(fd);
    return fd;
  }
  static std::string Contents(int fd) {
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
      text.append(buffer, static_cast<size_t>(n));
    return text;
  }
  void TearDown() override {
    for (int fd : fds_) close(fd);
  }

 private:
  std::vector<int> fds_;
};

using AppendFittedTest = ScratchFiles;

TEST_F(AppendFittedTest, CutsOrPadsToTheWantedLength) {
  struct Case {
    std::string from;
    uint64_t wanted;
    std::string expected;
  };
  const std::string z(1, '\0');
  const Case cases[] = {
      {"abcdefgh", 8, "abcdefgh"},
      {"abcdefgh", 4, "abcd"},
      {"abcd", 8, "abcd" + z + z + z + z},
      {"abcdef", 8, "abcd" + z + z + z + z},  // a partial sample counts as missing
      {"", 4, z + z + z + z},
      {"abcdefgh", 0, ""},
  };
  for (const auto& c : cases) {
    const int from = Make(c.from);
    const int to = Make("");
    ASSERT_TRUE(AppendFitted(from, to, c.wanted, 4));
    EXPECT_EQ(Contents(to), c.expected) << c.from << " -> " << c.wanted;
  }
}

TEST_F(AppendFittedTest, HandlesMoreThanOneBuffer) {
  std::string big(200000, 'x');
  const int from = Make(big);
  const int to = Make("");
  ASSERT_TRUE(AppendFitted(from, to, 300000, 4));
  const std::string out = Contents(to);
  ASSERT_EQ(out.size(), 300000u);
  EXPECT_EQ(out.substr(0, 200000), big);
  EXPECT_EQ(out.find_first_not_of('\0', 200000), std::string::npos);
}

TEST(WavHeader, DescribesSixteenBitPcm) {
  const std::string header = WavHeader(48000, 2, 192000);
  ASSERT_EQ(header.size(), 44u);
  EXPECT_EQ(header.substr(0, 4), "RIFF");
  EXPECT_EQ(header.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(header.substr(36, 4), "data");
  auto le32 = [&](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
      v = v << 8 | static_cast<unsigned char>(header[at + static_cast<size_t>(i)]);
    return v;
  };
  EXPECT_EQ(le32(4), 192036u);
  EXPECT_EQ(le32(24), 48000u);
  EXPECT_EQ(le32(28), 192000u);
  EXPECT_EQ(le32(40), 192000u);
  EXPECT_EQ(le32(32) & 0xffff, 4u);  // block align
  EXPECT_EQ(le32(32) >> 16, 16u);    // bits
  EXPECT_EQ(le32(20) >> 16, 2u);     // channels
  // Sizes beyond 4 GiB are clamped, never wrapped.
  const std::string huge = WavHeader(48000, 2, uint64_t{1} << 33);
  EXPECT_EQ(huge.substr(4, 4), std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(huge.substr(40, 4), std::string("\xdb\xff\xff\xff", 4));
}

TEST(FrameFitter, CountsOutputFramesAtThirtyPerSecond) {
  struct Case {
    uint64_t frames, num, den, out;
  };
  const Case cases[] = {{60, 25, 1, 72},       {48, 24, 1, 60}, {60, 30, 1, 60},
                        {60, 30000, 1001, 60}, {50, 25, 1, 60}, {1, 25, 1, 1},
                        {0, 25, 1, 0},         {60, 60, 1, 30}, {7, 0, 0, 7}};
  for (const auto& c : cases)
    EXPECT_EQ(OutputFrames(c.frames, c.num, c.den), c.out) << c.frames << "@" << c.num;
}

TEST(FrameFitter, ConvertsTheRateAndFitsTheCount) {
  // 2x2 I420 frames: 4 luma + 1 + 1 chroma bytes.
  ASSERT_EQ(I420FrameBytes(2, 2), 6u);
  ASSERT_EQ(I420FrameBytes(3, 3), 9u + 2 * 4u);
  FrameFitter fitter(2, 2);
  std::string out;

  fitter.Start(2, 30, 1);  // one frame more than declared: dropped
  fitter.Take("AAAAAABBBBBBCCCCCC", out);
  EXPECT_EQ(out, "AAAAAABBBBBB");
  EXPECT_EQ(fitter.Owed(), 0u);

  out.clear();
  fitter.Start(5, 25, 1);               // 25 fps: each frame at its nearest slot, 6 out of 5
  fitter.Take("111111222222333", out);  // a frame arrives in two pieces
  fitter.Take("333444444555555", out);
  EXPECT_EQ(out, "111111222222333333333333444444555555");
  EXPECT_EQ(fitter.Owed(), 0u);

  out.clear();
  fitter.Start(4, 60, 1);  // 60 fps: every other frame
  fitter.Take("111111222222333333444444", out);
  EXPECT_EQ(out, "111111333333");

  out.clear();
  fitter.Start(3, 30, 1);  // one whole frame and half of one: the last whole one repeats
  fitter.Take("DDDDDDEEE", out);
  EXPECT_EQ(out, "DDDDDD");
  EXPECT_EQ(fitter.Owed(), 12u);
  fitter.Pad(out, 1);  // at least one whole frame
  EXPECT_EQ(fitter.Owed(), 6u);
  fitter.Pad(out, 100);
  EXPECT_EQ(out, "DDDDDDDDDDDDDDDDDD");
  EXPECT_EQ(fitter.Owed(), 0u);

  out.clear();
  fitter.Start(1, 30, 1);  // nothing decoded: a black frame
  fitter.Pad(out, 100);
  EXPECT_EQ(out, std::string("\x10\x10\x10\x10\x80\x80", 6));
}

// A small AVI in the layout MEncoder writes: headers, then audio and video chunks in movi,
// then a second RIFF AVIX part.
std::string Chunk(const std::string& id, const std::string& data) {
  std::string chunk = id;
  const auto size = static_cast<uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<char>(size >> (8 * i) & 0xff));
  chunk += data;
  if (data.size() % 2) chunk.push_back('\0');
  return chunk;
}
std::string List(const std::string& id, const std::string& type, const std::string& body) {
  return Chunk(id, type + body);
}
std::string WaveFormat(int tag, int channels, int rate, int bits) {
  std::string f;
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) f.push_back(static_cast<char>(v >> (8 * i) & 0xff));
  };
  put(static_cast<uint32_t>(tag), 2);
  put(static_cast<uint32_t>(channels), 2);
  put(static_cast<uint32_t>(rate), 4);
  put(static_cast<uint32_t>(rate * channels * bits / 8), 4);
  put(static_cast<uint32_t>(channels * bits / 8), 2);
  put(static_cast<uint32_t>(bits), 2);
  return f;
}
std::string Avi(bool audio, int tag = 1, int rate = 48000) {
  std::string strh(56, '\0');
  std::string hdrl = Chunk("avih", std::string(56, '\0'));
  hdrl += List("LIST", "strl", Chunk("strh", "vids" + strh.substr(4)) + Chunk("strf", "vf"));
  if (audio)
    hdrl +=
        List("LIST", "strl",
             Chunk("strh", "auds" + strh.substr(4)) + Chunk("strf", WaveFormat(tag, 2, rate, 16)));
  const std::string movi = Chunk("00dc", "frame0") + Chunk("01wb", "ABCD") +
                           List("LIST", "rec ", Chunk("00dc", "f1") + Chunk("01wb", "EFGH")) +
                           Chunk("JUNK", "xyz") + Chunk("01wb", "IJKL");
  const std::string first = List(
      "RIFF", "AVI ",
      List("LIST", "hdrl", hdrl) + List("LIST", "movi", movi) + Chunk("idx1", "0123456789abcdef"));
  const std::string second =
      List("RIFF", "AVIX", List("LIST", "movi", Chunk("01wb", "MNOP") + Chunk("00dc", "f2")));
  return first + second;
}

using CopyAviPcmTest = ScratchFiles;

TEST_F(CopyAviPcmTest, CopiesEveryAudioChunkInOrder) {
  struct Case {
    std::string file;
    AviAudio result;
    std::string pcm;
  };
  const Case cases[] = {
      {Avi(true), AviAudio::Copied, "ABCDEFGHIJKLMNOP"},
      {Avi(false), AviAudio::NoAudio, ""},
      {Avi(true, 0x55), AviAudio::Unsupported, ""},       // MP3 sound
      {Avi(true, 1, 44100), AviAudio::Unsupported, ""},   // other rate
      {"RIFF\x04\0\0\0WAVE", AviAudio::Unsupported, ""},  // not AVI
      {"", AviAudio::Unsupported, ""},
  };
  for (const auto& c : cases) {
    char name[] = "/tmp/asapi-avi-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_EQ(write(fd, c.file.data(), c.file.size()), static_cast<ssize_t>(c.file.size()));
    close(fd);
    const int to = Make("");
    EXPECT_EQ(CopyAviPcm(name, to, 48000, 2), c.result);
    if (c.result == AviAudio::Copied) {
      EXPECT_EQ(Contents(to), c.pcm);
    }
    unlink(name);
  }
  const int to = Make("");
  EXPECT_EQ(CopyAviPcm("/nonexistent/x.avi", to, 48000, 2), AviAudio::Unsupported);
}

}  // namespace
}  // namespace vuvide::encoder
