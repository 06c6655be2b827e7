#pragma once
// A throw-away program folder for a test: a temporary folder with an empty
// "Profiles" folder and no "Preferences.ini"; removed when the object goes.
#include <string>

namespace vuvide::test {

class TempAppDir {
 public:
  TempAppDir();
  ~TempAppDir();
  TempAppDir(const TempAppDir&) = delete;
  TempAppDir& operator=(const TempAppDir&) = delete;

  // The folder, ending in the separator.
  const std::string& path() const { return path_; }
  std::string profiles() const { return path_ + "Profiles/"; }
  std::string preferences() const { return path_ + "Preferences.ini"; }

  // Writes a file below the folder (relative name), creating folders on the way.
  std::string write(const std::string& relative, const std::string& content) const;
  // Copies the shipped profiles of the source tree into Profiles/.
  void copyShippedProfiles() const;
  // Links the built encoder program (asapi.dll) into the folder.
  void linkEncoder() const;

 private:
  std::string path_;
};

// The source tree and the built program folder, from the test environment.
std::string SourceDir();
std::string BuiltAppDir();

}  // namespace vuvide::test
