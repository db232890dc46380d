// Wires the mixing session, the Qt ports and the views together.
#include "mixing/qt/MixingGui.h"

#include <QApplication>
#include <QImage>

#include <memory>

#include "common/text/Text.h"
#include "mixing/MainWindow.h"
#include "mixing/qt/MixingViews.h"
#include "qtui/QtPrinter.h"
#include "qtui/QtPrompts.h"

namespace lavix::mixing::qt {

int runGui(int argc, char** argv, const std::string& baseFolder) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mixing"));
  qtui::QtPrompts prompts;
  qtui::QtPrinter printer;
  Session session(prompts, printer, baseFolder, text::systemDecimalSeparator());
  MainWindow window(session);
  MainView view(window);
  view.connectPrompts(prompts);
  view.show();
  return application.exec();
}

bool saveScreenshot(MainWindow& window, const std::string& path, std::string& error) {
  // QApplication keeps references to argc and argv: they outlive it here.
  int argc = 1;
  char name[] = "mixing";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QApplication> ownApplication;
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ownApplication = std::make_unique<QApplication>(argc, argv);
  }
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
  if (image.isNull()) {
    error = "the mixing window could not be rendered";
    return false;
  }
  if (!image.save(QString::fromStdString(path), "PNG")) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace lavix::mixing::qt
