#pragma once
// The media probe: the play time and frame size of a file, asked of libmediainfo
// through its C interface, one library object per probe.
#include <string>

namespace vuvide {

struct MediaProbeResult {
  std::string LengthText;  // time text of the play time
  std::string SizeText;    // width "x" height as the library gives them; "x" without video
};

// Probes the file at path (UTF-8). Throws Failure("'<play time>' is not a valid
// floating point value") when the library reports no play time or one that is not a
// number (a missing, unreadable or unknown file gives an empty play time).
MediaProbeResult ProbeMediaFile(const std::string& path);

// The length text of a play time in milliseconds as the library writes it ("4049",
// "3934.000000"): a plain decimal number, zero or more. Throws the probe's Failure for
// anything else.
std::string LengthTextOfPlayTime(const std::string& playTime);

// UTF-8 to the library's wide texts and back (UTF-32, or UTF-16 where wchar_t has 16
// bits). Malformed sequences become U+FFFD.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const wchar_t* text);

}  // namespace vuvide
