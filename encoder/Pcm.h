#pragma once
// Audio for the join run: each intermediate's PCM padded with silence or cut to the exact
// play time of its video, then all of them in order behind one WAV header.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vuvide::encoder {

// 44-byte header of a 16-bit PCM WAV file with dataBytes of samples (clamped to what the
// size fields can hold).
std::string WavHeader(int rate, int channels, uint64_t dataBytes);

// Appends exactly wantedBytes to the file `to` (at its current offset): the start of the
// file `from`, cut where it is longer, followed by silence where it is shorter. A trailing
// partial sample of `from` (blockAlign bytes per sample) is treated as missing. Returns
// false on a read or write error.
bool AppendFitted(int from, int to, uint64_t wantedBytes, int blockAlign);

// Writes all size bytes of data to fd, going on after interrupted writes. Returns false
// on a write error.
bool WriteAll(int fd, const char* data, size_t size);

}  // namespace vuvide::encoder
