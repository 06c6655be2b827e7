#include "tasks/MediaProbe.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "app/Failure.h"
#include "tasks/TimeText.h"

// The plain C exports of libmediainfo (wide-text variant). The library's own header
// loads the library at run time through function pointers of the same names; the
// program links it instead, so the exports are declared here.
extern "C" {
void* MediaInfo_New();
void MediaInfo_Delete(void* handle);
std::size_t MediaInfo_Open(void* handle, const wchar_t* file);
void MediaInfo_Close(void* handle);
const wchar_t* MediaInfo_Get(void* handle, int streamKind, std::size_t streamNumber,
                             const wchar_t* parameter, int infoKind, int searchKind);
}

namespace vuvide {
namespace {

constexpr int kStreamGeneral = 0;
constexpr int kStreamVideo = 1;
constexpr int kInfoText = 1;
constexpr int kSearchByName = 0;
constexpr char32_t kReplacement = 0xFFFD;

void AppendWide(std::wstring& out, char32_t code) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (code >> 10));
      out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(code);
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The library turns wide file names back into multibyte ones for the system calls
// with the C library's conversion, which follows LC_CTYPE. Under the "C" locale every
// name with a non-ASCII letter would fail, so each probe runs under a UTF-8 LC_CTYPE
// for this thread only; the program's own locale is left alone.
class Utf8CtypeScope {
 public:
  Utf8CtypeScope() {
    static const locale_t utf8 = [] {
      locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
      if (!made) made = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(nullptr));
      return made;
    }();
    if (utf8) previous_ = uselocale(utf8);
  }
  ~Utf8CtypeScope() {
    if (previous_) uselocale(previous_);
  }
  Utf8CtypeScope(const Utf8CtypeScope&) = delete;
  Utf8CtypeScope& operator=(const Utf8CtypeScope&) = delete;

 private:
  locale_t previous_ = static_cast<locale_t>(nullptr);
};

// One library object, closed and freed however the probe ends.
class MediaInfoObject {
 public:
  MediaInfoObject() : handle_(MediaInfo_New()) {}
  ~MediaInfoObject() {
    if (handle_) {
      MediaInfo_Close(handle_);
      MediaInfo_Delete(handle_);
    }
  }
  MediaInfoObject(const MediaInfoObject&) = delete;
  MediaInfoObject& operator=(const MediaInfoObject&) = delete;

  void Open(const std::wstring& file) {
    if (handle_) MediaInfo_Open(handle_, file.c_str());
  }
  // The library overwrites the returned text on its next call: copy it at once.
  std::string Get(int streamKind, const wchar_t* parameter) {
    if (!handle_) return {};
    return Utf8FromWide(MediaInfo_Get(handle_, streamKind, 0, parameter, kInfoText, kSearchByName));
  }

 private:
  void* handle_;
};

}  // namespace

std::wstring WideFromUtf8(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    const unsigned char lead = bytes[i];
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
      AppendWide(out, kReplacement);
      ++i;
      continue;
    }
    std::size_t taken = 1;
    bool good = true;
    for (int k = 0; k < extra; ++k, ++taken) {
      if (i + taken >= size || (bytes[i + taken] & 0xC0) != 0x80) {
        good = false;
        break;
      }
      code = (code << 6) | (bytes[i + taken] & 0x3F);
    }
    if (good && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
      good = false;
    AppendWide(out, good ? code : kReplacement);
    i += taken;
  }
  return out;
}

std::string Utf8FromWide(const wchar_t* text) {
  std::string out;
  if (!text) return out;
  for (const wchar_t* p = text; *p; ++p) {
    auto code = static_cast<char32_t>(*p);
    if constexpr (sizeof(wchar_t) == 2) {
      if (code >= 0xD800 && code <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
        ++p;
      }
    }
    AppendUtf8(out, code);
  }
  return out;
}

std::string LengthTextOfPlayTime(const std::string& playTime) {
  double milliseconds = 0;
  const char* first = playTime.data();
  const char* last = first + playTime.size();
  const auto result = std::from_chars(first, last, milliseconds);
  const bool plainNumber = !playTime.empty() && playTime.front() != '-' &&
                           result.ec == std::errc() && result.ptr == last &&
                           std::isfinite(milliseconds);
  if (!plainNumber) throw Failure("'" + playTime + "' is not a valid floating point value");
  return FormatTimeText(milliseconds / 1000);
}

MediaProbeResult ProbeMediaFile(const std::string& path) {
  const Utf8CtypeScope utf8Names;
  MediaInfoObject info;
  info.Open(WideFromUtf8(path));
  MediaProbeResult result;
  result.LengthText = LengthTextOfPlayTime(info.Get(kStreamGeneral, L"PlayTime"));
  const std::string width = info.Get(kStreamVideo, L"Width");
  result.SizeText = width + "x" + info.Get(kStreamVideo, L"Height");
  return result;
}

}  // namespace vuvide
