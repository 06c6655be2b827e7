#include "encoder/Probe.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cwchar>
#include <vector>

// The C interface that libmediainfo exports (see MediaInfoDLL_Static.h); the enumerations
// are passed as their integer values.
extern "C" {
void* MediaInfo_New();
void MediaInfo_Delete(void* handle);
size_t MediaInfo_Open(void* handle, const wchar_t* file);
void MediaInfo_Close(void* handle);
const wchar_t* MediaInfo_Get(void* handle, int streamKind, size_t streamNumber,
                             const wchar_t* parameter, int infoKind, int searchKind);
size_t MediaInfo_Count_Get(void* handle, int streamKind, size_t streamNumber);
}

namespace vuvide::encoder {
namespace {

constexpr int kStreamVideo = 1;
constexpr int kStreamAudio = 2;
constexpr int kInfoText = 1;
constexpr int kInfoName = 0;

std::wstring Widen(const std::string& text) {
  std::mbstate_t state{};
  const char* source = text.c_str();
  const size_t length = std::mbsrtowcs(nullptr, &source, 0, &state);
  if (length == static_cast<size_t>(-1)) return {};
  std::wstring wide(length, L'\0');
  source = text.c_str();
  std::mbsrtowcs(wide.data(), &source, length, &state);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  std::string narrow;
  for (; text && *text; ++text) narrow.push_back(static_cast<char>(*text & 0x7f));
  return narrow;
}

}  // namespace

MediaFacts Probe(const std::string& path) {
  MediaFacts facts;
  void* handle = MediaInfo_New();
  if (!handle) return facts;
  const std::wstring file = Widen(path);
  if (!file.empty() && MediaInfo_Open(handle, file.c_str()) != 0) {
    // Every text is copied at once: the next call overwrites it.
    auto get = [&](int kind, const wchar_t* name) {
      return Narrow(MediaInfo_Get(handle, kind, 0, name, kInfoText, kInfoName));
    };
    if (MediaInfo_Count_Get(handle, kStreamVideo, static_cast<size_t>(-1)) > 0) {
      facts.opened = true;
      facts.frameCount = std::atoll(get(kStreamVideo, L"FrameCount").c_str());
      facts.rateNum = std::atoll(get(kStreamVideo, L"FrameRate_Num").c_str());
      facts.rateDen = std::atoll(get(kStreamVideo, L"FrameRate_Den").c_str());
      if (facts.rateNum <= 0 || facts.rateDen <= 0) {
        // Older readings give only the decimal rate, such as "29.970".
        facts.rateNum = std::llround(std::atof(get(kStreamVideo, L"FrameRate").c_str()) * 1000);
        facts.rateDen = 1000;
      }
      facts.width = std::atoi(get(kStreamVideo, L"Width").c_str());
      facts.height = std::atoi(get(kStreamVideo, L"Height").c_str());
      facts.displayAspect = get(kStreamVideo, L"DisplayAspectRatio");
    }
    facts.hasAudio = MediaInfo_Count_Get(handle, kStreamAudio, static_cast<size_t>(-1)) > 0;
    MediaInfo_Close(handle);
  }
  MediaInfo_Delete(handle);
  return facts;
}

}  // namespace vuvide::encoder
