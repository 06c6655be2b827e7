#include "engine/JobCommands.h"

#include <sys/stat.h>

#include "app/PathRoutines.h"
#include "engine/CommandLine.h"

namespace vuvide {
namespace {

// Creates one level of folder; true when the folder exists afterwards.
bool MakeFolder(const std::string& folder) {
  if (DirectoryExists(folder)) return true;
  return mkdir(folder.c_str(), 0777) == 0 && DirectoryExists(folder);
}

}  // namespace

std::string IntermediatePath(const std::string& tempFolder, int row) {
  return tempFolder + std::to_string(row) + ".avi";
}

std::string ConversionCommandLine(const std::string& input, const std::string& intermediate,
                                  const std::string& frameSize) {
  return " " + QuoteArgument(input) + " -o " + QuoteArgument(intermediate) +
         " -oac mp3lame -ovc lavc -ofps 30 -vf scale=" + frameSize;
}

std::string JoiningCommandLine(const std::vector<std::string>& intermediates,
                               const std::string& output, const std::string& options) {
  std::string inputList;
  for (const auto& intermediate : intermediates) inputList += " " + QuoteArgument(intermediate);
  return inputList + " " + "-o" + " " + QuoteArgument(output) + " " + options;
}

std::string RenamedOutput(const std::string& output, const std::string& outputExtension) {
  return ExtractFilePath(output) + NameWithoutExtension(ExtractFileName(output)) + "_1" +
         outputExtension;
}

std::string WithOutputExtension(const std::string& output, const std::string& outputExtension) {
  if (LowerAscii(ExtractFileExt(output)) == LowerAscii(outputExtension)) return output;
  return output + outputExtension;
}

std::string PrepareTempFolder(const std::string& tempDir, const std::string& appDir,
                              std::string& problem) {
  problem.clear();
  if (tempDir.empty()) {
    problem = "No temp folder is set. Please choose one in the Settings.";
    return {};
  }
  const std::string folder = AddTrailingBackslash(tempDir);
  if (MakeFolder(folder)) return folder;
  const std::string fallback = AddTrailingBackslash(appDir) + "temp" + kPathSeparator;
  if (MakeFolder(fallback)) return fallback;
  problem = "Unable to create the temp folder " + folder + " or " + fallback +
            ". Please choose another temp folder in the Settings.";
  return {};
}

}  // namespace vuvide
