#include "engine/EncoderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

extern char** environ;

namespace vuvide {
namespace {

int OpenPidfd(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

bool SignalPidfd(int pidfd, int signal) {
#ifdef SYS_pidfd_send_signal
  return syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0) == 0;
#else
  (void)pidfd;
  (void)signal;
  return false;
#endif
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

EncoderProcess::~EncoderProcess() {
  Reap();
}

bool EncoderProcess::Start(const std::string& program, const std::vector<std::string>& arguments) {
  Reap();
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return false;
  PipeRead = ends[0];
  PipeWrite = ends[1];

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Standard output and standard error both go to the write end; dup2 clears the
  // close-on-exec flag of the copies, the originals close at exec.
  posix_spawn_file_actions_adddup2(&actions, PipeWrite, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, PipeWrite, STDERR_FILENO);

  std::vector<char*> argv;
  argv.reserve(arguments.size() + 2);
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  CloseFd(PipeWrite);
  if (failed != 0) {
    CloseFd(PipeRead);
    return false;
  }
  pid_ = pid;
  reaped_ = false;
  waitStatus_ = -1;
  pidfd_ = OpenPidfd(pid);
  return true;
}

bool EncoderProcess::WaitReadable(int timeoutMs) const {
  if (PipeRead < 0) return true;
  pollfd entry{PipeRead, POLLIN, 0};
  const int ready = poll(&entry, 1, timeoutMs);
  if (ready < 0) return errno != EINTR;  // a failing poll lets the read report the end
  return ready > 0;
}

size_t EncoderProcess::Read(char* buffer, size_t size) {
  if (PipeRead < 0) return 0;
  for (;;) {
    const ssize_t count = read(PipeRead, buffer, size);
    if (count > 0) return static_cast<size_t>(count);
    if (count < 0 && errno == EINTR) continue;
    return 0;
  }
}

void EncoderProcess::CloseRead() {
  CloseFd(PipeRead);
}

bool EncoderProcess::TryReap() {
  if (reaped_) return true;
  int status = 0;
  const pid_t done = waitpid(pid_, &status, WNOHANG);
  if (done == pid_ || (done < 0 && errno == ECHILD)) {
    reaped_ = true;
    waitStatus_ = done == pid_ ? status : -1;
  }
  return reaped_;
}

void EncoderProcess::FinishRun() {
  CloseRead();
  TryReap();
}

void EncoderProcess::Terminate() {
  if (pid_ <= 0) return;
  if (pidfd_ >= 0) {
    // Refers to this very process: once it has ended and been reaped the call fails
    // harmlessly instead of reaching a process that reuses the id.
    SignalPidfd(pidfd_, SIGKILL);
    return;
  }
  // Without a process descriptor, an unreaped child still owns its id.
  if (!reaped_) kill(pid_, SIGKILL);
}

void EncoderProcess::Reap() {
  CloseRead();
  CloseFd(PipeWrite);
  if (pid_ > 0 && !reaped_ && !TryReap()) {
    Terminate();
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    waitStatus_ = status;
  }
  CloseFd(pidfd_);
  pid_ = -1;
}

}  // namespace vuvide
