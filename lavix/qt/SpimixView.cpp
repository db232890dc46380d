// The Qt view of the spider mixing window `spimix`.
#include "lavix/qt/SpimixView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "lavix/models/Messages.h"
#include "qtui/Dialogs.h"
#include "qtui/QtPrompts.h"

namespace lavix::qt {

namespace msg = models::messages;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SpimixView::SpimixView(app::SpiderMixForm& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("spimix"));
  setWindowTitle(qtui::windowTitleFor(msg::spimixTitle));
  setMinimumWidth(480);

  auto* layout = new QVBoxLayout(this);
  auto* instruct = new QLabel(qs(msg::spimixInstructions));
  instruct->setObjectName(QStringLiteral("instruct"));
  instruct->setWordWrap(true);
  layout->addWidget(instruct);

  auto* grid = new QGridLayout;
  const char* const headings[] = {"component", "coef.", "  name"};
  for (int column = 0; column < 3; ++column) grid->addWidget(new QLabel(QString::fromLatin1(headings[column])), 0, column);
  for (int slot = 0; slot < app::mixSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    pick_[i] = new QPushButton(QString::number(slot + 1));
    pick_[i]->setObjectName(QStringLiteral("pickco(%1)").arg(slot));
    pick_[i]->setAutoDefault(false);
    connect(pick_[i], &QPushButton::clicked, this, [this, slot] { run([this, slot] { model_.pickco(slot); }); });
    coefficient_[i] = new QLineEdit;
    coefficient_[i]->setObjectName(QStringLiteral("perco(%1)").arg(slot));
    connect(coefficient_[i], &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { model_.setCoefficient(slot, text.toStdString()); });
    name_[i] = new QLabel;
    name_[i]->setObjectName(QStringLiteral("coname(%1)").arg(slot));
    name_[i]->setTextFormat(Qt::PlainText);
    grid->addWidget(pick_[i], slot + 1, 0);
    grid->addWidget(coefficient_[i], slot + 1, 1);
    grid->addWidget(name_[i], slot + 1, 2);
  }
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid);

  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("rlabel"));
  layout->addWidget(status_);
  auto* buttons = new QHBoxLayout;
  done_ = new QPushButton(QStringLiteral("Calculate/Add"));
  done_->setObjectName(QStringLiteral("done"));
  done_->setAutoDefault(false);
  connect(done_, &QPushButton::clicked, this, [this] { run([this] { model_.done(); }); });
  quit_ = new QPushButton(QStringLiteral("Quit"));
  quit_->setObjectName(QStringLiteral("Quit"));
  quit_->setAutoDefault(false);
  connect(quit_, &QPushButton::clicked, this, [this] { run([this] { model_.quit(); }); });
  buttons->addWidget(done_);
  buttons->addStretch(1);
  buttons->addWidget(quit_);
  layout->addLayout(buttons);
  refresh();
}

void SpimixView::refresh() {
  for (int slot = 0; slot < app::mixSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    name_[i]->setText(qs(model_.componentName(slot)));
    const QString typed = qs(model_.coefficientText(slot));
    if (coefficient_[i]->text() != typed) coefficient_[i]->setText(typed);
  }
  status_->setText(qs(model_.status()));
}

void SpimixView::run(const std::function<void()>& event) {
  event();
  refresh();
  if (!model_.isOpen()) done(QDialog::Accepted);
}

void SpimixView::reject() {
  if (model_.isOpen()) model_.quit();
  QDialog::reject();
}

void registerSpimixView(qtui::QtPrompts& prompts) {
  prompts.registerForm("spimix", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* window = dynamic_cast<app::SpiderMixForm*>(&form);
    if (!window) return nullptr;
    return std::make_unique<SpimixView>(*window, parent);
  });
}

}  // namespace lavix::qt
