#pragma once
// Fits the raw I420 frames that a helper decodes from one intermediate to the frame count
// that intermediate declares: extra frames are dropped, missing ones repeat the last whole
// frame (black when there is none). The joined audio is cut to the same counts, so picture
// and sound stay together at every join however the decoder treats a file's first or last
// frame.
#include <cstdint>
#include <string>
#include <string_view>

namespace vuvide::encoder {

// Bytes of one I420 frame.
size_t I420FrameBytes(int width, int height);

class FrameFitter {
 public:
  FrameFitter(int width, int height);

  // Begins the next intermediate, which must yield wantedFrames frames.
  void Start(uint64_t wantedFrames);
  // Bytes decoded from the current intermediate; what goes on is appended to out.
  void Take(std::string_view data, std::string& out);
  // Bytes still owed once the decoder has ended.
  uint64_t Owed() const { return wanted_ - forwarded_; }
  // Appends up to maxBytes of the owed bytes to out.
  void Pad(std::string& out, size_t maxBytes);

 private:
  char FillByte(uint64_t offsetInFrame) const;

  int width_;
  int height_;
  size_t frameBytes_;
  uint64_t wanted_ = 0;
  uint64_t forwarded_ = 0;
  std::string current_;    // the frame being received
  std::string lastWhole_;  // the last whole frame received for this intermediate
};

}  // namespace vuvide::encoder
