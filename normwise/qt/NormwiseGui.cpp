// Wires the cipw model, the Qt ports and the window together.
#include "normwise/qt/NormwiseGui.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <memory>

#include "common/text/Text.h"
#include "normwise/NormwiseTexts.h"
#include "normwise/qt/CipwView.h"
#include "normwise/qt/InputNormwiseView.h"
#include "qtui/Offscreen.h"
#include "qtui/QtPrinter.h"
#include "qtui/QtPrompts.h"

namespace lavix::normwise::qt {

int runGui(int argc, char** argv, const std::string& baseFolder) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("NormWise"));
  QDir::setCurrent(QString::fromStdString(baseFolder));

  qtui::QtPrompts prompts;
  // Boxes without a title of their own carry the program's name, as its window does.
  prompts.setProgramTitle(std::string(texts::programTitle));
  prompts.registerForm("inputNormwise", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* dialog = dynamic_cast<InputNormwise*>(&form);
    if (!dialog) return nullptr;
    return std::make_unique<InputNormwiseView>(*dialog, parent);
  });
  qtui::QtPrinter printer(QString::fromStdString(std::string(texts::programTitle)));
  CipwForm form(prompts, printer, baseFolder, text::systemDecimalSeparator());
  CipwView view(form);
  prompts.setParent(&view);
  view.show();
  return application.exec();
}

bool saveScreenshot(CipwForm& form, const std::string& path, std::string& error) {
  qtui::OffscreenApplication application;
  QImage image;
  {
    CipwView view(form);
    view.setAttribute(Qt::WA_DontShowOnScreen, true);
    view.show();
    view.adjustSize();
    image = view.grab().toImage();
    view.hide();
  }
  return qtui::saveWindowPicture(image, path, "the normwise window", error);
}

}  // namespace lavix::normwise::qt
