#pragma once
// The encoder process of one run: started directly (no shell) with standard output
// and standard error on one pipe and the program's own standard input.
//
// The child stays unreaped until Reap() (or a later Start() or the destructor), and
// it is signalled through a process file descriptor where the system has one, so a
// terminate never reaches another process that happens to reuse the id.
#include <sys/types.h>
#include <string>
#include <vector>

namespace vuvide {

struct EncoderProcess {
  EncoderProcess() = default;
  ~EncoderProcess();
  EncoderProcess(const EncoderProcess&) = delete;
  EncoderProcess& operator=(const EncoderProcess&) = delete;

  // Makes the pipe and starts program with these arguments (argv[0] is program).
  // The write end is closed in this process once the child has it. False when the
  // pipe or the process cannot be made; nothing is left open then. A process of an
  // earlier run is ended and reaped first.
  bool Start(const std::string& program, const std::vector<std::string>& arguments);

  // Waits up to timeoutMs for output (or the end of output). True when a read will
  // not block.
  bool WaitReadable(int timeoutMs) const;

  // Reads at most size bytes. Returns the count, or 0 when the output has ended or
  // the read failed.
  size_t Read(char* buffer, size_t size);

  // Ends the output side of the run: closes the read end and reaps the child if it has
  // already exited (it is reaped later otherwise).
  void FinishRun();

  // Kills the process of the current run (like a terminate with exit code 4): a
  // process that has already ended, or none at all, is left alone. The result is not
  // reported.
  void Terminate();

  // Kills the process if it still runs, waits for it and releases every handle.
  void Reap();

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  // The exit status as waitpid gives it, once reaped; -1 before.
  int WaitStatus() const { return waitStatus_; }

 private:
  void CloseRead();
  bool TryReap();

  int PipeRead = -1;   // read end of the output pipe
  int PipeWrite = -1;  // write end, handed to the child as its output and error
  int pidfd_ = -1;
  pid_t pid_ = -1;
  bool reaped_ = true;
  int waitStatus_ = -1;
};

}  // namespace vuvide
