// The Qt view of the symbol dialog `symform`: mirrors app::SymbolForm.
#include "lavix/qt/SymformView.h"

#include <algorithm>
#include <cstdlib>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/format/NumberFormat.h"
#include "lavix/app/SymbolForm.h"
#include "lavix/diagram/DrawSymbol.h"
#include "qtui/QtPrompts.h"
#include "qtui/RecordingPlayer.h"

namespace lavix::qt {

namespace {

constexpr int cellsPerRow = 8;
constexpr int boxesPerRow = 10;

QString qs(const std::string& text) { return QString::fromStdString(text); }

// The commands shown as buttons, grouped as the dialog's tasks go; ties and line-only are
// check boxes.
const char* const fileButtons[] = {"newsyms", "blacksyms", "Colorsyms", "defcol", "size", "symline"};
const char* const showButtons[] = {"selall", "delall", "cmdOdds", "cmdEvens", "onesym"};
const char* const colourButtons[] = {"Colsym", "fillsym", "pagecolor", "boxcolor", "whitepage",
                                     "tickcolor", "boxline", "linecol", "mixmodline", "Font"};
const char* const numberButtons[] = {"Option1", "Option2", "Option3", "Option4"};

}  // namespace

// Replays the preview recording and reports clicks in page units.
class SymbolPreview : public QWidget {
 public:
  SymbolPreview(const graphics::Recording& recording, std::function<void(QPointF)> onClick)
      : recording_(recording), onClick_(std::move(onClick)) {
    setObjectName(QStringLiteral("preview"));
    setMinimumSize(360, 200);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    qtui::playRecording(painter, recording_, QRectF(rect()), qtui::Mapping::Isotropic);
  }
  void mousePressEvent(QMouseEvent* event) override {
    const qtui::PageMapping mapping(recording_, QRectF(rect()), qtui::Mapping::Isotropic);
    onClick_(mapping.toPage(event->position()));
  }

 private:
  const graphics::Recording& recording_;
  std::function<void(QPointF)> onClick_;
};

SymformView::SymformView(app::SymbolForm& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("symform"));
  setWindowTitle(QStringLiteral("Symbols"));

  preview_ = new SymbolPreview(recording_, [this](QPointF page) { pickSymbolAt(page); });
  edited_ = new QLabel;
  edited_->setObjectName(QStringLiteral("editsym"));

  auto* boxPanel = new QWidget;
  boxGrid_ = new QGridLayout(boxPanel);
  boxGrid_->setSpacing(2);
  ties_ = new QCheckBox(QStringLiteral("Ties"));
  ties_->setObjectName(QStringLiteral("ties"));
  connect(ties_, &QCheckBox::clicked, this, [this] { run([this] { model_.ties(); }); });
  lineOnly_ = new QCheckBox(QStringLiteral("Line only"));
  lineOnly_->setObjectName(QStringLiteral("cmdLineonly"));
  connect(lineOnly_, &QCheckBox::clicked, this, [this] { run([this] { model_.cmdLineonly(); }); });

  auto group = [this](const QString& title, const auto& names) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const char* name : names) {
      const ui::Command* command = model_.commands().find(name);
      if (!command) continue;
      auto* button = new QPushButton(qs(command->caption));
      button->setObjectName(QString::fromLatin1(name));
      button->setAutoDefault(false);
      const std::string control = name;
      connect(button, &QPushButton::clicked, this, [this, control] { run([this, control] { model_.click(control, ""); }); });
      grid->addWidget(button, i / 2, i % 2);
      ++i;
    }
    return box;
  };

  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("OKbut"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { run([this] { model_.okbut(); }); });

  auto* left = new QVBoxLayout;
  left->addWidget(preview_, 1);
  left->addWidget(edited_);
  left->addWidget(boxPanel);
  auto* lines = new QHBoxLayout;
  lines->addWidget(ties_);
  lines->addWidget(lineOnly_);
  lines->addStretch(1);
  left->addLayout(lines);

  auto* right = new QVBoxLayout;
  right->addWidget(group(QStringLiteral("Symbol file"), fileButtons));
  right->addWidget(group(QStringLiteral("Show"), showButtons));
  right->addWidget(group(QStringLiteral("Colours and lines"), colourButtons));
  right->addWidget(group(QStringLiteral("Symbol numbers from"), numberButtons));
  right->addStretch(1);
  right->addWidget(ok);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);
  refresh();
}

QWidget* SymformView::preview() const { return preview_; }

QCheckBox* SymformView::symbolBox(int symbol) const {
  return symbol >= 0 && symbol < static_cast<int>(boxes_.size()) ? boxes_[static_cast<std::size_t>(symbol)] : nullptr;
}

QPushButton* SymformView::commandButton(const QString& name) const { return findChild<QPushButton*>(name); }

QRect SymformView::symbolCell(int symbol) const {
  return {(symbol % cellsPerRow) * cellSize_, (symbol / cellsPerRow) * cellSize_, cellSize_, cellSize_};
}

void SymformView::run(const std::function<void()>& event) {
  event();
  refresh();
  if (!model_.isOpen()) done(QDialog::Accepted);
}

void SymformView::reject() {
  if (model_.isOpen()) model_.close();
  QDialog::reject();
}

void SymformView::rebuildBoxes() {
  const int count = model_.highestSymbol() + 1;
  if (static_cast<int>(boxes_.size()) == count) return;
  for (QCheckBox* box : boxes_) delete box;
  boxes_.clear();
  for (int s = 0; s < count; ++s) {
    auto* box = new QCheckBox(qs(format::shortestText(s)));
    box->setObjectName(QStringLiteral("symbox(%1)").arg(s));
    connect(box, &QCheckBox::clicked, this, [this, s] { run([this, s] { model_.toggleSymbol(s); }); });
    boxGrid_->addWidget(box, s / boxesPerRow, s % boxesPerRow);
    boxes_.push_back(box);
  }
}

void SymformView::recordPreview() {
  const diagram::SymbolTable& table = model_.table();
  const int count = table.symbolCount + 1;
  // Cells wide enough for the largest symbol as the table now scales it.
  int extent = 40;
  for (int s = 0; s < count; ++s) {
    const auto slot = static_cast<std::size_t>(s);
    const int vertices = table.isCircle(s) ? 1 : std::min(table.symbolVertexCount[slot], diagram::maxSymbolVertices);
    for (int v = 0; v < vertices; ++v) {
      const auto& vertex = table.symbolVertex[slot][static_cast<std::size_t>(v)];
      extent = std::max({extent, std::abs(vertex.x), table.isCircle(s) ? 0 : std::abs(vertex.y)});
    }
  }
  cellSize_ = std::min(2 * extent + 80, 4000);
  const int rows = (count + cellsPerRow - 1) / cellsPerRow;
  const int width = cellsPerRow * cellSize_, height = std::max(rows, 1) * cellSize_;

  recording_.clear();
  recording_.setWindow({0, 0}, {width, height});
  const bool white = model_.whitePage() == 1;
  recording_.selectPen(table.frameColour, 0);
  recording_.selectBrush(white ? graphics::rgb(255, 255, 255) : table.pageColour);
  recording_.rectangle(0, 0, width, height);
  recording_.selectBrush(white ? graphics::rgb(255, 255, 255) : table.boxColour);
  recording_.rectangle(cellSize_ / 8, cellSize_ / 8, width - cellSize_ / 8, height - cellSize_ / 8);

  graphics::SelectFont font;
  font.height = -std::max(cellSize_ / 6, 20);
  recording_.selectFont(font);
  recording_.setTextColour(table.textColour);
  for (int s = 0; s < count; ++s) {
    const QRect cell = symbolCell(s);
    recording_.text(cell.left() + cellSize_ / 6, cell.top() + cellSize_ / 4, format::shortestText(s));
  }
  // Page y grows downwards here, so vertex y is turned over to point up as on a diagram.
  diagram::SymbolPainter painter(recording_, table, -1);
  for (int s = 0; s < count; ++s) {
    const QRect cell = symbolCell(s);
    painter.draw(s, cell.center().x(), cell.center().y() + cellSize_ / 12);
  }
  const QRect cell = symbolCell(model_.editedSymbol());
  recording_.selectPen(table.frameColour, std::max(cellSize_ / 40, 2));
  recording_.selectHollowBrush();
  recording_.rectangle(cell.left() + 4, cell.top() + 4, cell.right() - 4, cell.bottom() - 4);
}

void SymformView::pickSymbolAt(QPointF page) {
  if (page.x() < 0 || page.y() < 0) return;
  const int column = static_cast<int>(page.x()) / cellSize_;
  const int row = static_cast<int>(page.y()) / cellSize_;
  if (column >= cellsPerRow) return;
  run([this, s = row * cellsPerRow + column] { model_.setEditedSymbol(s); });
}

void SymformView::refresh() {
  rebuildBoxes();
  for (int s = 0; s < static_cast<int>(boxes_.size()); ++s) boxes_[static_cast<std::size_t>(s)]->setChecked(model_.isChecked(s));
  ties_->setChecked(model_.tiesBox());
  lineOnly_->setChecked(model_.lineOnlyBox());
  edited_->setText(QStringLiteral("Colours of symbol ") + qs(format::shortestText(model_.editedSymbol())));
  recordPreview();
  preview_->update();
}

void registerSymformView(qtui::QtPrompts& prompts) {
  prompts.registerForm("symform", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* symbols = dynamic_cast<app::SymbolForm*>(&form);
    if (!symbols) return nullptr;
    return std::make_unique<SymformView>(*symbols, parent);
  });
}

}  // namespace lavix::qt
