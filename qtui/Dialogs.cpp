// The generic dialogs, the message box and the file dialog set-up.
#include "qtui/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qtui/FileFilter.h"
#include "qtui/NameMarkup.h"

namespace lavix::qtui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// More prompts than this go into a scrolling area so the dialog fits on the screen.
constexpr std::size_t maxUnscrolledPrompts = 14;

// The letter that a caption's '&' marks ("&&" is a literal ampersand); null when none.
QChar mnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return {};
}

constexpr QChar markOn = u'*';
constexpr QChar markOff = u' ';

bool isMarked(const QString& text) { return !text.isEmpty() && text[0] == markOn; }

// An item without a mark slot gets one in front rather than losing its first letter.
QString withMark(const QString& text, bool marked) {
  const QChar mark = marked ? markOn : markOff;
  if (!text.isEmpty() && (text[0] == markOn || text[0] == markOff)) return mark + text.mid(1);
  return mark + text;
}

// An item as the list shows it: its mark, then the name without markup brackets.
QString shown(const QString& item) {
  if (!item.isEmpty() && (item[0] == markOn || item[0] == markOff))
    return item[0] + markupToDisplayText(item.mid(1).toStdString());
  return markupToDisplayText(item.toStdString());
}

void setMark(QListWidgetItem* item, bool marked) {
  const QString raw = withMark(item->data(Qt::UserRole).toString(), marked);
  item->setData(Qt::UserRole, raw);
  item->setText(shown(raw));
}

}  // namespace

QString windowTitleFor(const std::string& title) {
  return title.empty() ? QString::fromLatin1(programTitle) : qs(title);
}

// ---- inputfrm ----

NumbersDialog::NumbersDialog(const ui::NumbersRequest& request, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("inputfrm"));
  setWindowTitle(windowTitleFor(request.title));

  auto* fields = new QWidget;
  auto* grid = new QGridLayout(fields);
  for (std::size_t i = 0; i < request.prompts.size(); ++i) {
    const QString index = QString::number(i);
    auto* label = new QLabel(markupToDisplayText(request.prompts[i]));
    label->setObjectName(QStringLiteral("lab(%1)").arg(index));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    auto* box = new QLineEdit(i < request.presets.size() ? qs(request.presets[i]) : QString());
    box->setObjectName(QStringLiteral("inpt(%1)").arg(index));
    label->setBuddy(box);
    grid->addWidget(label, static_cast<int>(i), 0);
    grid->addWidget(box, static_cast<int>(i), 1);
    boxes_.push_back(box);
  }
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 1);

  auto* ok = new QPushButton(tr("OK"));
  ok->setObjectName(QStringLiteral("okbut"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"));
  cancel->setObjectName(QStringLiteral("canbut"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  if (request.prompts.size() > maxUnscrolledPrompts) {
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(fields);
    scroll->setMinimumHeight(400);
    layout->addWidget(scroll);
  } else {
    layout->addWidget(fields);
  }
  layout->addLayout(buttons);
  setMinimumWidth(420);
  if (!boxes_.empty()) {
    boxes_.front()->setFocus();
    boxes_.front()->selectAll();
  }
}

std::vector<std::string> NumbersDialog::texts() const {
  std::vector<std::string> result;
  result.reserve(boxes_.size());
  for (const QLineEdit* box : boxes_) result.push_back(box->text().toStdString());
  return result;
}

std::optional<std::vector<std::string>> NumbersDialog::answer() const {
  if (result() != QDialog::Accepted) return std::nullopt;
  return texts();
}

// ---- butt ----

ButtonMenuDialog::ButtonMenuDialog(const ui::ButtonsRequest& request, QWidget* parent)
    : QDialog(parent), keyLetters_(qs(request.keyLetters).toLower()) {
  setObjectName(QStringLiteral("butt"));
  setWindowTitle(windowTitleFor(request.title));

  auto* layout = new QVBoxLayout(this);
  if (!request.title.empty()) {
    auto* heading = new QLabel(qs(request.title));
    heading->setObjectName(QStringLiteral("buttTitle"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    layout->addWidget(heading);
  }
  for (std::size_t i = 0; i < request.choices.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    auto* button = new QPushButton(markupToDisplayText(request.choices[i]));
    button->setObjectName(QStringLiteral("choice(%1)").arg(number));
    connect(button, &QPushButton::clicked, this, [this, number] { choose(number); });
    layout->addWidget(button);
    buttons_.push_back(button);
  }
  setMinimumWidth(260);
  if (!buttons_.empty()) buttons_.front()->setFocus();
}

void ButtonMenuDialog::choose(int choice) {
  choice_ = choice;
  done(choice);
}

void ButtonMenuDialog::reject() { choose(static_cast<int>(buttons_.size())); }

int ButtonMenuDialog::choiceForKey(QChar key) const {
  const QChar wanted = key.toLower();
  const int count = static_cast<int>(buttons_.size());
  if (!keyLetters_.isEmpty()) {
    const qsizetype at = keyLetters_.indexOf(wanted);
    return at >= 0 && at < count ? static_cast<int>(at) + 1 : 0;
  }
  for (int i = 0; i < count; ++i)
    if (mnemonicOf(buttons_[static_cast<std::size_t>(i)]->text()) == wanted) return i + 1;
  return 0;
}

void ButtonMenuDialog::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (plain && event->text().size() == 1 && event->text()[0].isLetterOrNumber()) {
    if (const int number = choiceForKey(event->text()[0])) {
      choose(number);
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

// ---- menulst ----

ListPickerDialog::ListPickerDialog(const ui::ListRequest& request, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("menulst"));
  setWindowTitle(windowTitleFor(request.title));

  auto* heading = new QLabel(qs(request.title));
  heading->setObjectName(QStringLiteral("listTitle"));
  heading->setTextFormat(Qt::PlainText);
  heading->setWordWrap(true);

  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("lst"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumHeight(300);
  for (const std::string& item : request.items) {
    // The item as the caller gave it stays in the item's data; the list shows its name
    // without markup brackets.
    auto* entry = new QListWidgetItem(list_);
    entry->setData(Qt::UserRole, qs(item));
    entry->setText(shown(qs(item)));
  }
  // Toggling on the press (not on Qt's clicked signals, whose count for a double click varies)
  // makes a double click, whose second press arrives as a double-click event, one toggle.
  list_->viewport()->installEventFilter(this);
  list_->installEventFilter(this);

  auto makeButton = [this](const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
  };
  auto* all = makeButton(tr("All"), "cmdselall");
  all->setVisible(!request.singleChoice);
  auto* clear = makeButton(tr("Clear"), "cmdClear");
  auto* ok = makeButton(request.okCaptionDone ? tr("Done") : tr("OK"), "okbutt");
  auto* quit = makeButton(tr("Quit"), "quitbutt");
  connect(all, &QPushButton::clicked, this, [this] { markAll(true); });
  connect(clear, &QPushButton::clicked, this, [this] { markAll(false); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(quit, &QPushButton::clicked, this, &ListPickerDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(all);
  buttons->addWidget(clear);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(quit);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  setMinimumWidth(320);
  list_->setFocus();
}

bool ListPickerDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) toggle(list_->itemAt(mouse->position().toPoint()));
  } else if (watched == list_ && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    toggle(list_->currentItem());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ListPickerDialog::toggle(QListWidgetItem* item) {
  if (!item) return;
  setMark(item, !isMarked(item->data(Qt::UserRole).toString()));
  listChoice_ = list_->row(item) + 1;
}

void ListPickerDialog::markAll(bool marked) {
  for (int i = 0; i < list_->count(); ++i) setMark(list_->item(i), marked);
}

void ListPickerDialog::reject() {
  listChoice_ = 0;
  QDialog::reject();
}

ui::ListResult ListPickerDialog::listResult() const {
  ui::ListResult result;
  result.items.reserve(static_cast<std::size_t>(list_->count()));
  for (int i = 0; i < list_->count(); ++i) result.items.push_back(list_->item(i)->data(Qt::UserRole).toString().toStdString());
  result.listChoice = listChoice_;
  return result;
}

// ---- message box ----

namespace {

QMessageBox::StandardButton escapeButtonOf(ui::MessageButtons buttons) {
  switch (buttons) {
    case ui::MessageButtons::Ok: return QMessageBox::Ok;
    case ui::MessageButtons::OkCancel: return QMessageBox::Cancel;
    case ui::MessageButtons::YesNo: return QMessageBox::No;
    case ui::MessageButtons::YesNoCancel: return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButtons standardButtonsOf(ui::MessageButtons buttons) {
  switch (buttons) {
    case ui::MessageButtons::Ok: return QMessageBox::Ok;
    case ui::MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case ui::MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case ui::MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::None: return QMessageBox::NoIcon;
    case ui::MessageIcon::Information: return QMessageBox::Information;
    case ui::MessageIcon::Question: return QMessageBox::Question;
    case ui::MessageIcon::Warning: return QMessageBox::Warning;
    case ui::MessageIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

ui::MessageResult resultOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel: return ui::MessageResult::Cancel;
    case QMessageBox::Yes: return ui::MessageResult::Yes;
    case QMessageBox::No: return ui::MessageResult::No;
    default: return ui::MessageResult::Ok;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const ui::MessageRequest& request, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(iconOf(request.icon), windowTitleFor(request.title), qs(request.text),
                                           standardButtonsOf(request.buttons), parent);
  box->setTextFormat(Qt::PlainText);
  box->setEscapeButton(escapeButtonOf(request.buttons));
  if (request.buttons == ui::MessageButtons::YesNo || request.buttons == ui::MessageButtons::YesNoCancel)
    box->setDefaultButton(QMessageBox::Yes);
  else
    box->setDefaultButton(QMessageBox::Ok);
  return box;
}

ui::MessageResult messageResultOf(const QMessageBox& box, ui::MessageButtons buttons) {
  QAbstractButton* clicked = box.clickedButton();
  const QMessageBox::StandardButton button = clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
  if (button == QMessageBox::NoButton) return resultOf(escapeButtonOf(buttons));
  return resultOf(button);
}

// ---- file dialogs ----

std::unique_ptr<QFileDialog> buildFileDialog(const ui::FileRequest& request, bool save, QWidget* parent) {
  const QString folder = request.folder.empty() ? QDir::currentPath() : qs(request.folder);
  auto dialog = std::make_unique<QFileDialog>(parent, windowTitleFor(request.title), folder);
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(!save && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !(save && request.confirmOverwrite));
  const QStringList filters = toQtFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(selectedFilter(filters, request.filterIndex));
  }
  if (!request.defaultName.empty()) dialog->selectFile(qs(request.defaultName));
  return dialog;
}

}  // namespace lavix::qtui
