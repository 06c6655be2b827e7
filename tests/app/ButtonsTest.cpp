// The main window's picture buttons (Start, Stop), the output-file buttons, Help, and
// the skin's look of the flat buttons.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <string>
#include <vector>

#include "app/PictureButton.h"
#include "app/Skin.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

enum class Mouse { Move, Down, Up };

void Send(QWidget* target, Mouse kind, Qt::MouseButton pressed = Qt::LeftButton) {
  const QPointF inside(10, 10);
  const QPointF global = target->mapToGlobal(inside);
  const auto type = kind == Mouse::Move   ? QEvent::MouseMove
                    : kind == Mouse::Down ? QEvent::MouseButtonPress
                                          : QEvent::MouseButtonRelease;
  const Qt::MouseButton button = kind == Mouse::Move ? Qt::NoButton : pressed;
  const Qt::MouseButtons held = kind == Mouse::Up ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, inside, global, button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// Average lightness (0 black to 255 white) of what a widget shows along a line two
// pixels below its top edge, clear of its caption and glyph.
int BackgroundLightness(QWidget* widget) {
  const QImage image = widget->window()
                           ->grab(QRect(widget->mapTo(widget->window(), QPoint()), widget->size()))
                           .toImage();
  int sum = 0, count = 0;
  for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x, ++count)
    sum += QColor(image.pixel(x, 2)).lightness();
  return sum / count;
}

class ButtonsTest : public GuiTest {
 protected:
  // The button's state and the picture it shows always go together.
  void ExpectLook(PictureButton* button, const std::array<QPixmap, 3>& pictures, int state) {
    EXPECT_EQ(button->tag(), state) << button->objectName().toStdString();
    EXPECT_EQ(button->pixmap().cacheKey(), pictures[static_cast<size_t>(state)].cacheKey())
        << button->objectName().toStdString() << " shows another picture than state " << state;
  }
};

TEST_F(ButtonsTest, PicturesOfStartAndStopAreLoaded) {
  Start();
  for (const auto* list : {&main().ImageList4, &main().ImageList5})
    for (const QPixmap& picture : *list) {
      ASSERT_FALSE(picture.isNull());
      EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(133, 65));
    }
  EXPECT_NE(main().ImageList4[0].cacheKey(), main().ImageList4[1].cacheKey());
  ExpectLook(main().imgStart, main().ImageList4, 0);
  ExpectLook(main().imgStop, main().ImageList5, 0);
  EXPECT_TRUE(main().imgStart->isVisible());
  EXPECT_FALSE(main().imgStop->isVisible());
}

TEST_F(ButtonsTest, StartPictureFollowsTheMouse) {
  Start();
  PictureButton* start = main().imgStart;
  struct Step {
    const char* what;
    QWidget* target;
    Mouse kind;
    int state;
  };
  const std::vector<Step> steps{
      {"move over Start", start, Mouse::Move, 1},
      {"move again keeps hover", start, Mouse::Move, 1},
      {"button down", start, Mouse::Down, 2},
      {"move while pressed keeps pressed", start, Mouse::Move, 2},
      {"button up", start, Mouse::Up, 1},
      {"move over the logo background", main().Image9, Mouse::Move, 0},
      {"up without a press changes nothing", start, Mouse::Up, 0},
      {"down from normal", start, Mouse::Down, 2},
      {"logo background resets a pressed button too", main().Image9, Mouse::Move, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    Send(step.target, step.kind);
    ExpectLook(start, main().ImageList4, step.state);
  }
}

TEST_F(ButtonsTest, ClickIsRaisedOnMouseUpBeforeTheHoverLook) {
  Start();
  PictureButton* start = main().imgStart;
  std::vector<int> stateAtClick;
  QObject::connect(start, &PictureButton::clicked, [&] { stateAtClick.push_back(start->tag()); });
  Send(start, Mouse::Move);
  Send(start, Mouse::Down);
  EXPECT_TRUE(stateAtClick.empty()) << "the click waits for the button to come up";
  Send(start, Mouse::Up);
  EXPECT_EQ(stateAtClick, std::vector<int>{2});
  ExpectLook(start, main().ImageList4, 1);
}

TEST_F(ButtonsTest, AnyMouseButtonPressesThePictureButOnlyTheLeftOneClicks) {
  Start();
  PictureButton* start = main().imgStart;
  int clicks = 0;
  QObject::connect(start, &PictureButton::clicked, [&] { ++clicks; });
  Send(start, Mouse::Down, Qt::RightButton);
  ExpectLook(start, main().ImageList4, 2);
  Send(start, Mouse::Up, Qt::RightButton);
  ExpectLook(start, main().ImageList4, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ButtonsTest, HiddenButtonKeepsItsLookUntilShownAgain) {
  Start();
  PictureButton* stop = main().imgStop;
  stop->show();
  Send(stop, Mouse::Move);
  Send(main().imgStart, Mouse::Move);
  stop->hide();
  Send(main().Image9, Mouse::Move);
  ExpectLook(main().imgStart, main().ImageList4, 0);
  ExpectLook(stop, main().ImageList5, 1);
  stop->show();
  ExpectLook(stop, main().ImageList5, 1);
  Send(main().Image9, Mouse::Move);
  ExpectLook(stop, main().ImageList5, 0);
}

TEST_F(ButtonsTest, OpenPlaysTheFileElseOpensItsFolderElseNothing) {
  const std::string file = app.write("out/joined.avi", "data");
  const std::string folder = app.path() + "out";
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> opened;
  };
  const std::vector<Case> cases{
      {"existing file", file, {file}},
      {"missing file in an existing folder", folder + "/missing.avi", {folder}},
      {"neither file nor folder", app.path() + "nowhere/missing.avi", {}},
      {"empty box", "", {}},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell.opened.clear();
    main().edtOutputFile->setText(QString::fromStdString(c.text));
    main().bbtnOpen->click();
    ASSERT_EQ(shell.opened.size(), c.opened.size());
    for (size_t i = 0; i < c.opened.size(); ++i)
      EXPECT_EQ(QDir::cleanPath(shell.opened[i]).toStdString(), c.opened[i]);
    EXPECT_TRUE(shell.messages.empty());
  }
}

TEST_F(ButtonsTest, BrowserPutsTheChosenNameOrKeepsTheText) {
  Start();
  main().edtOutputFile->setText("/videos/old.avi");
  shell.saveFileAnswers = {std::nullopt, QString("/videos/new.mpg")};
  main().bbtnBrowser->click();
  EXPECT_EQ(main().edtOutputFile->text(), "/videos/old.avi") << "cancelled";
  main().bbtnBrowser->click();
  EXPECT_EQ(main().edtOutputFile->text(), "/videos/new.mpg") << "confirmed";
  ASSERT_EQ(shell.saveFileCalls.size(), 2u);
  EXPECT_EQ(shell.saveFileCalls[0].defaultExtension, "avi");
  EXPECT_EQ(shell.saveFileCalls[0].filter, main().SaveDialog1.filter);
}

TEST_F(ButtonsTest, HelpOpensTheHelpFileBesideTheProgram) {
  Start();
  main().tbtnHelp->click();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].toStdString(), app.path() + "Vantorel.chm");
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ButtonsTest, FlatButtonsAreLeftOutOfTheSkin) {
  Start();
  ASSERT_EQ(qApp->styleSheet(), SkinStyleSheet());
  // Toolbar buttons stay flat, so the navy toolbar shows through; the skin's push
  // buttons are light.
  for (QToolButton* flat : {main().tbtnAddFile, main().tbtnAbout, main().tbtnHelp}) {
    EXPECT_EQ(flat->property("tag").toInt(), kUnskinnedTag);
    EXPECT_LT(BackgroundLightness(flat), 150) << flat->objectName().toStdString();
    EXPECT_FALSE(flat->icon().isNull()) << flat->objectName().toStdString();
  }
  EXPECT_GT(BackgroundLightness(main().bbtnOpen), 200);
}

TEST_F(ButtonsTest, JobViewFirstLineFitsItsPanelWithoutOverlaps) {
  Start();
  QWidget* panel = main().panBottomLeft;
  const std::vector<QLabel*> line{main().labProcessTitle,
                                  main().labConvertingFile,
                                  panel->findChild<QLabel*>("labElapsedCaption"),
                                  main().labElapsed,
                                  panel->findChild<QLabel*>("labRemainingCaption"),
                                  main().labRemaining};
  for (size_t i = 0; i < line.size(); ++i) {
    ASSERT_NE(line[i], nullptr);
    SCOPED_TRACE(line[i]->objectName().toStdString());
    EXPECT_GE(line[i]->x(), 0);
    EXPECT_LE(line[i]->geometry().right(), panel->width() - 1);
    if (i > 0) {
      EXPECT_GT(line[i]->x(), line[i - 1]->geometry().right());
    }
    if (line[i] != main().labConvertingFile) {
      EXPECT_GE(line[i]->width(), line[i]->fontMetrics().horizontalAdvance(line[i]->text()));
    }
  }
}

}  // namespace
}  // namespace vuvide::test
