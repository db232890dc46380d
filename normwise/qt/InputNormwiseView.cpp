// One prompt and one entry per line; Enter and the arrows walk the entries, OK parses them.
#include "normwise/qt/InputNormwiseView.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lavix::normwise::qt {

InputNormwiseView::InputNormwiseView(InputNormwise& model, QWidget* parent) : QDialog(parent), model_(model) {
  setWindowTitle(QString::fromStdString(model.title()));
  auto* grid = new QGridLayout(this);
  const auto& prompts = model.prompts();
  for (std::size_t i = 0; i < prompts.size(); ++i) {
    const int row = static_cast<int>(i);
    grid->addWidget(new QLabel(QString::fromStdString(prompts[i]), this), row, 0);
    auto* edit = new QLineEdit(QString::fromStdString(model.entries()[i]), this);
    edit->setObjectName(QStringLiteral("entry%1").arg(row + 1));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this,
            [this, row](const QString& text) { model_.setEntry(row, text.toStdString()); });
    grid->addWidget(edit, row, 1);
    entries_.push_back(edit);
  }
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("okbut"));
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("canbut"));
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  const int last = static_cast<int>(prompts.size());
  grid->addWidget(ok, last, 0);
  grid->addWidget(cancel, last, 1);
  connect(ok, &QPushButton::clicked, this, [this] { finish(true); });
  connect(cancel, &QPushButton::clicked, this, [this] { finish(false); });
}

void InputNormwiseView::finish(bool ok) {
  if (ok) {
    model_.okbut();
    accept();
  } else {
    model_.canbut();
    reject();
  }
}

bool InputNormwiseView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  const char* name = key == Qt::Key_Up ? "Up" : key == Qt::Key_Down ? "Down"
                     : (key == Qt::Key_Return || key == Qt::Key_Enter) ? "Enter" : nullptr;
  if (!name) return QDialog::eventFilter(watched, event);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i] != watched) continue;
    model_.key("entry", static_cast<int>(i) + 1, name);
    entries_.at(model_.focusedEntry())->setFocus();
    return true;  // Enter is swallowed: no default button fires
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lavix::normwise::qt
