#pragma once
// What the join needs to know about each intermediate, read with libmediainfo.
#include <string>

namespace vuvide::encoder {

struct MediaFacts {
  bool opened = false;
  long long frameCount = 0;  // video frames, duplicates included
  long long rateNum = 0;     // frame rate as a fraction; 0 when unknown
  long long rateDen = 0;
  int width = 0;
  int height = 0;
  bool hasAudio = false;
  std::string displayAspect;  // e.g. "1.778"; empty when unknown
};

MediaFacts Probe(const std::string& path);

}  // namespace vuvide::encoder
