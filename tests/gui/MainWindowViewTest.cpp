// The main window view built from the real model: menus, forwarding, mirroring, screenshots.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "common/ui/SilentPrompts.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Session.h"
#include "lavix/qt/GuiMain.h"
#include "lavix/qt/MainWindowView.h"
#include "lavix/qt/PictureWidget.h"
#include "lavix/qt/WindowGeometry.h"
#include "qtui/QtPrompts.h"
#include "tests/gui/QtTestApp.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/LavixSessions.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::qt {
namespace {

using testing::qtApp;

// Records the file requests and answers them with a cancel.
class RecordingPrompts : public ui::SilentPrompts {
 public:
  std::optional<std::string> openFile(const ui::FileRequest& request) override {
    opened.push_back(request);
    return std::nullopt;
  }

  std::vector<ui::FileRequest> opened;
};

class NoClipboard : public ui::ClipboardPort {
 public:
  std::optional<std::string> text() override { return std::nullopt; }
  void setText(const std::string&) override {}
};

class MainWindowViewTest : public ::testing::Test {
 protected:
  MainWindowViewTest() { qtApp(); }

  lavix::testing::TempFolder folder;
  RecordingPrompts prompts;
  NoClipboard clipboard;
  app::Session session{prompts, clipboard, folder.path(), '.'};
  app::MainWindow model{session};
};

TEST_F(MainWindowViewTest, MenusMirrorTheModelAndRunItsCommands) {
  MainWindowView view(model);
  for (const app::Menu& menu : model.menus()) {
    QMenu* shown = view.menuBar()->findChild<QMenu*>(QString::fromStdString(menu.name));
    ASSERT_NE(shown, nullptr) << menu.name;
    EXPECT_EQ(shown->title(), QString::fromStdString(menu.caption));
    for (const app::MenuEntry& entry : menu.entries) {
      if (entry.command.empty()) continue;
      QAction* action = view.action(entry.command);
      ASSERT_NE(action, nullptr) << entry.command;
      EXPECT_EQ(action->text(), QString::fromStdString(model.caption(entry.command))) << entry.command;
      EXPECT_EQ(action->isEnabled(), model.isEnabled(entry.command)) << entry.command;
      EXPECT_EQ(action->isVisible(), model.isVisible(entry.command)) << entry.command;
      EXPECT_EQ(action->isChecked(), model.isChecked(entry.command)) << entry.command;
      EXPECT_EQ(action->toolTip(), QString::fromStdString(model.commands().tip(entry.command))) << entry.command;
    }
  }
  EXPECT_EQ(view.action("mOpen")->text(), QString("&Open"));
  EXPECT_EQ(view.action("mOpen")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(view.action("mExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
}

TEST_F(MainWindowViewTest, ADroppedDataFileIsOpened) {
  session.data.allocate(50, 20);
  session.allocateRowArrays();
  MainWindowView view(model);
  const std::string file = folder.write("dropped.txt", "SAMPLE\tSiO2\nA\t50\n");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
  // A drop reaches the window that accepted the drag when it entered.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &drop);
  EXPECT_EQ(view.windowTitle(), QString("Lavix dropped.txt   1 rows by 1 columns"));
  EXPECT_EQ(session.recent.caption(1), file);
}

TEST_F(MainWindowViewTest, OpenRunsTheModelsOpenCommand) {
  MainWindowView view(model);
  view.action("mOpen")->trigger();
  ASSERT_EQ(prompts.opened.size(), 1u);
  EXPECT_EQ(prompts.opened[0].filter,
            "Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|");
}

TEST_F(MainWindowViewTest, LibraryMenusOpenTheirFoldersThroughThePromptPort) {
  MainWindowView view(model);
  session.data.allocate(10, 10);
  session.data.rowCount = 1;
  session.data.columnCount = 1;
  view.action("mdiag")->trigger();
  view.action("mmin")->trigger();
  ASSERT_EQ(prompts.opened.size(), 2u);
  EXPECT_EQ(prompts.opened[0].filter, "Diagram Files (*.txt)|*.txt|");
  EXPECT_EQ(prompts.opened[0].folder, session.baseFolder + "Diagrams/");
  EXPECT_EQ(prompts.opened[1].filter, "Min Files (*.txt)|*.txt|");
  EXPECT_EQ(view.action("mclassify")->text(), QString("Classify samples"));
}

TEST_F(MainWindowViewTest, TitleStatusRecentFilesAndCheckMarksFollowTheModelAfterEveryEvent) {
  MainWindowView view(model);
  view.show();
  EXPECT_EQ(view.windowTitle(), QString("Lavix"));
  EXPECT_FALSE(view.action("mLastFile1")->isVisible());
  EXPECT_FALSE(view.buttonRow()->isVisible());
  session.window.title = "Lavix rocks.txt   3 rows by 4 columns";
  session.window.status = " sample A";
  session.diagram.yLabelOrientation = -1;
  session.recent.setCaption(1, "/data/rocks.txt");
  model.click("mOpen", "");  // the model's change listener refreshes the view
  EXPECT_EQ(view.windowTitle(), QString("Lavix rocks.txt   3 rows by 4 columns"));
  EXPECT_EQ(view.statusLabel()->text(), QString(" sample A"));
  EXPECT_TRUE(view.action("mLastFile1")->isVisible());
  EXPECT_EQ(view.action("mLastFile1")->text(), QString("/data/rocks.txt"));
  EXPECT_FALSE(view.action("mLastFile2")->isVisible());
  EXPECT_TRUE(view.action("menuHorizY")->isChecked());
  EXPECT_FALSE(view.action("menuVerticalY")->isCheckable()) << "unchecked items show no mark";

  // What a prompt shows while a command runs appears at once.
  qtui::QtPrompts qtPrompts;
  view.connectPrompts(qtPrompts);
  EXPECT_EQ(qtPrompts.parent(), &view);
  qtPrompts.showTitle("Lavix Clipboard   2 rows by 3 columns");
  qtPrompts.showStatus(" 12");
  EXPECT_EQ(view.windowTitle(), QString("Lavix Clipboard   2 rows by 3 columns"));
  EXPECT_EQ(view.statusLabel()->text(), QString(" 12"));
}

TEST_F(MainWindowViewTest, ExitClosesTheWindowAndTheTitleBarAsksTheModel) {
  {
    MainWindowView view(model);
    view.show();
    view.action("mExit")->trigger();
    EXPECT_TRUE(model.exitRequested());
    QTRY_VERIFY_WITH_TIMEOUT(!view.isVisible(), 2000);
    EXPECT_FALSE(view.isVisible());
  }
  app::MainWindow second(session);
  MainWindowView view(second);
  view.show();
  EXPECT_TRUE(view.close());
  EXPECT_TRUE(second.exitRequested());
}

TEST_F(MainWindowViewTest, ScreenshotShowsTheWhitePictureBoxAndReportsAnUnwritablePath) {
  MainWindowView view(model);
  auto* picture = view.findChild<PictureWidget*>("lxpic");
  ASSERT_EQ(picture, view.picture());
  const QImage image = renderOffscreen(view);
  // The rendering puts a caption strip above the window.
  const QPoint centre = picture->mapTo(&view, picture->rect().center()) + QPoint(0, 28);
  EXPECT_EQ(QColor(image.pixel(centre)), QColor(Qt::white));

  std::string error;
  const std::string path = folder.path() + "/shot.png";
  ASSERT_TRUE(saveScreenshot(model, path, error)) << error;
  EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(1024, 700));
  EXPECT_FALSE(saveScreenshot(model, folder.path() + "/missing/shot.png", error));
  EXPECT_EQ(error, "cannot write " + folder.path() + "/missing/shot.png");
}

// ---- window geometry ----

// The window a new user meets, sized for the screen it runs on, with the example's XY diagram:
// only for the documentation's pictures (LAVIX_SCREENSHOT_DIR), at whatever screen size and
// scale factor the run gives the offscreen platform.
TEST(MainWindowViewShots, TheMainWindowAsSizedForTheScreen) {
  if (!std::getenv("LAVIX_SCREENSHOT_DIR")) GTEST_SKIP() << "no screenshot folder";
  qtApp();
  testing::SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  f.click("mOpen", {"Data Files/atacazo-ninahuilca.txt"});
  f.click("mxy", {"click varbut SiO2", "click varbut K2O"});
  ASSERT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  MainWindowView view(*f.window);
  const QScreen* screen = QGuiApplication::primaryScreen();
  view.applyScreenSize(screen, f.session->preferences.windowScale);
  view.show();
  const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
  testing::saveScreenshot(view, QString("main-window-%1x%2.png").arg(pixels.width()).arg(pixels.height()).toLatin1());
}

TEST(WindowGeometry, SizesFollowTheScreenAndStayOnIt) {
  // The base is the width, or for wide screens the height over three quarters.
  EXPECT_EQ(screenBase(1024, 768), 1024);
  EXPECT_EQ(screenBase(2560, 1080), 1440);
  EXPECT_EQ(mainWindowSize(1920, 1080, 1.0f).width, 1152);
  EXPECT_EQ(mainWindowSize(1920, 1080, 1.0f).height, 864);
  EXPECT_EQ(mainWindowSize(1024, 768, 3.0f).width, 1024);
  EXPECT_EQ(mainWindowSize(1024, 768, 0.01f).height, 240);
  EXPECT_EQ(mainWindowSize(1024, 768, 0.0f).width, mainWindowSize(1024, 768, 1.0f).width) << "bad scale counts as 1";
  // One on a 640-pixel screen at 96 pixels per inch.
  EXPECT_FLOAT_EQ(dialogScale(1.0f, 640, 96.0), 1.0f);
  EXPECT_FLOAT_EQ(dialogScale(1.0f, 1440, 96.0), 2.25f);
  EXPECT_FLOAT_EQ(dialogScale(2.0f, 640, 192.0), 1.0f);
}

}  // namespace
}  // namespace lavix::qt
