// Stands in for MEncoder in bench_encoder_join_overhead: runs the real one with the same
// arguments and standard handles, then appends "<seconds> <main|helper>" to
// $VUVIDE_BENCH_LOG. The join's main run is the one given "-rawvideo" (it reads the raw stream).
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  const char* real = std::getenv("VUVIDE_BENCH_MENCODER");
  argv[0] = const_cast<char*>(real && *real ? real : "mencoder");
  bool main = false;
  for (int i = 1; i < argc; ++i) main = main || std::strcmp(argv[i], "-rawvideo") == 0;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    execvp(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (const char* log = std::getenv("VUVIDE_BENCH_LOG"))
    std::ofstream(log, std::ios::app) << seconds << " " << (main ? "main" : "helper") << "\n";
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
