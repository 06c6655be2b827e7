#include "encoder/Runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <string_view>

#include "encoder/AviAudio.h"
#include "encoder/EncoderArgs.h"
#include "encoder/FrameFitter.h"
#include "encoder/Pcm.h"
#include "encoder/Probe.h"

namespace vuvide::encoder {
namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kChunk = 4095;             // what the joiner reads at once
constexpr size_t kPendingLimit = 4u << 20;  // raw video held for the main run at most
constexpr int kPipeSize = 1 << 20;

void Report(const std::string& text) {
  const std::string line = "asapi.dll: " + text + "\n";
  [[maybe_unused]] auto n = write(2, line.data(), line.size());
}

std::string FdPath(int fd) {
  return "/proc/self/fd/" + std::to_string(fd);
}

// A child that dies with this program: PR_SET_PDEATHSIG kills it when this process ends,
// however it ends (SIGKILL included). Standard input is /dev/null, because MEncoder takes
// key presses from it. Only the descriptors in `keep` (besides 0, 1, 2) are inherited.
// Returns -1 when the program cannot be started.
pid_t Spawn(const std::string& program, const std::vector<std::string>& args, int outFd,
            const std::vector<int>& keep) {
  std::vector<std::string> all = {program};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
  int report[2];
  if (devNull < 0 || pipe2(report, O_CLOEXEC) != 0) {
    if (devNull >= 0) close(devNull);
    return -1;
  }
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(126);
    dup2(devNull, 0);
    const int out = outFd >= 0 ? outFd : devNull;
    dup2(out, 1);
    dup2(out, 2);
    for (int fd : keep) fcntl(fd, F_SETFD, 0);
    signal(SIGPIPE, SIG_DFL);
    execvp(argv[0], argv.data());
    const int error = errno;
    [[maybe_unused]] auto n = write(report[1], &error, sizeof error);
    _exit(127);
  }
  close(devNull);
  close(report[1]);
  if (pid < 0) {
    close(report[0]);
    return -1;
  }
  int error = 0;
  ssize_t n = 0;
  do {
    n = read(report[0], &error, sizeof error);
  } while (n < 0 && errno == EINTR);
  close(report[0]);
  if (n > 0) {  // exec failed
    waitpid(pid, nullptr, 0);
    Report("cannot start " + program + ": " + std::strerror(error));
    return -1;
  }
  return pid;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 1;
}

int Reap(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return 1;
  }
  return ExitCodeOf(status);
}

void KillAndReap(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  Reap(pid);
  pid = -1;
}

// Ends a run whose position has not advanced for the limit. The first position counts as
// an advance, so a run that never prints one is ended too.
class Watchdog {
 public:
  explicit Watchdog(double limitSeconds)
      : limit_(std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(limitSeconds))),
        lastAdvance_(Clock::now()) {}

  void Feed(std::string_view chunk) {
    // A status line can be split between two reads: keep the end of the previous one.
    tail_.append(chunk);
    if (auto pos = LastPosition(tail_); pos && (!best_ || *pos > *best_)) {
      best_ = pos;
      lastAdvance_ = Clock::now();
    }
    if (tail_.size() > 64) tail_.erase(0, tail_.size() - 64);
  }
  void Touch() { lastAdvance_ = Clock::now(); }
  bool Stalled() const { return Clock::now() - lastAdvance_ > limit_; }

 private:
  Clock::duration limit_;
  Clock::time_point lastAdvance_;
  std::optional<double> best_;
  std::string tail_;
};

// Relays one read of the main run's output. Returns false at its end.
bool RelayOnce(int from, Watchdog& watchdog, bool& outputBroken) {
  char buffer[kChunk];
  ssize_t n = 0;
  do {
    n = read(from, buffer, sizeof buffer);
  } while (n < 0 && errno == EINTR);
  if (n < 0 && errno == EAGAIN) return true;
  if (n <= 0) return false;
  const auto size = static_cast<size_t>(n);
  if (!outputBroken && !WriteAll(1, buffer, size)) outputBroken = true;
  watchdog.Feed(std::string_view(buffer, size));
  return true;
}

// An unlinked scratch file beside the intermediates; it disappears with the last
// descriptor, so nothing is left behind even when this program is killed.
int ScratchFile(const std::string& folder) {
  for (const std::string& dir : {folder, std::string("/tmp")}) {
    int fd = open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    std::string name = dir + "/.asapi-XXXXXX";
    fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) {
      unlink(name.c_str());
      return fd;
    }
  }
  return -1;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Runs a helper that writes into `scratch`, ending it when the file stops growing.
bool RunHelper(const RunSettings& settings, const std::vector<std::string>& args, int scratch) {
  pid_t pid = Spawn(settings.mencoder, args, -1, {scratch});
  if (pid < 0) return false;
  Watchdog watchdog(settings.stallSeconds);
  off_t lastSize = 0;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitCodeOf(status) == 0;
    if (done < 0 && errno != EINTR) return false;
    struct stat info {};
    if (fstat(scratch, &info) == 0 && info.st_size != lastSize) {
      lastSize = info.st_size;
      watchdog.Touch();
    }
    if (watchdog.Stalled()) {
      Report("a helper run stopped advancing and was ended");
      KillAndReap(pid);
      return false;
    }
    poll(nullptr, 0, 20);
  }
}

}  // namespace

RunSettings SettingsFromEnvironment() {
  RunSettings settings;
  if (const char* program = std::getenv("VUVIDE_MENCODER"); program && *program)
    settings.mencoder = program;
  if (const char* stall = std::getenv("VUVIDE_ENCODER_STALL_SECONDS"); stall && *stall) {
    const double seconds = std::atof(stall);
    if (seconds > 0) settings.stallSeconds = seconds;
  }
  return settings;
}

int RunRelayed(const RunSettings& settings, const std::vector<std::string>& args) {
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) return kExitCannotStart;
  pid_t pid = Spawn(settings.mencoder, args, output[1], {});
  close(output[1]);
  if (pid < 0) {
    close(output[0]);
    return kExitCannotStart;
  }
  Watchdog watchdog(settings.stallSeconds);
  bool outputBroken = false;
  bool stalled = false;
  for (;;) {
    pollfd wait{output[0], POLLIN, 0};
    const int ready = poll(&wait, 1, 100);
    if (ready > 0 && !RelayOnce(output[0], watchdog, outputBroken)) break;
    if (outputBroken || watchdog.Stalled()) {
      stalled = !outputBroken;
      if (stalled) Report("MEncoder stopped advancing and was ended");
      kill(pid, SIGKILL);
      while (RelayOnce(output[0], watchdog, outputBroken)) {
      }
      break;
    }
  }
  close(output[0]);
  const int code = Reap(pid);
  if (stalled) return kExitStalled;
  if (outputBroken) return kExitIoError;
  return code;
}

int RunJoin(const RunSettings& settings, const std::vector<std::string>& inputs,
            const std::string& output, const std::vector<std::string>& options) {
  const JoinOptions parsed = ParseJoinOptions(options);

  struct Part {
    std::string path;
    MediaFacts facts;
  };
  std::vector<Part> parts;
  for (const auto& input : inputs) {
    MediaFacts facts = Probe(input);
    if (facts.opened && facts.frameCount > 0 && facts.width > 0 && facts.height > 0)
      parts.push_back({input, facts});
    else
      Report("skipping an input without readable video: " + input);
  }
  if (parts.empty()) {
    Report("nothing to join");
    return kExitNoInput;
  }
  const int width = parts.front().facts.width;
  const int height = parts.front().facts.height;
  const std::string folder = FolderOf(parts.front().path);

  // The joined audio: every part's sound fitted to its own video length, so that picture
  // and sound meet again at every join.
  const int audio = ScratchFile(folder);
  if (audio < 0) {
    Report("cannot create a scratch file");
    return kExitIoError;
  }
  const int blockAlign = kIntermediateChannels * 2;
  uint64_t audioBytes = 0;
  const std::string placeholder = WavHeader(kIntermediateRate, kIntermediateChannels, 0);
  bool audioOk = WriteAll(audio, placeholder.data(), placeholder.size());
  for (const Part& part : parts) {
    const uint64_t wanted = OutputFrames(static_cast<uint64_t>(part.facts.frameCount),
                                         static_cast<uint64_t>(part.facts.rateNum),
                                         static_cast<uint64_t>(part.facts.rateDen)) *
                            kSamplesPerFrame * static_cast<uint64_t>(blockAlign);
    int source = ScratchFile(folder);
    AviAudio found = AviAudio::Unsupported;
    if (source >= 0)
      found = CopyAviPcm(part.path, source, kIntermediateRate, kIntermediateChannels);
    if (source >= 0 && found == AviAudio::Unsupported && part.facts.hasAudio) {
      // Not one of our intermediates: let MEncoder decode the sound.
      if (ftruncate(source, 0) == 0 &&
          RunHelper(settings, BuildAudioExtractArgs(part.path, FdPath(source)), source))
        found = AviAudio::Copied;
      else
        Report("no audio read from " + part.path + "; using silence");
    }
    if (source >= 0 && (found != AviAudio::Copied || lseek(source, 0, SEEK_SET) != 0)) {
      close(source);
      source = -1;
    }
    if (source < 0) source = open("/dev/null", O_RDONLY | O_CLOEXEC);
    audioOk = audioOk && AppendFitted(source, audio, wanted, blockAlign);
    close(source);
    audioBytes += wanted;
  }
  const std::string header = WavHeader(kIntermediateRate, kIntermediateChannels, audioBytes);
  audioOk = audioOk &&
            pwrite(audio, header.data(), header.size(), 0) == static_cast<ssize_t>(header.size());
  if (!audioOk) {
    Report("cannot write the joined audio");
    close(audio);
    return kExitIoError;
  }

  // The main run reads one raw stream: the parts' frames in order, fitted to their counts.
  int video[2];
  int mainOut[2];
  if (pipe2(video, O_CLOEXEC) != 0) return kExitCannotStart;
  if (pipe2(mainOut, O_CLOEXEC) != 0) return kExitCannotStart;
  fcntl(video[1], F_SETPIPE_SZ, kPipeSize);
  fcntl(video[1], F_SETFL, O_NONBLOCK);
  const std::string aspect =
      parts.front().facts.displayAspect.empty() ? "" : parts.front().facts.displayAspect;
  pid_t mainPid =
      Spawn(settings.mencoder,
            BuildJoinArgs(output, parsed, FdPath(video[0]), FdPath(audio), width, height, aspect),
            mainOut[1], {video[0], audio});
  close(mainOut[1]);
  close(video[0]);
  close(audio);
  if (mainPid < 0) {
    close(video[1]);
    close(mainOut[0]);
    return kExitCannotStart;
  }

  FrameFitter fitter(width, height);
  // Helpers that decode the parts to raw frames. The next one is started while the current
  // one streams, so its start-up never leaves the main run waiting.
  struct Feeder {
    pid_t pid = -1;
    int fd = -1;  // read end of its raw frames; -1 once ended
    size_t part = 0;
  };
  std::deque<Feeder> feeders;
  size_t nextFeeder = 0;
  bool partOpen = false;  // the front feeder's frames are being fitted
  size_t partsDone = 0;
  std::string pending;
  size_t pendingAt = 0;
  int videoIn = video[1];

  auto startFeeders = [&]() {
    while (feeders.size() < 2 && nextFeeder < parts.size()) {
      Feeder feeder;
      feeder.part = nextFeeder++;
      int raw[2];
      if (pipe2(raw, O_CLOEXEC) == 0) {
        fcntl(raw[0], F_SETPIPE_SZ, kPipeSize);
        fcntl(raw[0], F_SETFL, O_NONBLOCK);
        feeder.pid =
            Spawn(settings.mencoder,
                  BuildFrameFeedArgs(parts[feeder.part].path, FdPath(raw[1]), width, height), -1,
                  {raw[1]});
        close(raw[1]);
        if (feeder.pid < 0)
          close(raw[0]);
        else
          feeder.fd = raw[0];
      }
      feeders.push_back(feeder);
    }
  };

  Watchdog watchdog(settings.stallSeconds);
  bool outputBroken = false;
  bool stalled = false;
  for (;;) {
    // Keep the raw stream going: next part, padding, end of stream.
    if (videoIn >= 0) {
      startFeeders();
      if (!partOpen && !feeders.empty()) {
        const MediaFacts& facts = parts[feeders.front().part].facts;
        fitter.Start(static_cast<uint64_t>(facts.frameCount), static_cast<uint64_t>(facts.rateNum),
                     static_cast<uint64_t>(facts.rateDen));
        partOpen = true;
      }
      if (partOpen && feeders.front().fd < 0 && pending.size() - pendingAt < kPendingLimit) {
        fitter.Pad(pending, kPendingLimit);
        if (fitter.Owed() == 0) {
          KillAndReap(feeders.front().pid);
          feeders.pop_front();
          partOpen = false;
          ++partsDone;
          continue;
        }
      }
      if (partsDone == parts.size() && pendingAt == pending.size()) {
        close(videoIn);
        videoIn = -1;
      }
    }
    const int feed = partOpen ? feeders.front().fd : -1;

    pollfd waits[3];
    nfds_t count = 0;
    waits[count++] = {mainOut[0], POLLIN, 0};
    const bool wantFeed = feed >= 0 && pending.size() - pendingAt < kPendingLimit;
    if (wantFeed) waits[count++] = {feed, POLLIN, 0};
    const bool wantWrite = videoIn >= 0 && pendingAt < pending.size();
    if (wantWrite) waits[count++] = {videoIn, POLLOUT, 0};
    const int ready = poll(waits, count, 100);
    if (ready < 0 && errno != EINTR) break;

    bool mainEnded = false;
    if (ready > 0) {
      for (nfds_t i = 0; i < count; ++i) {
        if (waits[i].revents == 0) continue;
        if (waits[i].fd == mainOut[0]) {
          if (!RelayOnce(mainOut[0], watchdog, outputBroken)) mainEnded = true;
        } else if (waits[i].fd == feed) {
          char buffer[1 << 16];
          const ssize_t n = read(feed, buffer, sizeof buffer);
          if (n > 0) {
            fitter.Take(std::string_view(buffer, static_cast<size_t>(n)), pending);
          } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            close(feed);
            feeders.front().fd = -1;
          }
        } else if (waits[i].fd == videoIn) {
          const ssize_t n = write(videoIn, pending.data() + pendingAt, pending.size() - pendingAt);
          if (n > 0) {
            pendingAt += static_cast<size_t>(n);
            if (pendingAt == pending.size()) {
              pending.clear();
              pendingAt = 0;
            } else if (pendingAt > kPendingLimit) {
              pending.erase(0, pendingAt);
              pendingAt = 0;
            }
          } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            // The main run no longer reads: it has ended or failed.
            close(videoIn);
            videoIn = -1;
          }
        }
      }
    }
    if (mainEnded) break;
    if (outputBroken || watchdog.Stalled()) {
      stalled = !outputBroken;
      if (stalled) Report("MEncoder stopped advancing and was ended");
      kill(mainPid, SIGKILL);
      while (RelayOnce(mainOut[0], watchdog, outputBroken)) {
      }
      break;
    }
  }
  if (videoIn >= 0) close(videoIn);
  for (Feeder& feeder : feeders) {
    if (feeder.fd >= 0) close(feeder.fd);
    KillAndReap(feeder.pid);
  }
  close(mainOut[0]);
  const int code = Reap(mainPid);
  if (stalled) return kExitStalled;
  if (outputBroken) return kExitIoError;
  return code;
}

}  // namespace vuvide::encoder
