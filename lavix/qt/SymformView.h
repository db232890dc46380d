// The Qt view of the symbol dialog `symform`: mirrors app::SymbolForm.
#pragma once

#include <QDialog>
#include <QPointF>
#include <QRect>

#include <functional>
#include <vector>

#include "common/graphics/Recording.h"

namespace lavix::app {
class SymbolForm;
}
namespace lavix::qtui {
class QtPrompts;
}

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace lavix::qt {

class SymbolPreview;

// The symbols of the table drawn on the page and box colours (a click picks the symbol whose
// colours Colsym and fillsym change), a check box `symbox(s)` per symbol, `ties` and
// `cmdLineonly`, and one button per command of the model. Every event goes to the model; the
// view then mirrors it and closes once the model has closed.
class SymformView : public QDialog {
  Q_OBJECT
 public:
  explicit SymformView(app::SymbolForm& model, QWidget* parent = nullptr);

  void refresh();
  QCheckBox* symbolBox(int symbol) const;
  QPushButton* commandButton(const QString& name) const;
  QCheckBox* tiesBox() const { return ties_; }
  QCheckBox* lineOnlyBox() const { return lineOnly_; }
  QWidget* preview() const;
  // What the preview shows, in page units: one cell per symbol, eight to a row.
  const graphics::Recording& previewRecording() const { return recording_; }
  // The preview cell of a symbol (page units), for clicks.
  QRect symbolCell(int symbol) const;

  // Escape and the title bar's close leave without taking the check boxes over.
  void reject() override;

 private:
  void run(const std::function<void()>& event);
  void rebuildBoxes();
  void recordPreview();
  void pickSymbolAt(QPointF page);

  app::SymbolForm& model_;
  SymbolPreview* preview_ = nullptr;
  QGridLayout* boxGrid_ = nullptr;
  std::vector<QCheckBox*> boxes_;
  QCheckBox* ties_ = nullptr;
  QCheckBox* lineOnly_ = nullptr;
  QLabel* edited_ = nullptr;
  graphics::Recording recording_;
  int cellSize_ = 150;
};

// Lets runModal show `symform` with this view.
void registerSymformView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
