// The Qt view of the preferences window `pref`: mirrors app::PreferencesForm.
#include "lavix/qt/PrefView.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lavix/app/PreferencesForm.h"
#include "qtui/QtPrompts.h"

namespace lavix::qt {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

struct Frame {
  const char* name;
  const char* caption;
  const char* first;
  const char* second;
};
constexpr Frame frames[] = {{"ffilter", app::prefText::fileFilterFrame, "ffo1", "ffo2"},
                            {"yaxisf", app::prefText::yAxisFrame, "yax1", "yax2"},
                            {"ylabf", app::prefText::yLabelFrame, "Optionv", "Optionh"},
                            {"FrTopLabel", app::prefText::histRegFrame, "OptionHRon", "OptionHRoff"}};

// Each file button with the label that shows what it set.
struct FileRow {
  const char* button;
  const char* label;
  const char* tip;
};
constexpr FileRow fileRows[] = {{"datadir", "dirlab", "The default folder for data files"},
                                {"symdir", "symlab", "The symbol file loaded at start-up"},
                                {"setnrm", "nrmname", "The normalisation file loaded at start-up"},
                                {"cmdFont", "Labfont", "The font of the diagrams' labels"}};

}  // namespace

PrefView::PrefView(app::PreferencesForm& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("pref"));
  setWindowTitle(QString::fromUtf8(app::prefText::caption));
  const ui::CommandTable& commands = model_.commands();

  auto* options = new QGridLayout;
  int at = 0;
  for (const Frame& frame : frames) {
    auto* box = new QGroupBox(QString::fromUtf8(frame.caption));
    box->setObjectName(QString::fromUtf8(frame.name));
    auto* group = new QButtonGroup(box);
    auto* inner = new QVBoxLayout(box);
    for (const char* control : {frame.first, frame.second}) {
      auto* radio = new QRadioButton(qs(commands.find(control)->caption));
      radio->setObjectName(QString::fromUtf8(control));
      group->addButton(radio);
      inner->addWidget(radio);
      options_[control] = radio;
      const std::string name = control;
      connect(radio, &QRadioButton::clicked, this, [this, name] { run(name); });
    }
    options->addWidget(box, at / 2, at % 2);
    ++at;
  }

  auto* files = new QGridLayout;
  int row = 0;
  for (const FileRow& file : fileRows) {
    auto* button = new QPushButton(qs(commands.find(file.button)->caption));
    button->setObjectName(QString::fromUtf8(file.button));
    button->setAutoDefault(false);
    buttons_[file.button] = button;
    const std::string name = file.button;
    connect(button, &QPushButton::clicked, this, [this, name] { run(name); });
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(file.label));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setToolTip(QString::fromUtf8(file.tip));
    labels_[file.label] = label;
    files->addWidget(button, row, 0);
    files->addWidget(label, row, 1);
    ++row;
  }
  files->setColumnStretch(1, 1);

  winscale_ = new QLineEdit;
  winscale_->setObjectName(QStringLiteral("winscale"));
  winscale_->setMaximumWidth(80);
  connect(winscale_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.setWinscaleText(text.toStdString()); });
  connect(winscale_, &QLineEdit::returnPressed, this, [this] {
    model_.setWinscaleText(winscale_->text().toStdString());
    model_.winscaleEntered();
    refresh();
  });
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(new QLabel(QStringLiteral("WinScale")));
  scaleRow->addWidget(winscale_);
  scaleRow->addStretch();

  auto* bottom = new QHBoxLayout;
  for (const char* control : {"miscp", "saveini", "qebut"}) {
    auto* button = new QPushButton(qs(commands.find(control)->caption));
    button->setObjectName(QString::fromUtf8(control));
    button->setAutoDefault(false);
    buttons_[control] = button;
    const std::string name = control;
    connect(button, &QPushButton::clicked, this, [this, name] { run(name); });
    if (std::string(control) == "saveini") bottom->addStretch();
    bottom->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(options);
  layout->addLayout(files);
  layout->addLayout(scaleRow);
  layout->addLayout(bottom);
  setMinimumWidth(560);
  refresh();
}

QRadioButton* PrefView::option(const std::string& control) const {
  const auto found = options_.find(control);
  return found == options_.end() ? nullptr : found->second;
}

QPushButton* PrefView::button(const std::string& control) const {
  const auto found = buttons_.find(control);
  return found == buttons_.end() ? nullptr : found->second;
}

QLabel* PrefView::label(const std::string& name) const {
  const auto found = labels_.find(name);
  return found == labels_.end() ? nullptr : found->second;
}

void PrefView::refresh() {
  for (auto& [control, radio] : options_) radio->setChecked(model_.isChosen(control));
  if (winscale_->text().toStdString() != model_.winscaleText()) winscale_->setText(qs(model_.winscaleText()));
  labels_["dirlab"]->setText(qs(model_.dataFolderLabel()));
  labels_["symlab"]->setText(qs(model_.symbolFileLabel()));
  labels_["nrmname"]->setText(qs(model_.normalisationLabel()));
  labels_["Labfont"]->setText(qs(model_.fontLabel()));
}

void PrefView::run(const std::string& control) {
  model_.click(control, "");
  refresh();
  if (!model_.isOpen()) accept();
}

void PrefView::reject() {
  if (model_.isOpen()) model_.qebut();
  QDialog::reject();
}

void registerPrefView(qtui::QtPrompts& prompts) {
  prompts.registerForm("pref", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* preferences = dynamic_cast<app::PreferencesForm*>(&form);
    if (!preferences) return nullptr;
    return std::make_unique<PrefView>(*preferences, parent);
  });
}

}  // namespace lavix::qt
