#pragma once
// The product's identity: set once at start-up, unchanged afterwards.
#include <array>
#include <string>

namespace vuvide {

inline constexpr const char* kProductName = "Kestova VID Uzaru Vuvide";

struct OtherProduct {
  std::string name;
  std::string page;  // web address opened by the desktop shell
};

struct ProgramInfo {
  std::string productName;
  std::string companyName;
  std::string webSite;
  std::string copyrightYear;
  std::array<OtherProduct, 3> otherProducts;
  std::string helpFile;  // AppDir + "Vantorel.chm"
};

// The identity values for a program folder (appDir ends in the separator).
ProgramInfo MakeProgramInfo(const std::string& appDir);

// "Kestova VID Uzaru Vuvide V1.5" for version "1.5".
std::string MainWindowTitle(const std::string& productName, const std::string& versionText);

// The part of the product name after its first blank ("VID Uzaru Vuvide"); a name
// without a blank is shown whole.
std::string LogoText(const std::string& productName);

// "Copyright (C) 2008 <company>", the About box's copyright line.
std::string CopyrightText(const ProgramInfo& info);

}  // namespace vuvide
