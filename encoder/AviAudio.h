#pragma once
// Reads the PCM sound of an intermediate straight from its AVI file: walking the chunks is
// much cheaper than starting MEncoder for it, and the intermediates are AVI files that
// MEncoder wrote with 16-bit PCM sound.
#include <string>

namespace vuvide::encoder {

enum class AviAudio { Copied, NoAudio, Unsupported };

// Appends the raw samples of the AVI file's audio stream to `to` when that stream is
// 16-bit PCM with the given rate and channel count. Unsupported covers files that are not
// AVI, other sound formats and read or write errors: the caller then decodes the file.
AviAudio CopyAviPcm(const std::string& path, int to, int rate, int channels);

}  // namespace vuvide::encoder
