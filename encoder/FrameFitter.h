#pragma once
// Turns the raw I420 frames that a helper decodes from one intermediate into that
// intermediate's share of the joined 30 fps stream. Intermediates keep their source's
// frames one to one (MEncoder's own -ofps logic drops a file's first frame), so the rate
// conversion happens here: each source frame goes to the 30 fps slot nearest to its time
// and stays until the next source frame's slot (the rule of ffmpeg's fps filter).
// The count of output frames follows from the declared frame count and rate alone; frames
// the decoder does not deliver repeat the last one (black when there is none), extra ones
// are dropped. The joined audio is cut to the same counts, so picture and sound meet again
// at every join.
#include <cstdint>
#include <string>
#include <string_view>

namespace vuvide::encoder {

// Bytes of one I420 frame.
size_t I420FrameBytes(int width, int height);

// Frames at 30 fps that show `frames` frames of a rateNum/rateDen fps source.
uint64_t OutputFrames(uint64_t frames, uint64_t rateNum, uint64_t rateDen);

class FrameFitter {
 public:
  FrameFitter(int width, int height);

  // Begins the next intermediate: `frames` frames at rateNum/rateDen frames per second.
  void Start(uint64_t frames, uint64_t rateNum, uint64_t rateDen);
  // Bytes decoded from the current intermediate; the output frames they complete are
  // appended to out.
  void Take(std::string_view data, std::string& out);
  // Output bytes still owed once the decoder has ended.
  uint64_t Owed() const { return (outFrames_ - emitted_) * frameBytes_; }
  // Appends owed frames to out, whole frames only, until at least maxBytes were appended.
  void Pad(std::string& out, size_t maxBytes);

 private:
  // The output frame nearest to a source frame's time.
  uint64_t SlotOf(uint64_t sourceFrame) const;
  void Emit(const std::string& frame, uint64_t sourceIndex, std::string& out);
  const std::string& Black();

  int width_;
  int height_;
  size_t frameBytes_;
  uint64_t rateNum_ = 30;
  uint64_t rateDen_ = 1;
  uint64_t outFrames_ = 0;
  uint64_t emitted_ = 0;
  uint64_t received_ = 0;  // whole source frames received
  std::string current_;    // the source frame being received
  std::string last_;       // the last whole source frame
  std::string black_;
};

}  // namespace vuvide::encoder
