// The artwork compiled into the program, and the help file built beside it.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>
#include <algorithm>
#include <string>

#include "app/Skin.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

bool HasVisiblePixels(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0) return true;
  return false;
}

TEST(ResourcesTest, EveryPictureTheWindowsUseIsThere) {
  const QStringList names = ArtworkNames();
  for (const char* name : {"toolbar-back",  "add-files",    "add-dir",
                           "settings",      "about",        "help",
                           "delete",        "clear",        "up",
                           "down",          "border-left",  "border-right",
                           "bottom-setup",  "bottom-job",   "bottom-stretch",
                           "logo-back",     "start-normal", "start-hover",
                           "start-pressed", "stop-normal",  "stop-hover",
                           "stop-pressed",  "welcome-back", "welcome-picture",
                           "about-back",    "save",         "folder-open",
                           "vuvide",        "combo-arrow",  "combo-arrow-disabled"})
    EXPECT_TRUE(names.contains(name)) << name;
}

TEST(ResourcesTest, EverySvgLoadsAndRendersAtOneAndTwoTimes) {
  const QStringList names = ArtworkNames();
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QSvgRenderer renderer(ArtworkPath(name));
    ASSERT_TRUE(renderer.isValid());
    ASSERT_FALSE(renderer.defaultSize().isEmpty());
    for (const qreal ratio : {1.0, 2.0}) {
      const QPixmap picture = RenderArtwork(name, renderer.defaultSize(), ratio);
      ASSERT_FALSE(picture.isNull());
      EXPECT_EQ(picture.size(), renderer.defaultSize() * ratio);
      EXPECT_EQ(picture.deviceIndependentSize().toSize(), renderer.defaultSize());
      EXPECT_TRUE(HasVisiblePixels(picture.toImage()));
    }
  }
}

TEST(ResourcesTest, OpaquePicturesCoverTheirWholeArea) {
  // Backgrounds lie under other controls and must hide what is behind them.
  for (const char* name : {"welcome-back", "about-back", "toolbar-back", "logo-back"}) {
    SCOPED_TRACE(name);
    const QSize size = QSvgRenderer(ArtworkPath(name)).defaultSize();
    const QImage image = RenderArtwork(name, size, 1.0).toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1),
                                QPoint(size.width() / 2, size.height() / 2)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 255);
  }
}

// Most opaque pixel of an icon drawn at 24 x 24.
int MaxAlpha(const QIcon& icon, QIcon::Mode mode) {
  const QImage image = icon.pixmap(QSize(24, 24), 1.0, mode).toImage();
  int most = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) most = std::max(most, qAlpha(image.pixel(x, y)));
  return most;
}

TEST(ResourcesTest, GlyphsFadeWhenDisabled) {
  const QIcon glyph = ArtworkIcon("about");
  EXPECT_EQ(MaxAlpha(glyph, QIcon::Normal), 255);
  EXPECT_LT(MaxAlpha(glyph, QIcon::Disabled), 128);
  EXPECT_GT(MaxAlpha(glyph, QIcon::Disabled), 0);
}

TEST(ResourcesTest, MessageBoxesShowTheProgramsSignsAndPlainButtons) {
  QStyle* style = QApplication::style();
  for (const auto sign : {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion,
                          QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical})
    EXPECT_EQ(style->standardIcon(sign).cacheKey() == 0, false);
  const QImage information =
      style->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32).toImage();
  // The information sign is the program's blue disc.
  const QColor centre = information.pixelColor(16, 28);
  EXPECT_GT(centre.blue(), centre.red() + 60);
  EXPECT_EQ(style->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
}

TEST(ResourcesTest, AnUnknownPictureRendersNothing) {
  EXPECT_TRUE(RenderArtwork("no-such-picture", QSize(10, 10), 1.0).isNull());
}

#ifdef VUVIDE_HELP_BUILT
TEST(ResourcesTest, HelpFileIsACompiledHtmlHelpFileWithEveryPage) {
  QFile help(QString::fromStdString(BuiltAppDir() + "/Vantorel.chm"));
  ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName().toStdString();
  const QByteArray content = help.readAll();
  ASSERT_GT(content.size(), 4);
  EXPECT_EQ(content.left(4), "ITSF");
  for (const char* page : {"/index.html", "/getting-started.html", "/task-list.html",
                           "/profiles.html", "/settings.html", "/running-a-job.html",
                           "/troubleshooting.html", "/keyboard-mouse.html", "/style.css"})
    EXPECT_TRUE(content.contains(page)) << page;
}
#else
TEST(ResourcesTest, HelpFileIsACompiledHtmlHelpFileWithEveryPage) {
  GTEST_SKIP() << "chmcmd is not installed: the help file was not built";
}
#endif

}  // namespace
}  // namespace vuvide::test
