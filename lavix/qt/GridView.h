// The Qt view of the data entry grid `blank`: a table view over data::EntryGrid.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

namespace lavix::data {
class EntryGrid;
}
namespace lavix::qtui {
class QtPrompts;
}

class QLabel;
class QPushButton;
class QTableView;

namespace lavix::qt {

// The grid's cells for Qt's model/view classes: it reads the core model cell by cell (nothing
// is copied, so "modify" opens the full matrix at once) and writes typed cells back into it.
class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridTableModel(data::EntryGrid& grid, QObject* parent = nullptr) : QAbstractTableModel(parent), grid_(grid) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After the core model changed many cells at once (a pasted block).
  void cellsChanged();

 private:
  data::EntryGrid& grid_;
};

// The texts of the mode over the grid `sgrid`, and the buttons SAVE and CANCEL. Cells are
// typed into the text box the view lays over the current cell; Enter moves on in the entry
// order, the arrow keys, Tab, Home and End move as the core model says, Ctrl+V pastes a block
// copied from a spreadsheet. The view closes once the model has closed.
class GridView : public QDialog {
  Q_OBJECT
 public:
  explicit GridView(data::EntryGrid& model, QWidget* parent = nullptr);

  QTableView* table() const { return table_; }
  QLabel* infoLabel() const { return info_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* cancelButton() const { return cancel_; }
  // The view's current cell follows the model's cursor.
  void refresh();

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Escape does not throw away what was typed: only CANCEL (or the close box) does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void afterEvent();
  void pressEnter();

  data::EntryGrid& model_;
  GridTableModel* cells_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* info_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// Lets runModal show `blank` with this view.
void registerGridView(qtui::QtPrompts& prompts);

}  // namespace lavix::qt
