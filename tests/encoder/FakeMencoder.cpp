// A scripted stand-in for MEncoder, selected through VUVIDE_MENCODER. It logs how it was
// started to $VUVIDE_FAKE_LOG (pid, whether standard input is /dev/null, then one argument
// per line) and then follows $VUVIDE_FAKE_SCRIPT, one command a line:
//   write TEXT   writes TEXT to standard output (escapes: \r \n \0 \\)
//   sleep MS     waits MS milliseconds
//   hang         waits until killed
//   exit CODE    ends with CODE
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out.push_back(text[i]);
      continue;
    }
    const char c = text[++i];
    out.push_back(c == 'r' ? '\r' : c == 'n' ? '\n' : c == '0' ? '\0' : c);
  }
  return out;
}

bool StdinIsDevNull() {
  struct stat in {
  }, null{};
  return fstat(0, &in) == 0 && stat("/dev/null", &null) == 0 && in.st_dev == null.st_dev &&
         in.st_ino == null.st_ino;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* log = std::getenv("VUVIDE_FAKE_LOG")) {
    std::ofstream out(log, std::ios::app);
    out << "pid " << getpid() << "\n"
        << "stdin " << (StdinIsDevNull() ? "null" : "other") << "\n";
    for (int i = 1; i < argc; ++i) out << argv[i] << "\n";
    out << "end\n";
  }
  const char* script = std::getenv("VUVIDE_FAKE_SCRIPT");
  if (!script) return 0;
  std::ifstream in(script);
  std::string line;
  while (std::getline(in, line)) {
    const auto blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (command == "write") {
      const std::string text = Unescape(value);
      if (write(1, text.data(), text.size()) < 0) return 3;
    } else if (command == "sleep") {
      std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(value.c_str())));
    } else if (command == "hang") {
      for (;;) pause();
    } else if (command == "exit") {
      return std::atoi(value.c_str());
    }
  }
  return 0;
}
