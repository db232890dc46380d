// The Qt view of the variable calculator `varform`: mirrors calc::VariableCalculator.
#include "lavix/qt/VarformView.h"

#include <algorithm>

#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "lavix/calc/VariableCalculator.h"
#include "qtui/Dialogs.h"
#include "qtui/NameMarkup.h"

namespace lavix::qt {

namespace {

constexpr int variablesPerRow = 8;
constexpr int operationsPerRow = 5;
constexpr int buttonWidth = 104;
constexpr int buttonHeight = 30;

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

VarformView::VarformView(calc::VariableCalculator& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("varform"));
  setWindowTitle(qtui::windowTitleFor(model.selectorTitle()));

  const int count = model.buttonCount();
  const int variables = model.columnButtons() + calc::VariableCalculator::workingCount;
  auto makeButton = [this](int position) {
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("varbut(%1)").arg(position));
    button->setFixedSize(buttonWidth, buttonHeight);
    // The caption is a label inside the button, so that markup can be drawn as sub- and
    // superscripts; clicks go through it to the button.
    auto* label = new QLabel(button);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* inner = new QHBoxLayout(button);
    inner->setContentsMargins(2, 0, 2, 0);
    inner->addWidget(label);
    connect(button, &QPushButton::clicked, this, [this, position] { clickButton(position); });
    buttons_.push_back(button);
    labels_.push_back(label);
    return button;
  };

  // The rows wrap at the screen's width: a small screen gets fewer buttons per row, never a
  // window wider than itself.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
  const int perRow = std::clamp((screenWidth - 80) / (buttonWidth + 3), 1, variablesPerRow);
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("varpanel"));
  auto* grid = new QGridLayout(panel);
  grid->setSpacing(3);
  for (int position = 1; position <= variables; ++position)
    grid->addWidget(makeButton(position), (position - 1) / perRow, (position - 1) % perRow);
  scroll_ = new QScrollArea;
  scroll_->setObjectName(QStringLiteral("varscroll"));
  scroll_->setWidget(panel);
  scroll_->setWidgetResizable(false);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  panel->adjustSize();
  // Room for up to eight rows; beyond that the panel scrolls.
  const int rows = std::min((variables + perRow - 1) / perRow, 8);
  scroll_->setMinimumHeight(std::max(rows, 1) * (buttonHeight + 3) + 12);
  scroll_->setMinimumWidth(std::min(variables, perRow) * (buttonWidth + 3) + 30);

  auto* operations = new QWidget;
  operations->setObjectName(QStringLiteral("varoperations"));
  auto* operationGrid = new QGridLayout(operations);
  operationGrid->setSpacing(3);
  operationGrid->setContentsMargins(0, 0, 0, 0);
  const int operationColumns = std::min(operationsPerRow, perRow);
  for (int position = variables + 1; position <= count; ++position) {
    const int i = position - variables - 1;
    operationGrid->addWidget(makeButton(position), i / operationColumns, i % operationColumns);
  }

  prompt_ = new QLabel;
  prompt_->setObjectName(QStringLiteral("inputlab"));
  prompt_->setTextFormat(Qt::PlainText);
  QFont bold = prompt_->font();
  bold.setBold(true);
  prompt_->setFont(bold);

  formula_ = new QLineEdit;
  formula_->setObjectName(QStringLiteral("Formula"));
  formula_->setPlaceholderText(QStringLiteral("Formula, e.g. (SIO2+AL2O3)/2 or LOG(ZR/Y); Enter evaluates"));
  connect(formula_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.setFormula(text.toStdString()); });
  connect(formula_, &QLineEdit::returnPressed, this, [this] {
    model_.setFormula(formula_->text().toStdString());
    model_.enterFormula();
    afterEvent();
  });

  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, [this] {
    model_.cancel();
    afterEvent();
  });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(formula_, 1);
  bottom->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll_, 1);
  layout->addWidget(operations);
  layout->addWidget(prompt_);
  layout->addLayout(bottom);
  for (auto* button : buttons_) button->setAutoDefault(false);

  refresh();
}

QPushButton* VarformView::button(int position) const {
  return position >= 1 && position <= static_cast<int>(buttons_.size()) ? buttons_[static_cast<std::size_t>(position - 1)]
                                                                          : nullptr;
}

QLabel* VarformView::buttonLabel(int position) const {
  return position >= 1 && position <= static_cast<int>(labels_.size()) ? labels_[static_cast<std::size_t>(position - 1)]
                                                                         : nullptr;
}

void VarformView::refresh() {
  const auto captions = model_.captions();
  for (std::size_t i = 0; i < captions.size() && i < labels_.size(); ++i) {
    labels_[i]->setText(qtui::markupToRichText(captions[i]));
    buttons_[i]->setToolTip(qtui::markupToRichText(captions[i]));
  }
  prompt_->setText(qs(model_.prompt()));
  if (formula_->text().toStdString() != model_.formula()) formula_->setText(qs(model_.formula()));
}

void VarformView::clickButton(int position) {
  model_.clickButton(position);
  afterEvent();
}

void VarformView::afterEvent() {
  refresh();
  if (!model_.isOpen()) done(model_.result().empty() ? QDialog::Accepted : QDialog::Rejected);
}

void VarformView::reject() {
  if (model_.isOpen()) model_.cancel();
  QDialog::reject();
}

}  // namespace lavix::qt
