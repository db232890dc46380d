// The Qt view of the data entry grid `blank`: a table view over data::EntryGrid.
#include "lavix/qt/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>
#include <string>

#include "lavix/data/EntryGrid.h"
#include "qtui/NameMarkup.h"
#include "qtui/QtPrompts.h"

namespace lavix::qt {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

bool isEnterKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The text box over the current cell (`txtcell`): Enter keeps what was typed and moves on
// in the entry order, as Enter on a cell that is not being edited does.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(std::function<void()> onEnter, QObject* parent) : QStyledItemDelegate(parent), onEnter_(std::move(onEnter)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->setObjectName(QStringLiteral("txtcell"));
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && isEnterKey(event)) {
      Q_EMIT commitData(editor);
      Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
      onEnter_();
      return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  std::function<void()> onEnter_;
};

}  // namespace

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.rowCount(); }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.columnCount(); }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return qs(grid_.cell(index.row() + 1, index.column() + 1));
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  grid_.setCell(index.row() + 1, index.column() + 1, value.toString().toStdString());
  Q_EMIT dataChanged(index, index);
  return true;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (grid_.isEditable(index.row() + 1, index.column() + 1)) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(qs(grid_.rowCaption(section + 1))) : QVariant();
  const std::string caption = grid_.columnCaption(section + 1);
  if (role == Qt::DisplayRole) return qtui::markupToDisplayText(caption);
  if (role == Qt::ToolTipRole) return qtui::markupToRichText(caption);
  return {};
}

void GridTableModel::cellsChanged() {
  if (rowCount() > 0 && columnCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

GridView::GridView(data::EntryGrid& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("blank"));
  setWindowTitle(QString::fromUtf8(data::gridWindowTitle(model.mode())));

  QString lines;
  for (const std::string& line : model.infoLines()) lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) + qs(line);
  info_ = new QLabel(lines);
  info_->setObjectName(QStringLiteral("lblInfo"));
  info_->setTextFormat(Qt::PlainText);
  info_->setWordWrap(true);

  cells_ = new GridTableModel(model, this);
  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("sgrid"));
  table_->setModel(cells_);
  table_->setItemDelegate(new CellDelegate([this] { pressEnter(); }, table_));
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // Rows of one fixed height let the view place row 32 767 without measuring the others.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  const QFontMetrics metrics = table_->horizontalHeader()->fontMetrics();
  for (int column = 0; column < model.columnCount(); ++column) {
    const QString caption = qtui::markupToDisplayText(model.columnCaption(column + 1));
    table_->setColumnWidth(column, std::max(80, metrics.horizontalAdvance(caption) + 24));
  }
  table_->installEventFilter(this);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) model_.pick(current.row() + 1, current.column() + 1);
          });

  save_ = new QPushButton(QStringLiteral("SAVE"));
  save_->setObjectName(QStringLiteral("SAVE"));
  save_->setAutoDefault(false);
  cancel_ = new QPushButton(QStringLiteral("CANCEL"));
  cancel_->setObjectName(QStringLiteral("CANCEL"));
  cancel_->setAutoDefault(false);
  connect(save_, &QPushButton::clicked, this, [this] {
    // A cell still being typed keeps its text: the editor commits when it loses the focus.
    table_->setFocus();
    model_.save();
    cells_->cellsChanged();
    afterEvent();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    model_.cancel();
    afterEvent();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(info_);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(model.mode() == data::GridMode::Form ? 900 : 960, model.rowCount() > 3 ? 640 : 420);
  refresh();
  table_->setFocus();
}

void GridView::refresh() {
  const QModelIndex cursor = cells_->index(model_.cursorRow() - 1, model_.cursorColumn() - 1);
  if (!cursor.isValid()) return;
  if (table_->currentIndex() != cursor) table_->setCurrentIndex(cursor);
  table_->scrollTo(cursor);
}

void GridView::pressEnter() {
  model_.pressEnter();
  refresh();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  // While a cell is being typed its keys go to the text box, not to the table.
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnterKey(event)) {
      pressEnter();
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      model_.typeText(QApplication::clipboard()->text().toStdString());
      cells_->cellsChanged();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void GridView::afterEvent() {
  refresh();
  if (!model_.isOpen()) done(model_.saved() ? QDialog::Accepted : QDialog::Rejected);
}

void GridView::reject() {
  // Escape and the title bar's close are CANCEL: the matrix stays as it was.
  if (model_.isOpen()) model_.cancel();
  QDialog::reject();
}

void registerGridView(qtui::QtPrompts& prompts) {
  prompts.registerForm("blank", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* grid = dynamic_cast<data::EntryGrid*>(&form);
    if (!grid) return nullptr;
    return std::make_unique<GridView>(*grid, parent);
  });
}

}  // namespace lavix::qt
