// The About box: its texts and places, its links, and the main window around it.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <string>
#include <vector>

#include "about/AboutForm.h"
#include "about/ProgramInfo.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

class AboutTest : public GuiTest {
 protected:
  TAboutForm& about() { return *program->AboutForm; }

  void Click(QWidget* target) {
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, target->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, target->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
  }

  void Press(QWidget* target, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
};

TEST_F(AboutTest, VersionComesFromThePreferences) {
  struct Case {
    const char* what;
    const char* preferences;
    const char* version;
  };
  for (const Case& c : {Case{"no file", nullptr, "Version 1.5"},
                        Case{"Version 2.0", "[Main]\nVersion=2.0\n", "Version 2.0"},
                        Case{"other keys only", "[Main]\nProfile=0\n", "Version 1.5"}}) {
    SCOPED_TRACE(c.what);
    TempAppDir folder;
    if (c.preferences) folder.write("Preferences.ini", c.preferences);
    ScriptedShell scripted;
    Program own(scripted, folder.path(), {});
    EXPECT_EQ(own.AboutForm->labVersion->text().toStdString(), c.version);
  }
}

TEST_F(AboutTest, ClosingByOkOrByTheCloseBoxEnablesTheMainWindow) {
  Start();
  for (const char* how : {"OK", "close box", "Escape"}) {
    SCOPED_TRACE(how);
    main().tbtnAbout->click();
    ProcessEvents();
    ASSERT_TRUE(about().isVisible());
    EXPECT_FALSE(main().isEnabled());
    if (std::string(how) == "OK") {
      about().btnOK->click();
    } else if (std::string(how) == "Escape") {
      Press(&about(), Qt::Key_Escape);
    } else {
      about().close();  // what the title bar's close box asks for
    }
    ProcessEvents();
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(main().isEnabled());
  }
}

TEST_F(AboutTest, LabelsShowTheProductIdentityAtTheirPlaces) {
  Start();
  const ProgramInfo& info = main().Info;
  EXPECT_EQ(about().windowTitle(), "About");
  EXPECT_EQ(about().size(), QSize(476, 330));
  EXPECT_EQ(about().labProgramName->text().toStdString(), kProductName);
  EXPECT_EQ(about().labProgramName->geometry().right() + 1, 460) << "right-aligned at 460";
  EXPECT_EQ(about().labProgramName->y(), 21);
  const QFont nameFont = about().labProgramName->font();
  EXPECT_EQ(nameFont.family(), "Verdana");
  EXPECT_EQ(nameFont.pixelSize(), 17);
  EXPECT_TRUE(nameFont.bold());
  EXPECT_TRUE(nameFont.italic());
  EXPECT_EQ(about().labVersion->pos(), QPoint(400, 48));
  EXPECT_EQ(about().labCopyright->text().toStdString(), CopyrightText(info));
  EXPECT_EQ(about().labCopyright->text().toStdString(), "Copyright (C) 2008 " + info.companyName);
  EXPECT_EQ(about().labWebsite->text().toStdString(), info.webSite);
  EXPECT_TRUE(about().labWebsite->font().underline());
  for (QLabel* link :
       std::vector<QLabel*>{about().labMore, about().Label8, about().Label9, about().Label10})
    EXPECT_FALSE(link->font().underline()) << link->objectName().toStdString();
  EXPECT_EQ(about().Label8->text().toStdString(), info.otherProducts[0].name);
  EXPECT_EQ(about().Label9->text().toStdString(), info.otherProducts[1].name);
  EXPECT_EQ(about().Label10->text().toStdString(), info.otherProducts[2].name);
  EXPECT_EQ(about().btnOK->text(), "&OK");
  EXPECT_EQ(about().btnOK->geometry(), QRect(376, 284, 75, 25));
  ASSERT_FALSE(about().Image1->pixmap().isNull());
  EXPECT_EQ(about().Image1->pixmap().deviceIndependentSize().toSize(), QSize(476, 330));
  // A link stands after its caption, never over it.
  EXPECT_GT(about().labWebsite->x(), about().labVisitWebsite->geometry().right());
  EXPECT_GT(about().labMore->x(), about().Label7->geometry().right());
}

TEST_F(AboutTest, LinksOpenTheirAddressesByMouseAndKeyboard) {
  Start();
  const ProgramInfo& info = main().Info;
  struct Link {
    LinkLabel* label;
    std::string address;
  };
  const std::vector<Link> links{{about().labWebsite, info.webSite},
                                {about().labMore, info.webSite},
                                {about().Label8, info.otherProducts[0].page},
                                {about().Label9, info.otherProducts[1].page},
                                {about().Label10, info.otherProducts[2].page}};
  main().tbtnAbout->click();
  ProcessEvents();
  for (const Link& link : links) {
    SCOPED_TRACE(link.label->objectName().toStdString());
    EXPECT_EQ(link.label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.label->focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(link.label->accessibleName().isEmpty());
    shell.opened.clear();
    Click(link.label);
    Press(link.label, Qt::Key_Return);
    Press(link.label, Qt::Key_Space);
    Press(link.label, Qt::Key_A);
    ASSERT_EQ(shell.opened.size(), 3u) << "click, Enter and Space open; other keys do not";
    for (const QString& opened : shell.opened) EXPECT_EQ(opened.toStdString(), link.address);
  }
  EXPECT_TRUE(about().isVisible()) << "opening a link leaves the box open";
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(AboutTest, TabReachesEveryLinkThenOk) {
  Start();
  main().tbtnAbout->click();
  ProcessEvents();
  std::vector<QWidget*> order;
  QWidget* widget = about().labWebsite;
  for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain()) {
    while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
    order.push_back(widget);
  }
  const std::vector<QWidget*> expected{about().labWebsite, about().labMore, about().Label8,
                                       about().Label9,     about().Label10, about().btnOK};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace vuvide::test
