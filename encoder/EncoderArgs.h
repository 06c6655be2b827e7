#pragma once
// Argument handling of asapi.dll, the encoder program: which kind of line the joiner
// handed over, and the MEncoder argument vectors that do the work for it.
//
// The joiner passes two kinds of lines (already split into arguments):
//   conversion: <input> -o <temp>/<i>.avi -oac mp3lame -ovc lavc -ofps 30 -vf scale=W:H
//   join:       <temp>/0.avi ... -o <output.ext> -ovc lavc -lavcopts ... -oac ... -srate R
// MEncoder applies options written after an input to that input only, so every vector
// built here puts the options first and the inputs last.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vuvide::encoder {

enum class LineKind { Conversion, Join, Other };

struct Line {
  LineKind kind = LineKind::Other;
  std::vector<std::string> inputs;   // arguments before "-o"
  std::string output;                // the argument after "-o"
  std::vector<std::string> options;  // everything after the output
};

// Splits the arguments at the first "-o" and tells the kind of line: a conversion carries
// "-ofps" and exactly one input; a join carries "-lavcopts" or "-srate". Anything else is
// Other and is handed to MEncoder unchanged.
Line ClassifyLine(const std::vector<std::string>& args);

// The join's options, taken apart. Values are kept exactly as given (empty ones included):
// a bad value must reach MEncoder so that the run fails there.
struct JoinOptions {
  std::string videoEncoder;                // -ovc
  std::optional<std::string> videoOpts;    // -lavcopts before -oac
  std::string audioEncoder;                // -oac
  std::optional<std::string> lameOpts;     // -lameopts
  std::optional<std::string> audioOpts;    // -lavcopts after -oac
  std::optional<std::string> channels;     // -channels
  std::optional<std::string> videoFilter;  // -vf
  std::optional<std::string> sampleRate;   // -srate
  bool sampleRateMissing = false;          // "-srate" was the last argument
  std::vector<std::string> other;          // anything else, passed on in order
};

JoinOptions ParseJoinOptions(const std::vector<std::string>& options);

// "-of lavf -lavfopts format=<name>" container name for an output file name, by its
// extension (any letter case); empty for AVI and for extensions MEncoder writes as AVI.
std::string ContainerFor(std::string_view outputPath);

// libavcodec channel layout name for a channel count ("mono", "stereo", "5.1", ...);
// empty when the text is not a count that has one.
std::string ChannelLayoutFor(std::string_view channels);

// Intermediate audio: 16-bit stereo PCM at this rate, so every intermediate's audio can be
// cut and joined sample-exactly.
inline constexpr int kIntermediateRate = 48000;
inline constexpr int kIntermediateChannels = 2;
inline constexpr int kFrameRate = 30;
// Samples of intermediate audio per video frame (48000 / 30).
inline constexpr int kSamplesPerFrame = kIntermediateRate / kFrameRate;

// The intermediate's video: MPEG-4 Part 2 from MEncoder's Xvid encoder at a fixed
// quantiser of 2, without B-frames. It is visually lossless before the final encode,
// decodes quickly in the join's frame feeders, and takes about a ninth of the space of
// lossless ffvhuff (some 750 MB per minute at 1280x720). Xvid codes every frame it is
// given; lavc's MPEG-4 and MJPEG encoders drop frames that MEncoder hands over with a
// repeated timestamp (the first frames of an MPEG-PS input), which would break the one to
// one frames. The lighter motion search (vhq=0, me_quality=2) costs little at this
// quantiser (SSIM 0.995 against the lossless intermediate on test pictures) and keeps the
// conversion about as fast as the lossless one was.
inline constexpr std::string_view kIntermediateVideoOpts =
    "fixed_quant=2:max_bframes=0:vhq=0:me_quality=2";

// MEncoder arguments of a conversion: the input decoded by libavformat, scaled, written as
// Xvid MPEG-4 video (kIntermediateVideoOpts) with the source's frames one to one and 48 kHz PCM
// audio, without A-V correction. The join turns the frames into 30 fps (see FrameFitter).
std::vector<std::string> BuildConversionArgs(const Line& line);

// Helper run that writes an intermediate's audio as raw 16-bit stereo PCM at 48 kHz.
std::vector<std::string> BuildAudioExtractArgs(const std::string& input,
                                               const std::string& rawOutput);

// Helper run that decodes an intermediate's video to raw I420 frames of width x height.
std::vector<std::string> BuildFrameFeedArgs(const std::string& input, const std::string& rawOutput,
                                            int width, int height);

// The join's main run: reads one continuous raw I420 stream of width x height at 30 fps
// from videoSource and the joined audio from audioFile (WAV), and encodes them with the
// joiner's options in the container that the output's extension names.
std::vector<std::string> BuildJoinArgs(const std::string& output, const JoinOptions& options,
                                       const std::string& videoSource, const std::string& audioFile,
                                       int width, int height, const std::string& aspect);

// MEncoder splits -lavcopts at every ":", so "aspect=16:9" would end the option list with
// an unknown "9". Writes such an aspect as "aspect=16/9"; everything else stays as given.
std::string NormalizeLavcopts(std::string_view opts);

// Largest position figure ("Pos:" followed by seconds) in a piece of MEncoder output.
std::optional<double> LastPosition(std::string_view text);

}  // namespace vuvide::encoder
