#include "encoder/AviAudio.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vuvide::encoder {
namespace {

uint32_t Le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

class Reader {
 public:
  explicit Reader(int fd) : fd_(fd) {}
  bool Read(uint64_t at, void* into, size_t size) const {
    auto* out = static_cast<char*>(into);
    while (size > 0) {
      const ssize_t n = pread(fd_, out, size, static_cast<off_t>(at));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      out += n;
      at += static_cast<uint64_t>(n);
      size -= static_cast<size_t>(n);
    }
    return true;
  }
  // Copies size bytes at `at` to `to`.
  bool Copy(uint64_t at, uint64_t size, int to) const {
    std::vector<char> buffer(1 << 16);
    while (size > 0) {
      const auto part = static_cast<size_t>(std::min<uint64_t>(size, buffer.size()));
      if (!Read(at, buffer.data(), part)) return false;
      for (size_t done = 0; done < part;) {
        const ssize_t n = write(to, buffer.data() + done, part - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
      }
      at += part;
      size -= part;
    }
    return true;
  }

 private:
  int fd_;
};

struct Chunk {
  char id[5] = {};
  uint32_t size = 0;
  char listType[5] = {};  // for RIFF and LIST chunks
};

// Reads the chunk header at `at`; false when none fits before `end`.
bool ReadChunk(const Reader& reader, uint64_t at, uint64_t end, Chunk& chunk) {
  chunk = Chunk{};
  if (at + 8 > end) return false;
  unsigned char head[12];
  if (!reader.Read(at, head, 8)) return false;
  std::memcpy(chunk.id, head, 4);
  chunk.size = Le32(head + 4);
  const bool isList = !std::memcmp(chunk.id, "RIFF", 4) || !std::memcmp(chunk.id, "LIST", 4);
  if (isList) {
    if (chunk.size < 4 || !reader.Read(at + 8, head + 8, 4)) return false;
    std::memcpy(chunk.listType, head + 8, 4);
  }
  return true;
}

uint64_t NextAt(uint64_t at, const Chunk& chunk) {
  return at + 8 + chunk.size + (chunk.size & 1);
}

struct Walk {
  Walk(const Reader& r, int out) : reader(r), to(out) {}

  const Reader& reader;
  int to;
  int streamCount = 0;
  int audioStream = -1;
  bool audioOk = false;
  bool failed = false;

  void Header(uint64_t at, uint64_t end) {  // inside LIST hdrl
    Chunk chunk;
    for (; ReadChunk(reader, at, end, chunk); at = NextAt(at, chunk)) {
      if (!std::memcmp(chunk.id, "LIST", 4) && !std::memcmp(chunk.listType, "strl", 4)) {
        Stream(at + 12, at + 8 + chunk.size);
        ++streamCount;
      }
    }
  }
  void Stream(uint64_t at, uint64_t end) {  // inside LIST strl
    bool audio = false;
    Chunk chunk;
    for (; ReadChunk(reader, at, end, chunk); at = NextAt(at, chunk)) {
      unsigned char data[16];
      if (!std::memcmp(chunk.id, "strh", 4) && chunk.size >= 4 && reader.Read(at + 8, data, 4))
        audio = !std::memcmp(data, "auds", 4);
      if (audio && audioStream < 0 && !std::memcmp(chunk.id, "strf", 4) && chunk.size >= 16 &&
          reader.Read(at + 8, data, 16)) {
        audioStream = streamCount;
        wanted.tag = Le16(data);
        wanted.channels = Le16(data + 2);
        wanted.rate = Le32(data + 4);
        wanted.bits = Le16(data + 14);
      }
    }
  }
  void Movie(uint64_t at, uint64_t end) {  // inside LIST movi (or LIST rec)
    char audioId[5] = {};
    std::snprintf(audioId, sizeof audioId, "%02dwb", audioStream);
    Chunk chunk;
    for (; !failed && ReadChunk(reader, at, end, chunk); at = NextAt(at, chunk)) {
      if (!std::memcmp(chunk.id, "LIST", 4))
        Movie(at + 12, at + 8 + chunk.size);
      else if (!std::memcmp(chunk.id, audioId, 4) && !reader.Copy(at + 8, chunk.size, to))
        failed = true;
    }
  }

  struct {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t bits = 0;
  } wanted;
};

}  // namespace

AviAudio CopyAviPcm(const std::string& path, int to, int rate, int channels) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return AviAudio::Unsupported;
  const off_t size = lseek(fd, 0, SEEK_END);
  const Reader reader(fd);
  const auto fileEnd = static_cast<uint64_t>(size < 0 ? 0 : size);
  Walk walk{reader, to};
  AviAudio result = AviAudio::Unsupported;
  uint64_t at = 0;
  bool first = true;
  // The first RIFF "AVI " holds the headers; large files go on in RIFF "AVIX" parts.
  Chunk riff;
  while (ReadChunk(reader, at, fileEnd, riff)) {
    if (std::memcmp(riff.id, "RIFF", 4) != 0) break;
    if (first && std::memcmp(riff.listType, "AVI ", 4) != 0) break;
    const uint64_t end = std::min<uint64_t>(at + 8 + riff.size, fileEnd);
    Chunk chunk;
    for (uint64_t in = at + 12; ReadChunk(reader, in, end, chunk); in = NextAt(in, chunk)) {
      if (std::memcmp(chunk.id, "LIST", 4) != 0) continue;
      const uint64_t listEnd = std::min<uint64_t>(in + 8 + chunk.size, end);
      if (first && !std::memcmp(chunk.listType, "hdrl", 4)) {
        walk.Header(in + 12, listEnd);
        if (walk.audioStream < 0) {
          result = AviAudio::NoAudio;
          break;
        }
        if (walk.wanted.tag != 1 || walk.wanted.bits != 16 ||
            walk.wanted.rate != static_cast<uint32_t>(rate) ||
            walk.wanted.channels != static_cast<uint16_t>(channels))
          break;
        result = AviAudio::Copied;
      } else if (!std::memcmp(chunk.listType, "movi", 4) && result == AviAudio::Copied) {
        walk.Movie(in + 12, listEnd);
      }
    }
    if (result != AviAudio::Copied) break;
    first = false;
    at = NextAt(at, riff);
  }
  close(fd);
  if (walk.failed) return AviAudio::Unsupported;
  return result;
}

}  // namespace vuvide::encoder
