// The Qt view of the spider model window `spimod`.
#include "lavix/qt/SpimodView.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lavix/models/Messages.h"
#include "lavix/app/SpiderModelForm.h"
#include "qtui/Dialogs.h"
#include "qtui/QtPrompts.h"

namespace lavix::qt {

namespace msg = models::messages;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Button and the label that shows what it chose, row by row.
const char* const chooserRows[][2] = {{"readpcs", "pcslab"},     {"mantmode", "mdi"},      {"meltmode", "mpi"},
                                      {"selsource", "sourcelab"}, {"selcontam", "contamlab"}};
// Text boxes with their captions: a label control, or the box's own caption.
const char* const boxRows[][2] = {{"melttxt", "fslab"},
                                  {"insituf", "insitu2"},
                                  {"liqdens", ""},
                                  {"soldens", ""},
                                  {"porosity", ""}};
const char* const commandButtons[] = {"calcs", "clnup", "quit"};

}  // namespace

SpimodView::SpimodView(app::SpiderModelForm& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("spimod"));
  setWindowTitle(qtui::windowTitleFor(msg::spimodTitle));
  setMinimumWidth(640);

  auto makeLabel = [this](const std::string& control, bool wrap) {
    auto* label = new QLabel;
    label->setObjectName(qs(control));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    labels_[control] = label;
    return label;
  };
  auto makeButton = [this](const std::string& control, const std::function<void()>& event) {
    auto* button = new QPushButton(qs(model_.caption(control)));
    button->setObjectName(qs(control));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, event] { run(event); });
    buttons_[control] = button;
    return button;
  };

  auto* layout = new QVBoxLayout(this);
  QLabel* title = makeLabel("modlab", false);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  layout->addWidget(makeLabel("eqnlab", true));

  auto* grid = new QGridLayout;
  int row = 0;
  const std::map<std::string, std::function<void()>> events = {
      {"readpcs", [this] { model_.readpcs(); }},     {"mantmode", [this] { model_.mantmode(); }},
      {"meltmode", [this] { model_.meltmode(); }},   {"selsource", [this] { model_.selsource(); }},
      {"selcontam", [this] { model_.selcontam(); }}, {"calcs", [this] { model_.calcs(); }},
      {"clnup", [this] { model_.clnup(); }},         {"quit", [this] { model_.quit(); }}};
  for (const auto& [button, label] : chooserRows) {
    grid->addWidget(makeButton(button, events.at(button)), row, 0);
    grid->addWidget(makeLabel(label, false), row++, 1);
  }
  for (const auto& [control, caption] : boxRows) {
    QLabel* captionLabel = *caption ? makeLabel(caption, false) : new QLabel(qs(model_.caption(control)));
    boxCaptions_[control] = captionLabel;
    auto* box = new QLineEdit;
    box->setObjectName(qs(control));
    const std::string name = control;
    connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
      model_.setText(name, text.toStdString());
      refresh();
    });
    boxes_[control] = box;
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(box, row++, 1);
  }
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  auto* frame = new QGroupBox;
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* frameLayout = new QHBoxLayout(frame);
  auto* group = new QButtonGroup(this);
  const char* const optionCaptions[] = {"Normal", "Inverse"};
  for (int i = 0; i < 2; ++i) {
    options_[i] = new QRadioButton(QString::fromLatin1(optionCaptions[i]));
    options_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    group->addButton(options_[i]);
    frameLayout->addWidget(options_[i]);
    connect(options_[i], &QRadioButton::clicked, this, [this, i] { run([this, i] { model_.setInverse(i == 1); }); });
  }
  frameLayout->addStretch(1);
  layout->addWidget(frame);

  auto* commands = new QHBoxLayout;
  for (const char* control : commandButtons) commands->addWidget(makeButton(control, events.at(control)));
  layout->addLayout(commands);
  refresh();
}

QPushButton* SpimodView::button(const std::string& control) const {
  const auto found = buttons_.find(control);
  return found == buttons_.end() ? nullptr : found->second;
}

QLabel* SpimodView::label(const std::string& control) const {
  const auto found = labels_.find(control);
  return found == labels_.end() ? nullptr : found->second;
}

QLineEdit* SpimodView::box(const std::string& control) const {
  const auto found = boxes_.find(control);
  return found == boxes_.end() ? nullptr : found->second;
}

QRadioButton* SpimodView::option(int index) const { return index == 0 || index == 1 ? options_[index] : nullptr; }

void SpimodView::refresh() {
  for (const auto& [control, label] : labels_) {
    label->setText(qs(model_.text(control)));
    label->setVisible(model_.isVisible(control));
  }
  for (const auto& [control, button] : buttons_) button->setVisible(model_.isVisible(control));
  for (const auto& [control, box] : boxes_) {
    const QString text = qs(model_.text(control));
    if (box->text() != text) box->setText(text);
    box->setVisible(model_.isVisible(control));
    boxCaptions_.at(control)->setVisible(model_.isVisible(control));
  }
  options_[model_.inverse() ? 1 : 0]->setChecked(true);
}

void SpimodView::run(const std::function<void()>& event) {
  event();
  refresh();
  if (!model_.isOpen()) done(QDialog::Accepted);
}

void SpimodView::reject() {
  if (model_.isOpen()) model_.quit();
  QDialog::reject();
}

void registerSpimodView(qtui::QtPrompts& prompts) {
  prompts.registerForm("spimod", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* window = dynamic_cast<app::SpiderModelForm*>(&form);
    if (!window) return nullptr;
    return std::make_unique<SpimodView>(*window, parent);
  });
}

}  // namespace lavix::qt
