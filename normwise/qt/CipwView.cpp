// Builds the cipw window: analysis on the left, the norm in the middle, conditions and properties right.
#include "normwise/qt/CipwView.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/format/NumberFormat.h"
#include "normwise/NormwiseTexts.h"

namespace lavix::normwise::qt {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

CipwView::CipwView(CipwForm& form, QWidget* parent) : QMainWindow(parent), form_(form) {
  setWindowTitle(qs(texts::programTitle));
  setObjectName(QStringLiteral("cipw"));

  auto addAction = [this](QMenu* menu, const std::string& control) {
    const ui::Command* command = form_.commands().find(control);
    QAction* action = menu->addAction(QString::fromStdString(command->caption));
    action->setObjectName(QString::fromStdString(control));
    connect(action, &QAction::triggered, this, [this, control] { run(control); });
    actions_[control] = action;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  addAction(file, "fileread");
  addAction(file, "Clear");
  sampleMenu_ = menuBar()->addMenu(tr("&Sample"));
  sampleMenu_->setObjectName(QStringLiteral("menuSample"));
  QMenu* printMenu = menuBar()->addMenu(tr("&Print"));
  addAction(printMenu, "menuPrint");
  QMenu* quit = menuBar()->addMenu(tr("&Quit"));
  addAction(quit, "Quitmenu");

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->addWidget(buildInputs());
  row->addWidget(buildOutputs());
  row->addWidget(buildControls());
  setCentralWidget(central);
  refresh();
}

QLineEdit* CipwView::addBox(const std::string& control, int index, bool readOnly) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromStdString(control) + (control == "inpt" || control == "outpt"
                                                            ? QStringLiteral("%1").arg(index) : QString()));
  edit->setReadOnly(readOnly);
  edit->setFixedWidth(64);
  edit->setAlignment(Qt::AlignRight);
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textEdited, this, [this, control, index](const QString& text) {
    form_.setText(control, index, text.toStdString());
  });
  boxes_[{control, index}] = edit;
  return edit;
}

QWidget* CipwView::buildInputs() {
  auto* group = new QGroupBox(tr("Analysis (wt %)"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(tr("Sample"), group), 0, 0);
  QLineEdit* sample = addBox("sample", 0, false);
  sample->setMinimumWidth(120);
  sample->setMaximumWidth(QWIDGETSIZE_MAX);
  sample->setAlignment(Qt::AlignLeft);
  grid->addWidget(sample, 0, 1, 1, 3);
  constexpr int perColumn = 13;
  for (int i = 0; i < kInputFields; ++i) {
    auto* label = new QLabel(qs(norm::kOxideNames[i]), group);
    label->setObjectName(QStringLiteral("oxide%1").arg(i));
    const int r = 1 + i % perColumn, c = 2 * (i / perColumn);
    grid->addWidget(label, r, c);
    grid->addWidget(addBox("inpt", i, i == kInputFields - 1), r, c + 1);
  }
  return group;
}

QWidget* CipwView::buildOutputs() {
  auto* group = new QGroupBox(tr("CIPW norm"), this);
  auto* grid = new QGridLayout(group);
  constexpr int perColumn = 17;
  for (int i = 0; i < kOutputFields; ++i) {
    auto* label = new QLabel(qs(norm::kMineralLabels[i + 1]), group);
    label->setObjectName(QStringLiteral("nmin%1").arg(i));
    const int r = i % perColumn, c = 2 * (i / perColumn);
    grid->addWidget(label, r, c);
    grid->addWidget(addBox("outpt", i, true), r, c + 1);
  }
  return group;
}

QWidget* CipwView::buildControls() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* options = new QGroupBox(tr("Norm and assemblage"), panel);
  auto* optionsLayout = new QVBoxLayout(options);
  option1_ = new QRadioButton(qs(texts::option1Caption), options);
  option2_ = new QRadioButton(qs(texts::option2Caption), options);
  option1_->setObjectName(QStringLiteral("Option1"));
  option2_->setObjectName(QStringLiteral("Option2"));
  connect(option1_, &QRadioButton::clicked, this, [this] { run("Option1"); });
  connect(option2_, &QRadioButton::clicked, this, [this] { run("Option2"); });
  auto* radios = new QHBoxLayout;
  radios->addWidget(option1_);
  radios->addWidget(option2_);
  optionsLayout->addLayout(radios);
  for (int c = 0; c < 4; ++c) {
    checks_[c] = new QCheckBox(qs(texts::checkCaptions[c]), options);
    const std::string name = "Check" + format::shortestText(c + 1);
    checks_[c]->setObjectName(QString::fromStdString(name));
    connect(checks_[c], &QCheckBox::clicked, this, [this, name] { run(name); });
    optionsLayout->addWidget(checks_[c]);
  }
  checkFe_ = new QCheckBox(qs(texts::checkFeCaption), options);
  checkFe_->setObjectName(QStringLiteral("CheckFe"));
  connect(checkFe_, &QCheckBox::clicked, this, [this] { run("CheckFe"); });
  optionsLayout->addWidget(checkFe_);
  column->addWidget(options);

  auto* melt = new QGroupBox(tr("Melt"), panel);
  auto* grid = new QGridLayout(melt);
  const std::pair<const char*, QString> conditionsAndProperties[] = {
      {"txtTempin", tr("T (C)")},          {"txtPress", tr("P (kbar)")},
      {"txtWater", tr("H2O (wt %)")},      {"txtMgratio", tr("Mg #")},
      {"txtTemp", tr("Basalt liq. T")},    {"txtDensity", tr("Liquid density")},
      {"txtVisc", tr("Log visc (poise)")}, {"txtCP", tr("Heat capacity")},
      {"txtDI", tr("DI")},                 {"txtRkDen", tr("Rock density")},
      {"txtEVisc", tr("Eff. log visc")}};
  int r = 0;
  for (const auto& [name, caption] : conditionsAndProperties) {
    const std::string control = name;
    const bool typed = control == "txtTempin" || control == "txtPress" || control == "txtWater";
    grid->addWidget(new QLabel(caption, melt), r, 0);
    grid->addWidget(addBox(control, 0, !typed), r, 1);
    ++r;
  }
  column->addWidget(melt);

  for (const char* name : {"calc", "cmdEVisc", "print", "Clear"}) {
    const std::string control = name;
    auto* push = new QPushButton(QString::fromStdString(form_.commands().find(control)->caption), panel);
    push->setObjectName(QString::fromStdString(control));
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, [this, control] { run(control); });
    buttons_[control] = push;
    column->addWidget(push);
  }
  column->addStretch(1);
  return panel;
}

void CipwView::run(const std::string& control, const std::string& item) {
  form_.click(control, item);
  refresh();
  if (!form_.isOpen()) close();
}

void CipwView::refresh() {
  for (auto& [key, edit] : boxes_) {
    const QString text = QString::fromStdString(form_.text(key.first, key.second).value_or(std::string()));
    if (edit->text() != text) edit->setText(text);
  }
  option1_->setChecked(form_.normType() == norm::NormType::Weight);
  option2_->setChecked(form_.normType() == norm::NormType::Mole);
  for (int c = 0; c < 4; ++c) checks_[c]->setChecked(form_.check(c + 1));
  checkFe_->setChecked(form_.checkFe());

  sampleMenu_->clear();
  const auto& names = form_.sampleNames();
  for (std::size_t s = 0; s < names.size(); ++s) {
    QAction* item = sampleMenu_->addAction(QString::fromStdString(names[s]));
    item->setObjectName(QStringLiteral("psam%1").arg(s + 1));
    const std::string position = "#" + format::shortestText(static_cast<int>(s + 1));
    connect(item, &QAction::triggered, this, [this, position] { run("psam", position); });
  }
  sampleMenu_->setEnabled(form_.sampleMenuEnabled());
}

bool CipwView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  const char* name = key == Qt::Key_Up ? "Up" : key == Qt::Key_Down ? "Down"
                     : (key == Qt::Key_Return || key == Qt::Key_Enter) ? "Enter" : nullptr;
  if (!name) return QMainWindow::eventFilter(watched, event);
  for (const auto& [where, edit] : boxes_) {
    if (edit != watched) continue;
    form_.navigate(where.first, where.second, name);
    if (QLineEdit* next = box(form_.focus().control, form_.focus().index)) next->setFocus();
    return true;  // Enter goes no further: no beep, no default button
  }
  return QMainWindow::eventFilter(watched, event);
}

QLineEdit* CipwView::box(const std::string& control, int index) const {
  const auto found = boxes_.find({control, index});
  return found == boxes_.end() ? nullptr : found->second;
}

QPushButton* CipwView::button(const std::string& control) const {
  const auto found = buttons_.find(control);
  return found == buttons_.end() ? nullptr : found->second;
}

QAction* CipwView::action(const std::string& control) const {
  const auto found = actions_.find(control);
  return found == actions_.end() ? nullptr : found->second;
}

}  // namespace lavix::normwise::qt
