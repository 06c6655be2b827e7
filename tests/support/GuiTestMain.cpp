// main() of the GUI test binaries: the program's own application object, offscreen.
#include <gtest/gtest.h>

#include <clocale>

#include "app/Application.h"
#include "app/Skin.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  vuvide::Application app(argc, argv);
  vuvide::ApplySkin(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
