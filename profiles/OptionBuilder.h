#pragma once
// Turns the current output selection and the chosen profile into MEncoder arguments.
// The option tokens are read afresh from the profile file; everything else comes from
// the selection as it stands. Nothing is validated here: free texts go out as typed.
#include <string>

#include "profiles/Profile.h"

namespace vuvide {

// The frame size, "width:height", that the conversion pass writes after "-vf scale=":
// the "Video Size" token in list mode, the width and height texts in manual mode.
std::string GetFrameSize(const OutputSelection& selection, const std::string& profilePath);

// The joining options: " -ovc lavc -lavcopts <video options> -oac <audio encoder> <flag>
// <audio options> -channels <n> -vf scale=<size> -srate <rate>", beginning with a blank
// and ending with the sample-rate text.
//
// With the audio codec "MP2" an audio bitrate above 128 goes out as 128. An audio
// bitrate text that is not a whole number goes out unchanged: nothing here decides what
// it should have been.
std::string BuildJoinOptions(const OutputSelection& selection, const std::string& profilePath);

}  // namespace vuvide
