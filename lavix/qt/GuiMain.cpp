// Wires the session, the Qt ports and the main window view together.
#include "lavix/qt/GuiMain.h"


#include <QApplication>
#include <QImage>

#include <memory>

#include "common/text/Text.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/qt/GridView.h"
#include "lavix/qt/MainWindowView.h"
#include "lavix/qt/PrefView.h"
#include "lavix/qt/SpimixView.h"
#include "lavix/qt/SpimodView.h"
#include "lavix/qt/SubSelectView.h"
#include "lavix/qt/SymformView.h"
#include "lavix/qt/VarformView.h"
#include "qtui/Offscreen.h"
#include "qtui/QtClipboard.h"
#include "qtui/QtPicture.h"
#include "qtui/QtPrompts.h"
#include "qtui/TextWindow.h"

namespace lavix::qt {

int runGui(int argc, char** argv, const std::string& baseFolder, const std::optional<std::string>& file) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lavix"));

  qtui::QtPrompts prompts;
  registerSubSelectView(prompts);
  registerSymformView(prompts);
  registerGridView(prompts);
  registerPrefView(prompts);
  registerSpimodView(prompts);
  registerSpimixView(prompts);
  prompts.registerForm("varform", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* calculator = dynamic_cast<calc::VariableCalculator*>(&form);
    if (!calculator) return nullptr;
    return std::make_unique<VarformView>(*calculator, parent);
  });
  qtui::QtClipboard clipboard;
  app::Session session(prompts, clipboard, baseFolder, text::systemDecimalSeparator());
  qtui::QtPicture picture;
  session.picture = &picture;
  qtui::TextWindowPort tableWindow;
  session.tableWindow = &tableWindow;
  app::MainWindow window(session);

  // Start-up may ask for missing configuration files before any window shows.
  if (app::startUp(session) == app::StartupOutcome::Fatal) return 1;

  MainWindowView view(window);
  view.connectPrompts(prompts);
  tableWindow.setParent(&view);
  view.applyScreenSize(view.screen(), session.preferences.windowScale);
  view.show();
  if (file) window.openAtStart(*file);
  view.refresh();

  const int code = application.exec();
  app::shutDown(session);
  return code;
}

bool exportPicture(const graphics::Recording& recording, const std::string& format, const std::string& path,
                   std::string& error) {
  qtui::OffscreenApplication application;
  if (const auto refused = qtui::writePictureFile(recording, format, path)) {
    error = *refused;
    return false;
  }
  return true;
}

bool saveScreenshot(app::MainWindow& window, const std::string& path, std::string& error) {
  qtui::OffscreenApplication application;
  const QImage image = [&window] {
    MainWindowView view(window);
    return renderOffscreen(view);
  }();
  return qtui::saveWindowPicture(image, path, "the main window", error);
}

}  // namespace lavix::qt
