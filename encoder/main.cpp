// asapi.dll: the encoder program that the joiner starts for every conversion and for the
// join. It takes the joiner's arguments, does the work with MEncoder and prints MEncoder's
// own console output, whose "Pos:" figures the joiner reads.
#include <clocale>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "encoder/EncoderArgs.h"
#include "encoder/Runner.h"

int main(int argc, char** argv) {
  using namespace vuvide::encoder;
  // File names reach libmediainfo as wide strings: decode them as UTF-8.
  const char* locale = std::setlocale(LC_ALL, "");
  if (!locale || !std::strstr(locale, "UTF-8")) std::setlocale(LC_CTYPE, "C.UTF-8");
  // A write to a run that has ended must fail, not end this program.
  std::signal(SIGPIPE, SIG_IGN);

  const std::vector<std::string> args(argv + 1, argv + argc);
  const RunSettings settings = SettingsFromEnvironment();
  const Line line = ClassifyLine(args);
  switch (line.kind) {
    case LineKind::Conversion:
      return RunRelayed(settings, BuildConversionArgs(line));
    case LineKind::Join:
      return RunJoin(settings, line.inputs, line.output, line.options);
    case LineKind::Other:
      break;
  }
  return RunRelayed(settings, args);
}
