#include "about/ProgramInfo.h"

namespace vuvide {

ProgramInfo MakeProgramInfo(const std::string& appDir) {
  ProgramInfo info;
  info.productName = kProductName;
  info.companyName = "Vantorel Software";
  info.webSite = "https://www.vantorel.example/";
  info.copyrightYear = "2008";
  info.otherProducts = {{
      {"Vantorel Video Converter", "https://www.vantorel.example/video-converter/"},
      {"Vantorel DVD Ripper", "https://www.vantorel.example/dvd-ripper/"},
      {"Vantorel Audio Extractor", "https://www.vantorel.example/audio-extractor/"},
  }};
  info.helpFile = appDir + "Vantorel.chm";
  return info;
}

std::string MainWindowTitle(const std::string& productName, const std::string& versionText) {
  return productName + " " + "V" + versionText;
}

std::string LogoText(const std::string& productName) {
  const auto blank = productName.find(' ');
  return blank == std::string::npos ? productName : productName.substr(blank + 1);
}

std::string CopyrightText(const ProgramInfo& info) {
  return "Copyright (C) " + info.copyrightYear + " " + info.companyName;
}

}  // namespace vuvide
