#pragma once
// Profile texts shared by the profile tests.
#include <string>

namespace vuvide::test {

// The documented example profile: one video codec and size, automatic or 16:9 aspect,
// MP3 (variable bitrate), lavc ac3 and PCM audio.
inline const std::string kExampleProfile = R"([Main]
Type=avi

[Video Codec]
Items=1
Caption0=mpeg4
value0=mpeg4
Index=0
Description=Codec help

[Video Size]
Items=1
Caption0=640:480
value0=640:480
Index=0
Description=Size help

[Video Bitrate]
Items=1
Caption0=800
Index=0
Description=Video bitrate help

[Aspect]
Items=2
Caption0=autoaspect
Caption1=16:9
value1=16:9
Index=0
Description=Aspect help

[Audio Codec]
Items=3
Caption0=MP3
Caption1=ac3
value1=ac3
Caption2=PCM
Index=0
Description=Audio codec help

[MP3 Encode]
Items=1
Caption0=vbr
value0=vbr
Index=0
Description=Encode help

[VBR Quality]
Items=1
Caption0=6
value0=6
Index=0
Description=Quality help

[ABR CBR Bitrate]
Items=2
Caption0=128
value0=128
Caption1=224
value1=224
Index=1
Description=ABR help

[Audio Bitrate]
Items=2
Caption0=128
Caption1=224
Index=0
Description=Audio bitrate help

[Sample Rate]
Items=1
Caption0=44100
Index=0
Description=Sample rate help

[Channels]
Items=1
Caption0=2
value0=2
Index=0
Description=Channels help
)";

// The example with more choices for the edge cases: audio codecs "MP2" and "mp2" and the
// MP3 modes abr and cbr. The example's own selections are unchanged, so everything
// built from its selections stays the same.
inline std::string ExtendedProfile() {
  std::string text = kExampleProfile;
  auto replace = [&text](const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  };
  replace("Items=3\nCaption0=MP3\nCaption1=ac3\nvalue1=ac3\nCaption2=PCM\n",
          "Items=5\nCaption0=MP3\nCaption1=ac3\nvalue1=ac3\nCaption2=PCM\n"
          "Caption3=MP2\nvalue3=mp2\nCaption4=mp2\nvalue4=mp2\n");
  replace("Items=1\nCaption0=vbr\nvalue0=vbr\n",
          "Items=3\nCaption0=vbr\nvalue0=vbr\nCaption1=abr\nvalue1=abr\n"
          "Caption2=cbr\nvalue2=cbr\n");
  return text;
}

}  // namespace vuvide::test
