#include "encoder/FrameFitter.h"

#include <algorithm>

namespace vuvide::encoder {

size_t I420FrameBytes(int width, int height) {
  const auto w = static_cast<size_t>(width);
  const auto h = static_cast<size_t>(height);
  return w * h + 2 * ((w + 1) / 2) * ((h + 1) / 2);
}

FrameFitter::FrameFitter(int width, int height)
    : width_(width), height_(height), frameBytes_(I420FrameBytes(width, height)) {}

void FrameFitter::Start(uint64_t wantedFrames) {
  wanted_ = wantedFrames * frameBytes_;
  forwarded_ = 0;
  current_.clear();
  lastWhole_.clear();
}

void FrameFitter::Take(std::string_view data, std::string& out) {
  const auto take = static_cast<size_t>(std::min<uint64_t>(data.size(), wanted_ - forwarded_));
  data = data.substr(0, take);
  out.append(data);
  forwarded_ += take;
  while (!data.empty()) {
    const size_t part = std::min(data.size(), frameBytes_ - current_.size());
    current_.append(data.substr(0, part));
    data.remove_prefix(part);
    if (current_.size() == frameBytes_) {
      lastWhole_.swap(current_);
      current_.clear();
    }
  }
}

char FrameFitter::FillByte(uint64_t offsetInFrame) const {
  if (!lastWhole_.empty()) return lastWhole_[offsetInFrame];
  const uint64_t luma = static_cast<uint64_t>(width_) * static_cast<uint64_t>(height_);
  return static_cast<char>(offsetInFrame < luma ? 16 : 128);  // black in video range
}

void FrameFitter::Pad(std::string& out, size_t maxBytes) {
  auto left = static_cast<size_t>(std::min<uint64_t>(maxBytes, Owed()));
  while (left > 0) {
    const uint64_t offset = forwarded_ % frameBytes_;
    const size_t run = std::min<size_t>(left, frameBytes_ - offset);
    if (!lastWhole_.empty()) {
      out.append(lastWhole_, offset, run);
    } else {
      for (size_t i = 0; i < run; ++i) out.push_back(FillByte(offset + i));
    }
    forwarded_ += run;
    left -= run;
  }
}

}  // namespace vuvide::encoder
