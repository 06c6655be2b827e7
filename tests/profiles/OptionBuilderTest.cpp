// The option builder over a selection and a profile path: the documented examples
// byte for byte and the edge cases, as one table.
#include <gtest/gtest.h>

#include <functional>

#include "profiles/OptionBuilder.h"
#include "tests/profiles/ExampleProfile.h"
#include "tests/support/TempAppDir.h"

namespace vuvide::test {
namespace {

// The selection as loading the profile at path leaves it, in list mode.
OutputSelection Loaded(const std::string& path) {
  OutputSelection selection;
  for (const SettingInfo& info : Settings())
    selection[info.setting] = ReadProfileSetting(path, info.setting);
  return selection;
}

void Select(OutputSelection& selection, Setting setting, int index) {
  ChooserState& state = selection[setting];
  state.selected = index;
  state.text = index >= 0 ? state.choices.at(static_cast<std::size_t>(index)) : "";
}

struct Case {
  const char* name;
  std::function<void(OutputSelection&)> change;
  const char* frameSize;
  const char* options;
  bool noProfile = false;
};

TEST(OptionBuilderTest, Table) {
  TempAppDir app;
  const std::string profile = app.write("Profiles/Example.bpf", ExtendedProfile());
  const std::string missing = app.path() + "Profiles/Missing.bpf";
  // Audio codec choices of the extended example: 0 MP3, 1 ac3, 2 PCM, 3 MP2, 4 mp2.
  const Case cases[] = {
      {"example as loaded", [](OutputSelection&) {}, "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100"},
      {"example with ac3, 128 and 16:9",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 1);
         Select(s, Setting::AudioBitrate, 0);
         Select(s, Setting::Aspect, 1);
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16:9 -oac lavc -lavcopts "
       "acodec=ac3:abitrate=128 -channels 2 -vf scale=640:480 -srate 44100"},
      {"example with PCM: three blanks",
       [](OutputSelection& s) { Select(s, Setting::AudioCodec, 2); }, "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac pcm   -channels 2 -vf "
       "scale=640:480 -srate 44100"},
      {"nothing selected, no profile", [](OutputSelection& s) { s = OutputSelection{}; }, "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=:mbd=2:aspect=16:9 -oac lavc -lavcopts "
       "acodec=ac3:abitrate= -channels 2 -vf scale=640:480 -srate ",
       true},
      {"aspect none selected", [](OutputSelection& s) { Select(s, Setting::Aspect, -1); },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:aspect=16:9 -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP2 with 160 gives 128",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 3);
         s[Setting::AudioBitrate].text = "160";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=128 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP2 with 128 stays",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 3);
         s[Setting::AudioBitrate].text = "128";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=128 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP2 with 96 stays",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 3);
         s[Setting::AudioBitrate].text = "96";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=96 -channels 2 -vf scale=640:480 -srate 44100"},
      {"caption mp2 in small letters: no limit",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 4);
         s[Setting::AudioBitrate].text = "160";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=160 -channels 2 -vf scale=640:480 -srate 44100"},
      {"another codec: no limit",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 1);
         s[Setting::AudioBitrate].text = "192";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=ac3:abitrate=192 -channels 2 -vf scale=640:480 -srate 44100"},
      // Not a whole number: the text goes out as it is (the dialog's OK never lets it
      // through; only the close box can leave it).
      {"MP2 with a text that is not a number",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 3);
         s[Setting::AudioBitrate].text = "192k";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=192k -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP2 with a number beyond 32 bits",
       [](OutputSelection& s) {
         Select(s, Setting::AudioCodec, 3);
         s[Setting::AudioBitrate].text = "99999999999";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac lavc -lavcopts "
       "acodec=mp2:abitrate=99999999999 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP3 with abr and no ABR/CBR choice",
       [](OutputSelection& s) {
         Select(s, Setting::Mp3Encode, 1);
         Select(s, Setting::AbrCbrBitrate, -1);
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "abr:br=224 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP3 with cbr: the choice's token, never the typed text",
       [](OutputSelection& s) {
         Select(s, Setting::Mp3Encode, 2);
         Select(s, Setting::AbrCbrBitrate, 0);
         s[Setting::AbrCbrBitrate].text = "999";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "cbr:br=128 -channels 2 -vf scale=640:480 -srate 44100"},
      {"MP3 mode none selected is vbr",
       [](OutputSelection& s) {
         Select(s, Setting::Mp3Encode, -1);
         Select(s, Setting::VbrQuality, -1);
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100"},
      {"manual size, empty width and height", [](OutputSelection& s) { s.manualSize = true; }, ":",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=: -srate 44100"},
      {"manual size as typed",
       [](OutputSelection& s) {
         s.manualSize = true;
         s.widthText = "320";
         s.heightText = "x";
       },
       "320:x",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=320:x -srate 44100"},
      {"width and height unused in list mode",
       [](OutputSelection& s) {
         s.widthText = "320";
         s.heightText = "200";
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
       "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100"},
      {"free texts go out as typed",
       [](OutputSelection& s) {
         s[Setting::VideoBitrate].text = "-5";
         s[Setting::SampleRate].text = "";
         Select(s, Setting::AudioCodec, 2);
       },
       "640:480",
       " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=-5:mbd=2:autoaspect -oac pcm   -channels 2 -vf "
       "scale=640:480 -srate "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OutputSelection selection = Loaded(profile);
    c.change(selection);
    const std::string& path = c.noProfile ? missing : profile;
    EXPECT_EQ(GetFrameSize(selection, path), c.frameSize);
    EXPECT_EQ(BuildJoinOptions(selection, path), c.options);
  }
}

TEST(OptionBuilderTest, TokensAreReadAfreshFromTheProfile) {
  TempAppDir app;
  // A mode whose choice 0 is not "vbr" gives ABR/CBR options although the dialog shows
  // the quality chooser for choice 0; tokens follow the file as it is at build time.
  std::string text = kExampleProfile;
  const std::string from = "Caption0=vbr\nvalue0=vbr\n";
  text.replace(text.find(from), from.size(), "Caption0=vbr\nvalue0=abr\n");
  const std::string path = app.write("Profiles/P.bpf", text);
  const OutputSelection selection = Loaded(path);
  EXPECT_EQ(
      BuildJoinOptions(selection, path),
      " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
      "abr:br=224 -channels 2 -vf scale=640:480 -srate 44100");
  app.write("Profiles/P.bpf",
            "[Video Codec]\nvalue0=wmv2\n[Video Size]\nvalue0=320:240\n[MP3 Encode]\nvalue0=vbr\n"
            "[VBR Quality]\nvalue0=2\n[Channels]\nvalue0=1\n");
  EXPECT_EQ(GetFrameSize(selection, path), "320:240");
  EXPECT_EQ(BuildJoinOptions(selection, path),
            " -ovc lavc -lavcopts vcodec=wmv2:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
            "vbr=2:q=2 -channels 1 -vf scale=320:240 -srate 44100");
}

}  // namespace
}  // namespace vuvide::test
