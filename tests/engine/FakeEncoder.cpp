// A scripted stand-in for the encoder program, used by the engine's tests: a test puts
// it in its throw-away program folder as "asapi.dll" and writes what each run prints.
//
// Run n (counting from 0 over the folder's life) records its arguments in
// "fake-args-<n>" (each argument followed by a zero byte) and then follows the script
// "fake-run-<n>.txt", or "fake-run.txt" when there is none. Script lines:
//   chunk TEXT       write TEXT in one piece and wait until the reader has taken it,
//                    so every chunk arrives as a read of its own
//   repeat N TEXT    the same, N times
//   sleep MS         pause
//   waitfile NAME    wait until the file NAME exists in the folder
//   touch NAME       create the file NAME in the folder
//   remove NAME      delete the file NAME in the folder
//   output           write a few bytes to the file named after "-o"
//   hang             wait until killed
//   exit CODE        end now with this exit code
// TEXT takes the escapes \r \n \t \0 \\ and \xHH.
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
namespace fs = std::filesystem;

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == 'r')
      out += '\r';
    else if (c == 'n')
      out += '\n';
    else if (c == 't')
      out += '\t';
    else if (c == '0')
      out += '\0';
    else if (c == 'x' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else
      out += c;
  }
  return out;
}

void Pause(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void WriteChunk(const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(STDOUT_FILENO, text.data() + done, text.size() - done);
    if (n <= 0) std::exit(3);
    done += static_cast<size_t>(n);
  }
  // Wait until the pipe is empty: the reader has taken this chunk in one read.
  for (;;) {
    int pending = 0;
    if (ioctl(STDOUT_FILENO, FIONREAD, &pending) != 0 || pending == 0) break;
    Pause(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = fs::path(argv[0]).parent_path();
  int run = 0;
  while (fs::exists(folder / ("fake-args-" + std::to_string(run)))) ++run;
  {
    std::ofstream args(folder / ("fake-args-" + std::to_string(run)), std::ios::binary);
    for (int i = 1; i < argc; ++i) args << argv[i] << '\0';
  }
  std::string output;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "-o") output = argv[i + 1];

  fs::path script = folder / ("fake-run-" + std::to_string(run) + ".txt");
  if (!fs::exists(script)) script = folder / "fake-run.txt";
  std::ifstream in(script);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string rest;
    std::getline(words, rest);
    if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    if (command == "chunk") {
      WriteChunk(Unescape(rest));
    } else if (command == "repeat") {
      std::istringstream parts(rest);
      int count = 0;
      parts >> count;
      std::string text;
      std::getline(parts, text);
      if (!text.empty() && text.front() == ' ') text.erase(0, 1);
      for (int i = 0; i < count; ++i) WriteChunk(Unescape(text));
    } else if (command == "sleep") {
      Pause(std::atoi(rest.c_str()));
    } else if (command == "waitfile") {
      while (!fs::exists(folder / rest)) Pause(2);
    } else if (command == "touch") {
      std::ofstream(folder / rest) << "x";
    } else if (command == "remove") {
      std::error_code ignored;
      fs::remove(folder / rest, ignored);
    } else if (command == "output") {
      std::ofstream(output, std::ios::binary) << "fake encoder output\n";
    } else if (command == "hang") {
      for (;;) pause();
    } else if (command == "exit") {
      return std::atoi(rest.c_str());
    }
  }
  return 0;
}
