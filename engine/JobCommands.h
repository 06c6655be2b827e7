#pragma once
// The command lines and file names of a job: plain functions the passes and Start use.
#include <string>
#include <vector>

namespace vuvide {

// TempFolder + row + ".avi": the intermediate file of a row (row from 0).
std::string IntermediatePath(const std::string& tempFolder, int row);

// The conversion run of one row: a blank, the quoted input, " -o ", the quoted
// intermediate, " -oac mp3lame -ovc lavc -ofps 30 -vf scale=" and the frame size.
std::string ConversionCommandLine(const std::string& input, const std::string& intermediate,
                                  const std::string& frameSize);

// The joining run: each intermediate quoted after a blank, " -o ", the quoted output,
// a blank and the options (which begin with a blank themselves).
std::string JoiningCommandLine(const std::vector<std::string>& intermediates,
                               const std::string& output, const std::string& options);

// The output's folder + its name without extension + "_1" + outputExtension.
std::string RenamedOutput(const std::string& output, const std::string& outputExtension);

// The output text with outputExtension appended unless its file-name part already ends
// in that extension (from its last point on, compared without regard to letter case).
std::string WithOutputExtension(const std::string& output, const std::string& outputExtension);

// Prepares the folder of the intermediates from the Temp Dir preference: the text with
// a separator added, created (one level) when missing; when that fails, appDir + "temp"
// + separator, created when missing. Returns the folder, or an empty text with the
// reason in problem when no usable folder could be had.
std::string PrepareTempFolder(const std::string& tempDir, const std::string& appDir,
                              std::string& problem);

}  // namespace vuvide
