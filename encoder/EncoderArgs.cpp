#include "encoder/EncoderArgs.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vuvide::encoder {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool Contains(const std::vector<std::string>& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

bool IsCount(std::string_view text) {
  return !text.empty() && text.size() < 4 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }) &&
         text != "0" && text.front() != '0';
}

}  // namespace

Line ClassifyLine(const std::vector<std::string>& args) {
  Line line;
  auto o = std::find(args.begin(), args.end(), "-o");
  if (o == args.end() || o + 1 == args.end()) {
    line.options = args;
    return line;
  }
  line.inputs.assign(args.begin(), o);
  line.output = *(o + 1);
  line.options.assign(o + 2, args.end());
  if (line.inputs.empty()) return line;
  if (line.inputs.size() == 1 && Contains(line.options, "-ofps") &&
      !Contains(line.options, "-lavcopts"))
    line.kind = LineKind::Conversion;
  else if (Contains(line.options, "-lavcopts") || Contains(line.options, "-srate"))
    line.kind = LineKind::Join;
  return line;
}

JoinOptions ParseJoinOptions(const std::vector<std::string>& options) {
  JoinOptions parsed;
  bool audioSeen = false;
  for (size_t i = 0; i < options.size(); ++i) {
    const std::string& name = options[i];
    const bool hasValue = i + 1 < options.size();
    auto take = [&]() -> std::string { return options[++i]; };
    if (name == "-srate" && !hasValue) {
      parsed.sampleRateMissing = true;
    } else if (!hasValue) {
      parsed.other.push_back(name);
    } else if (name == "-ovc") {
      parsed.videoEncoder = take();
    } else if (name == "-oac") {
      parsed.audioEncoder = take();
      audioSeen = true;
    } else if (name == "-lavcopts") {
      (audioSeen ? parsed.audioOpts : parsed.videoOpts) = take();
    } else if (name == "-lameopts") {
      parsed.lameOpts = take();
    } else if (name == "-channels") {
      parsed.channels = take();
    } else if (name == "-vf") {
      parsed.videoFilter = take();
    } else if (name == "-srate") {
      parsed.sampleRate = take();
    } else {
      parsed.other.push_back(name);
    }
  }
  return parsed;
}

std::string ContainerFor(std::string_view outputPath) {
  const auto slash = outputPath.find_last_of('/');
  const auto dot = outputPath.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  const std::string ext = Lower(outputPath.substr(dot + 1));
  if (ext == "mpg" || ext == "mpeg") return "mpeg";
  if (ext == "vob") return "vob";
  if (ext == "mp4" || ext == "m4v") return "mp4";
  if (ext == "mov") return "mov";
  if (ext == "wmv" || ext == "asf") return "asf";
  if (ext == "flv") return "flv";
  return {};
}

std::string ChannelLayoutFor(std::string_view channels) {
  static constexpr std::string_view kLayouts[] = {"",    "mono", "stereo", "3.0", "quad",
                                                  "5.0", "5.1",  "6.1",    "7.1"};
  if (!IsCount(channels)) return {};
  const int count = std::stoi(std::string(channels));
  if (count < 1 || count > 8) return {};
  return std::string(kLayouts[count]);
}

std::vector<std::string> BuildConversionArgs(const Line& line) {
  // Every decoded frame is kept one to one (-noskip, no -ofps): MEncoder's frame-rate
  // conversion drops a file's first frame, so the join converts to 30 fps itself.
  std::vector<std::string> args = {"-demuxer", "lavf",         "-mc",
                                   "0",        "-noskip",      "-ovc",
                                   "xvid",     "-xvidencopts", std::string(kIntermediateVideoOpts)};
  std::vector<std::string> passed;
  std::optional<std::string> filter;
  for (size_t i = 0; i < line.options.size(); ++i) {
    const std::string& name = line.options[i];
    const bool hasValue = i + 1 < line.options.size();
    if (hasValue && (name == "-oac" || name == "-ovc" || name == "-ofps")) {
      ++i;  // replaced by the intermediate's own settings
    } else if (hasValue && name == "-vf") {
      filter = line.options[++i];
    } else {
      passed.push_back(name);
    }
  }
  if (filter) {
    args.push_back("-vf");
    args.push_back(*filter);
  }
  args.insert(args.end(),
              {"-oac", "pcm", "-af", "channels=2", "-srate", std::to_string(kIntermediateRate)});
  args.insert(args.end(), passed.begin(), passed.end());
  args.insert(args.end(), {"-o", line.output, line.inputs.front()});
  return args;
}

std::vector<std::string> BuildAudioExtractArgs(const std::string& input,
                                               const std::string& rawOutput) {
  return {"-really-quiet",
          "-demuxer",
          "lavf",
          "-ovc",
          "copy",
          "-oac",
          "pcm",
          "-af",
          "format=s16le,channels=2",
          "-srate",
          std::to_string(kIntermediateRate),
          "-of",
          "rawaudio",
          "-o",
          rawOutput,
          input};
}

std::vector<std::string> BuildFrameFeedArgs(const std::string& input, const std::string& rawOutput,
                                            int width, int height) {
  return {"-really-quiet",
          "-demuxer",
          "lavf",
          "-nosound",
          "-ovc",
          "raw",
          "-vf",
          "scale=" + std::to_string(width) + ":" + std::to_string(height) + ",format=i420",
          "-of",
          "rawvideo",
          "-o",
          rawOutput,
          input};
}

std::vector<std::string> BuildJoinArgs(const std::string& output, const JoinOptions& options,
                                       const std::string& videoSource, const std::string& audioFile,
                                       int width, int height, const std::string& aspect) {
  std::vector<std::string> args = options.other;
  args.insert(args.end(), {"-mc", "0"});
  if (!options.videoEncoder.empty()) args.insert(args.end(), {"-ovc", options.videoEncoder});

  // One -lavcopts for video and audio, so neither half can replace the other.
  std::vector<std::string> lavc;
  if (options.videoOpts) lavc.push_back(NormalizeLavcopts(*options.videoOpts));
  if (options.audioOpts) lavc.push_back(*options.audioOpts);
  const std::string channels = options.channels.value_or("");
  const std::string layout = ChannelLayoutFor(channels);
  if (options.audioEncoder == "lavc" && !layout.empty())
    lavc.push_back("audio_o=ch_layout=" + layout);
  if (!lavc.empty()) {
    std::string joined;
    for (const auto& part : lavc) joined += (joined.empty() ? "" : ":") + part;
    args.insert(args.end(), {"-lavcopts", joined});
  }

  if (!options.audioEncoder.empty()) args.insert(args.end(), {"-oac", options.audioEncoder});
  if (options.lameOpts) {
    std::string lame = *options.lameOpts;
    if (options.audioEncoder == "mp3lame" && channels == "1") lame += ":mode=3";
    args.insert(args.end(), {"-lameopts", lame});
  }
  if (options.channels) args.insert(args.end(), {"-channels", channels});
  // MEncoder only changes the channel count when the filter chain is told to.
  if (!layout.empty()) args.insert(args.end(), {"-af", "channels=" + channels});
  if (options.sampleRate) args.insert(args.end(), {"-srate", *options.sampleRate});
  if (options.videoFilter) args.insert(args.end(), {"-vf", *options.videoFilter});
  if (!aspect.empty()) args.insert(args.end(), {"-aspect", aspect});

  const std::string container = ContainerFor(output);
  if (!container.empty()) {
    std::string lavfOptions = "format=" + container;
    // The program-stream muxer's default rate is too low: its buffers underflow and
    // the sound ends up bunched at the end of the file. The DVD rate interleaves it.
    if (container == "mpeg" || container == "vob") lavfOptions += ":muxrate=10080000";
    args.insert(args.end(), {"-of", "lavf", "-lavfopts", lavfOptions});
  }

  args.insert(args.end(), {"-demuxer", "rawvideo", "-rawvideo",
                           "w=" + std::to_string(width) + ":h=" + std::to_string(height) +
                               ":fps=" + std::to_string(kFrameRate) + ":format=i420",
                           "-audiofile", audioFile, "-o", output, videoSource});
  // A sample rate left empty stays an option without its value, which MEncoder refuses.
  if (options.sampleRateMissing) args.push_back("-srate");
  return args;
}

std::string NormalizeLavcopts(std::string_view opts) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t colon = opts.find(':', start);
    parts.emplace_back(opts.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  auto isNumber = [](const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
      return std::isdigit(c) || c == '.';
    });
  };
  std::string result;
  bool first = true;
  for (size_t i = 0; i < parts.size(); ++i) {
    std::string part = parts[i];
    if (part.rfind("aspect=", 0) == 0 && isNumber(part.substr(7)) && i + 1 < parts.size() &&
        isNumber(parts[i + 1]))
      part += "/" + parts[++i];
    if (!first) result += ':';
    first = false;
    result += part;
  }
  return result;
}

std::optional<double> LastPosition(std::string_view text) {
  std::optional<double> best;
  for (size_t at = text.find("Pos:"); at != std::string_view::npos;
       at = text.find("Pos:", at + 4)) {
    size_t start = at + 4;
    while (start < text.size() && text[start] == ' ') ++start;
    double value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end == last || *end != 's') continue;
    if (!best || value > *best) best = value;
  }
  return best;
}

}  // namespace vuvide::encoder
