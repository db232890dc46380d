// The Qt view of the selection window `SubSelect`: mirrors data::SubSelect.
#include "lavix/qt/SubSelectView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "lavix/data/SubSelect.h"
#include "qtui/NameMarkup.h"
#include "qtui/QtPrompts.h"

namespace lavix::qt {

namespace {

namespace txt = data::subSelectText;

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Rebuilt only when the entries differ, so that a list keeps its scroll position while
// values are clicked into MATCH one after another. True when rebuilt.
bool mirrorList(QListWidget* widget, const std::vector<std::string>& entries) {
  bool same = widget->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < widget->count(); ++i)
    same = widget->item(i)->text() == qtui::markupToDisplayText(entries[static_cast<std::size_t>(i)]);
  if (same) return false;
  const int current = widget->currentRow();
  widget->clear();
  for (const auto& entry : entries) widget->addItem(qtui::markupToDisplayText(entry));
  if (current >= 0 && current < widget->count()) widget->setCurrentRow(current);
  return true;
}

void mirrorText(QLineEdit* box, const std::string& text) {
  if (box->text() != qs(text)) box->setText(qs(text));
}

QLabel* heading(const QString& text) {
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

SubSelectView::SubSelectView(data::SubSelect& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("SubSelect"));
  setWindowTitle(qs(model_.caption()));

  for (int n = 1; n <= 5; ++n) {
    auto* widget = new QListWidget;
    widget->setObjectName(QStringLiteral("List%1").arg(n));
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    lists_[n - 1] = widget;
  }
  connect(lists_[0], &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { run([this, row = lists_[0]->row(item)] { model_.clickVariable(row + 1); }); });
  connect(lists_[1], &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { run([this, row = lists_[1]->row(item)] { model_.clickValue(row + 1); }); });
  for (int n = 3; n <= 5; ++n) {
    QListWidget* widget = lists_[n - 1];
    connect(widget, &QListWidget::currentRowChanged, this, [this, n](int row) {
      if (row >= 0) run([this, n, row] { model_.selectEntry(n, row + 1); });
    });
    connect(widget, &QListWidget::itemDoubleClicked, this, [this, n, widget](QListWidgetItem* item) {
      run([this, n, row = widget->row(item)] { model_.removeEntry(n, row + 1); });
    });
  }

  auto button = [this](const char* name) {
    const ui::Command* command = model_.commands().find(name);
    auto* b = new QPushButton(command ? qs(command->caption) : QString::fromLatin1(name));
    b->setObjectName(QString::fromLatin1(name));
    // Enter in Min= or Max= must not press Done.
    b->setAutoDefault(false);
    const std::string control = name;
    connect(b, &QPushButton::clicked, this, [this, control] { run([this, control] { model_.click(control, ""); }); });
    return b;
  };

  min_ = new QLineEdit;
  min_->setObjectName(QStringLiteral("Text2"));
  connect(min_, &QLineEdit::textEdited, this, [this](const QString& t) { run([this, t] { model_.setMinText(t.toStdString()); }); });
  max_ = new QLineEdit;
  max_->setObjectName(QStringLiteral("Text3"));
  connect(max_, &QLineEdit::textEdited, this, [this](const QString& t) { run([this, t] { model_.setMaxText(t.toStdString()); }); });

  match_ = new QRadioButton(qs(model_.commands().find("optMatch")->caption));
  match_->setObjectName(QStringLiteral("optMatch"));
  connect(match_, &QRadioButton::clicked, this, [this] { run([this] { model_.chooseExclude(false); }); });
  exclude_ = new QRadioButton(qs(model_.commands().find("optExclude")->caption));
  exclude_->setObjectName(QStringLiteral("optExclude"));
  connect(exclude_, &QRadioButton::clicked, this, [this] { run([this] { model_.chooseExclude(true); }); });
  hint_ = new QLabel;
  hint_->setObjectName(QStringLiteral("hint"));
  hint_->setWordWrap(true);

  // The two option buttons of the switch become one check box: same state, one caption.
  active_ = new QCheckBox(QStringLiteral("active"));
  active_->setObjectName(QStringLiteral("active"));
  connect(active_, &QCheckBox::clicked, this, [this](bool on) { run([this, on] { model_.setActive(on); }); });

  // Variables and their values.
  auto* variables = new QVBoxLayout;
  variables->addWidget(heading(QStringLiteral("Variables")));
  variables->addWidget(lists_[0], 1);
  auto* values = new QVBoxLayout;
  values->addWidget(heading(QStringLiteral("Values")));
  values->addWidget(lists_[1], 1);

  // Numerical limits.
  auto* limitsBox = new QGroupBox(qs(txt::limitsHeading));
  auto* limits = new QVBoxLayout(limitsBox);
  auto* boxes = new QFormLayout;
  boxes->addRow(QStringLiteral("Min="), min_);
  boxes->addRow(QStringLiteral("Max="), max_);
  limits->addLayout(boxes);
  limits->addWidget(button("cmdAddLimits"));
  limits->addWidget(heading(QStringLiteral("LIMITS")));
  limits->addWidget(lists_[2], 1);
  auto* limitButtons = new QHBoxLayout;
  limitButtons->addWidget(button("cmdEditLimit"));
  limitButtons->addWidget(button("cmdDeleteLimit"));
  limits->addLayout(limitButtons);

  // MATCH and EXCLUDE.
  auto* valueBox = new QGroupBox;
  auto* valueLists = new QVBoxLayout(valueBox);
  auto* options = new QHBoxLayout;
  options->addWidget(match_);
  options->addWidget(exclude_);
  options->addStretch(1);
  valueLists->addLayout(options);
  valueLists->addWidget(hint_);
  valueLists->addWidget(heading(QStringLiteral("MATCH")));
  valueLists->addWidget(lists_[3], 1);
  valueLists->addWidget(heading(QStringLiteral("EXCLUDE")));
  valueLists->addWidget(lists_[4], 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(variables, 2);
  columns->addLayout(values, 2);
  columns->addWidget(limitsBox, 3);
  columns->addWidget(valueBox, 3);

  count_ = new QLabel;
  count_->setObjectName(QStringLiteral("labCount"));
  QFont bold = count_->font();
  bold.setBold(true);
  count_->setFont(bold);
  auto* removeHint = new QLabel(qs(txt::removeHint));
  removeHint->setObjectName(QStringLiteral("removeHint"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(active_);
  bottom->addSpacing(16);
  bottom->addWidget(removeHint);
  bottom->addStretch(1);
  bottom->addWidget(count_);
  bottom->addSpacing(16);
  bottom->addWidget(button("cmdClearAll"));
  bottom->addWidget(button("cmdDone"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(bottom);
  resize(860, 480);
  refresh();
}

QListWidget* SubSelectView::list(int number) const {
  return number >= 1 && number <= 5 ? lists_[number - 1] : nullptr;
}

QPushButton* SubSelectView::commandButton(const QString& name) const { return findChild<QPushButton*>(name); }

void SubSelectView::run(const std::function<void()>& event) {
  event();
  refresh();
  if (!model_.isOpen()) done(QDialog::Accepted);
}

void SubSelectView::reject() {
  if (model_.isOpen()) model_.close();
  QDialog::reject();
}

void SubSelectView::refresh() {
  // Mirroring moves current rows, which must not come back as events.
  for (QListWidget* widget : lists_) widget->blockSignals(true);
  mirrorList(lists_[0], model_.variables());
  mirrorList(lists_[1], model_.values());
  const std::vector<std::string>* entries[] = {&model_.limitsList(), &model_.matchList(), &model_.excludeList()};
  for (int n = 3; n <= 5; ++n) {
    QListWidget* widget = lists_[n - 1];
    // A removal forgets the model's chosen entry while the list keeps a current row: the
    // row shown is the one Edit Limit and Delete Limit must act on.
    if (mirrorList(widget, *entries[n - 3]) && widget->currentRow() >= 0)
      model_.selectEntry(n, widget->currentRow() + 1);
  }
  if (const auto variable = model_.currentVariable()) lists_[0]->setCurrentRow(*variable + 2);
  for (QListWidget* widget : lists_) widget->blockSignals(false);

  mirrorText(min_, model_.minText());
  mirrorText(max_, model_.maxText());
  match_->setChecked(!model_.excludeChosen());
  exclude_->setChecked(model_.excludeChosen());
  hint_->setText(QString::fromUtf8(model_.hint()));
  active_->setChecked(model_.active());
  count_->setText(qs(model_.selectedCountText()));
}

void registerSubSelectView(qtui::QtPrompts& prompts) {
  prompts.registerForm("SubSelect", [](ui::FormModel& form, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* window = dynamic_cast<data::SubSelect*>(&form);
    if (!window) return nullptr;
    return std::make_unique<SubSelectView>(*window, parent);
  });
}

}  // namespace lavix::qt
