// The Qt view of the spider mixing window `spimix`: mirrors app::SpiderMixForm.
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "lavix/app/SpiderMixForm.h"

namespace lavix::qtui {
class QtPrompts;
}

class QLabel;
class QLineEdit;
class QPushButton;

namespace lavix::qt {

// Five rows of a component button `pickco(i)`, its coefficient box `perco(i)` and its name
// `coname(i)`, with `instruct`, `rlabel`, `done` and `Quit`. Every event goes to the model;
// the view then mirrors it and closes once the model has closed.
class SpimixView : public QDialog {
  Q_OBJECT
 public:
  explicit SpimixView(app::SpiderMixForm& model, QWidget* parent = nullptr);

  void refresh();
  QPushButton* pickButton(int slot) const { return pick_[static_cast<std::size_t>(slot)]; }
  QLineEdit* coefficientBox(int slot) const { return coefficient_[static_cast<std::size_t>(slot)]; }
  QLabel* nameLabel(int slot) const { return name_[static_cast<std::size_t>(slot)]; }
  QPushButton* doneButton() const { return done_; }
  QPushButton* quitButton() const { return quit_; }
  QLabel* statusLabel() const { return status_; }

  // Escape and the title bar's close act as Quit.
  void reject() override;

 private:
  void run(const std::function<void()>& event);

  app::SpiderMixForm& model_;
  std::array<QPushButton*, app::mixSlots> pick_{};
  std::array<QLineEdit*, app::mixSlots> coefficient_{};
  std::array<QLabel*, app::mixSlots> name_{};
  QPushButton* done_ = nullptr;
  QPushButton* quit_ = nullptr;
  QLabel* status_ = nullptr;
};

// Lets runModal show `spimix` with this view.
void registerSpimixView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
