#include "encoder/Pcm.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <vector>

namespace vuvide::encoder {
namespace {

void PutLe(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::string WavHeader(int rate, int channels, uint64_t dataBytes) {
  const uint64_t limit = std::numeric_limits<uint32_t>::max() - 36;
  const uint64_t data = std::min(dataBytes, limit);
  const int blockAlign = channels * 2;
  std::string header = "RIFF";
  PutLe(header, data + 36, 4);
  header += "WAVEfmt ";
  PutLe(header, 16, 4);
  PutLe(header, 1, 2);  // integer PCM
  PutLe(header, static_cast<uint64_t>(channels), 2);
  PutLe(header, static_cast<uint64_t>(rate), 4);
  PutLe(header, static_cast<uint64_t>(rate) * static_cast<uint64_t>(blockAlign), 4);
  PutLe(header, static_cast<uint64_t>(blockAlign), 2);
  PutLe(header, 16, 2);
  header += "data";
  PutLe(header, data, 4);
  return header;
}

bool AppendFitted(int from, int to, uint64_t wantedBytes, int blockAlign) {
  std::vector<char> buffer(1 << 16);
  uint64_t written = 0;
  size_t held = 0;  // bytes read but not yet written (less than one sample)
  while (written < wantedBytes) {
    const ssize_t n = read(from, buffer.data() + held, buffer.size() - held);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    held += static_cast<size_t>(n);
    const size_t whole = held - held % static_cast<size_t>(blockAlign);
    const size_t take = static_cast<size_t>(std::min<uint64_t>(whole, wantedBytes - written));
    if (!WriteAll(to, buffer.data(), take)) return false;
    written += take;
    std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(whole),
              buffer.begin() + static_cast<std::ptrdiff_t>(held), buffer.begin());
    held -= whole;
  }
  std::fill(buffer.begin(), buffer.end(), '\0');
  while (written < wantedBytes) {
    const size_t take =
        static_cast<size_t>(std::min<uint64_t>(buffer.size(), wantedBytes - written));
    if (!WriteAll(to, buffer.data(), take)) return false;
    written += take;
  }
  return true;
}

}  // namespace vuvide::encoder
