#include "encoder/FrameFitter.h"

#include <algorithm>

#include "encoder/EncoderArgs.h"

namespace vuvide::encoder {

size_t I420FrameBytes(int width, int height) {
  const auto w = static_cast<size_t>(width);
  const auto h = static_cast<size_t>(height);
  return w * h + 2 * ((w + 1) / 2) * ((h + 1) / 2);
}

uint64_t OutputFrames(uint64_t frames, uint64_t rateNum, uint64_t rateDen) {
  if (rateNum == 0 || rateDen == 0) return frames;
  const uint64_t scaled = frames * rateDen * kFrameRate;
  return (2 * scaled + rateNum) / (2 * rateNum);  // rounded
}

FrameFitter::FrameFitter(int width, int height)
    : width_(width), height_(height), frameBytes_(I420FrameBytes(width, height)) {}

void FrameFitter::Start(uint64_t frames, uint64_t rateNum, uint64_t rateDen) {
  rateNum_ = rateNum && rateDen ? rateNum : kFrameRate;
  rateDen_ = rateNum && rateDen ? rateDen : 1;
  outFrames_ = OutputFrames(frames, rateNum_, rateDen_);
  emitted_ = 0;
  received_ = 0;
  current_.clear();
  last_.clear();
}

uint64_t FrameFitter::SlotOf(uint64_t sourceFrame) const {
  return (2 * sourceFrame * rateDen_ * kFrameRate + rateNum_) / (2 * rateNum_);
}

void FrameFitter::Emit(const std::string& frame, uint64_t sourceIndex, std::string& out) {
  while (emitted_ < outFrames_ && emitted_ < SlotOf(sourceIndex + 1)) {
    out.append(frame);
    ++emitted_;
  }
}

void FrameFitter::Take(std::string_view data, std::string& out) {
  while (!data.empty()) {
    const size_t part = std::min(data.size(), frameBytes_ - current_.size());
    current_.append(data.substr(0, part));
    data.remove_prefix(part);
    if (current_.size() == frameBytes_) {
      Emit(current_, received_++, out);
      last_.swap(current_);
      current_.clear();
    }
  }
}

const std::string& FrameFitter::Black() {
  if (black_.empty()) {
    const size_t luma = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    black_.assign(luma, '\x10');  // black in video range
    black_.resize(frameBytes_, '\x80');
  }
  return black_;
}

void FrameFitter::Pad(std::string& out, size_t maxBytes) {
  size_t appended = 0;
  while (emitted_ < outFrames_ && appended < maxBytes) {
    out.append(last_.empty() ? Black() : last_);
    ++emitted_;
    appended += frameBytes_;
  }
}

}  // namespace vuvide::encoder
