// Wires the mixing session, the Qt ports and the views together.
#include "mixing/qt/MixingGui.h"

#include <QApplication>
#include <QImage>

#include <memory>

#include "common/text/Text.h"
#include "mixing/MainWindow.h"
#include "mixing/qt/MixingViews.h"
#include "qtui/Offscreen.h"
#include "qtui/QtPrinter.h"
#include "qtui/QtPrompts.h"

namespace lavix::mixing::qt {

int runGui(int argc, char** argv, const std::string& baseFolder) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mixing"));
  qtui::QtPrompts prompts;
  prompts.setProgramTitle("Mixing");
  qtui::QtPrinter printer(QStringLiteral("Mixing"));
  Session session(prompts, printer, baseFolder, text::systemDecimalSeparator());
  MainWindow window(session);
  MainView view(window);
  view.connectPrompts(prompts);
  view.show();
  return application.exec();
}

bool saveScreenshot(MainWindow& window, const std::string& path, std::string& error) {
  qtui::OffscreenApplication application;
  QImage image;
  {
    MainView view(window);
    QWidget* shown = &view;
    if (window.output().visible) shown = view.outputView();
    shown->setAttribute(Qt::WA_DontShowOnScreen, true);
    shown->show();
    image = shown->grab().toImage();
    shown->hide();
  }
  return qtui::saveWindowPicture(image, path, "the mixing window", error);
}

}  // namespace lavix::mixing::qt
