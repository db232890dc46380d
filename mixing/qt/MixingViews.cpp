// Builds the `Main` and `outpt` views and forwards their events to the core models.
#include "mixing/qt/MixingViews.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "mixing/MainWindow.h"
#include "qtui/QtPrompts.h"

namespace lavix::mixing::qt {

namespace {
QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

OutputView::OutputView(OutputWindow& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
  setObjectName(QStringLiteral("outpt"));
  setWindowTitle(QStringLiteral("Output"));
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("report"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontDatabase::hasFamily(font.family())) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  text_->setFont(font);
  layout->addWidget(text_);
  auto* row = new QHBoxLayout;
  for (const auto& command : model_.commands().all()) {
    auto* button = new QPushButton(qs(command.caption), this);
    button->setObjectName(qs(command.name));
    buttons_[command.name] = button;
    row->addWidget(button);
    const std::string name = command.name;
    connect(button, &QPushButton::clicked, this, [this, name] {
      model_.click(name, "");
      refresh();
    });
  }
  layout->addLayout(row);
  resize(760, 860);
  refresh();
}

QPushButton* OutputView::button(const std::string& control) const {
  const auto found = buttons_.find(control);
  return found == buttons_.end() ? nullptr : found->second;
}

void OutputView::closeEvent(QCloseEvent* event) {
  model_.quit();
  QWidget::closeEvent(event);
}

void OutputView::refresh() {
  const QString text = qs(model_.text).remove(QLatin1Char('\r'));
  if (text_->toPlainText() != text) text_->setPlainText(text);
  if (!model_.visible) hide();
}

MainView::MainView(MainWindow& model, QWidget* parent) : QMainWindow(parent), model_(model) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Mixing"));
  // Menus follow the three kinds of work: files, models and their reruns, views.
  const std::vector<std::pair<const char*, std::vector<const char*>>> menus{
      {"&File", {"readpc", "readrock", "readmin", "redimen", "quit"}},
      {"&Models", {"FC", "magmix", "both"}},
      {"&Rerun FC", {"newpt", "newdt", "newmins"}},
      {"&View", {"viewpc", "showop"}}};
  for (const auto& [title, controls] : menus) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
    for (const char* control : controls) {
      const ui::Command* command = model_.commands().find(control);
      if (!command) continue;
      QAction* action = menu->addAction(qs(command->caption));
      action->setObjectName(QString::fromUtf8(control));
      const std::string name = control;
      connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    }
  }
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* buttons = new QHBoxLayout;
  for (const char* control : {"FC", "magmix", "both", "viewpc", "showop"}) {
    auto* button = new QPushButton(qs(model_.commands().find(control)->caption), central);
    button->setObjectName(QString::fromUtf8(control));
    const std::string name = control;
    connect(button, &QPushButton::clicked, this, [this, name] { runCommand(name); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  auto* form = new QFormLayout;
  const std::map<std::string, const char*> captions{{"pcFile", "Partition coefficients:"}, {"weightFile", "Oxide weights:"},
                                                    {"rockFile", "Rocks:"},          {"mineralFile", "Minerals:"},
                                                    {"loaded", "Loaded:"},           {"status", "Model:"}};
  for (const auto& [field, value] : model_.mainFields()) {
    // The matrix's capacity is the program's affair: the window shows what was read.
    if (!captions.count(field)) continue;
    auto* label = new QLabel(central);
    label->setObjectName(qs(field));
    labels_[field] = label;
    form->addRow(QString::fromUtf8(captions.at(field)), label);
  }
  layout->addLayout(form);
  layout->addStretch();
  setCentralWidget(central);
  output_ = new OutputView(model_.output(), this);
  resize(640, 300);
  refresh();
}

MainView::~MainView() = default;

QLabel* MainView::label(const std::string& field) const {
  const auto found = labels_.find(field);
  return found == labels_.end() ? nullptr : found->second;
}

void MainView::connectPrompts(qtui::QtPrompts& prompts) {
  prompts.setParent(this);
  prompts.setStatusHandler([this](const std::string& text) { statusBar()->showMessage(qs(text)); });
}

void MainView::runCommand(const std::string& control) {
  model_.click(control, "");
  refresh();
}

void MainView::refresh() {
  for (const auto& [field, value] : model_.mainFields())
    if (const auto found = labels_.find(field); found != labels_.end()) found->second->setText(qs(value));
  output_->refresh();
  if (model_.output().visible && !output_->isVisible() && isVisible()) {
    output_->show();
    output_->raise();
  }
  if (!model_.isOpen()) close();
}

}  // namespace lavix::mixing::qt
