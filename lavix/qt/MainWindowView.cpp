// The main window view: builds itself from the model and mirrors it after every event.
#include "lavix/qt/MainWindowView.h"

#include <QPainter>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <exception>

#include "lavix/app/MainWindow.h"
#include "lavix/qt/PictureWidget.h"
#include "lavix/qt/WindowGeometry.h"
#include "qtui/QtPrompts.h"
#include "qtui/RecordingPlayer.h"

namespace lavix::qt {

namespace {
QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

MainWindowView::MainWindowView(app::MainWindow& model, QWidget* parent) : QMainWindow(parent), model_(model) {
  setObjectName(QStringLiteral("lavix"));

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  buttonRow_ = new QWidget;
  buttonRow_->setObjectName(QStringLiteral("buttonRow"));
  buttonLayout_ = new QHBoxLayout(buttonRow_);
  buttonLayout_->setContentsMargins(4, 2, 4, 2);
  buttonLayout_->addStretch();
  picture_ = new PictureWidget;
  // The page is shown whole, one page unit as long on both axes, and follows resizes.
  picture_->setPainter([this](QPainter& painter, const QRect& area) {
    const graphics::Recording& recording = model_.picture();
    if (recording.empty()) return;
    qtui::playRecording(painter, recording, area, qtui::Mapping::Isotropic);
    if (!model_.highlight().empty()) qtui::playRecording(painter, model_.highlight(), area, qtui::Mapping::Isotropic);
  });
  // A click goes to the model in page units, through the inverse of the picture's mapping.
  connect(picture_, &PictureWidget::pressed, this, [this](QPoint position, Qt::MouseButton button) {
    const graphics::Recording& recording = model_.picture();
    if (button != Qt::LeftButton || recording.empty()) return;
    const QPointF page = qtui::PageMapping(recording, picture_->rect(), qtui::Mapping::Isotropic).toPage(position);
    runCommand("lxpic", QString("%1 %2").arg(qRound(page.x())).arg(qRound(page.y())).toStdString());
  });
  // Walking through the identified samples from the keyboard.
  for (const auto& [keys, command] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Right), "Nextone"},
                                      std::pair{QKeySequence(Qt::CTRL | Qt::Key_Left), "prev"}}) {
    auto* shortcut = new QShortcut(keys, this);
    const std::string name = command;
    connect(shortcut, &QShortcut::activated, this, [this, name] {
      if (model_.isVisible(name)) runCommand(name);
    });
  }
  layout->addWidget(buttonRow_);
  layout->addWidget(picture_, 1);
  setCentralWidget(central);

  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("labStatus"));
  status_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(status_, 1);

  buildMenus();
  setAcceptDrops(true);
  resize(1024, 700);
  model_.setChangeListener([this] { refresh(); });
  refresh();
}

MainWindowView::~MainWindowView() { model_.setChangeListener({}); }

void MainWindowView::connectPrompts(qtui::QtPrompts& prompts) {
  prompts.setParent(this);
  QPointer<MainWindowView> self(this);
  prompts.setTitleHandler([self](const std::string& title) {
    if (self) self->setWindowTitle(qs(title));
  });
  prompts.setStatusHandler([self](const std::string& text) {
    if (self) self->status_->setText(qs(text));
  });
}

void MainWindowView::applyScreenSize(const QScreen* screen, float windowScale) {
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const WindowSize size = mainWindowSize(available.width(), available.height(), windowScale);
  resize(size.width, size.height);
}

QAction* MainWindowView::addCommandAction(const std::string& command, QWidget* owner) {
  auto* action = new QAction(qs(model_.caption(command)), this);
  action->setObjectName(qs(command));
  const QString tip = qs(model_.commands().tip(command));
  action->setToolTip(tip);
  action->setStatusTip(tip);
  if (const std::string keys = model_.commands().shortcut(command); !keys.empty())
    action->setShortcut(QKeySequence(qs(keys)));
  connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
  owner->addAction(action);
  actions_.emplace_back(command, action);
  return action;
}

void MainWindowView::buildMenus() {
  for (const app::Menu& menu : model_.menus()) {
    // A header without entries that names a command is itself clickable, as in the menu bar.
    if (menu.entries.empty()) {
      if (model_.commands().find(menu.name)) addCommandAction(menu.name, menuBar());
      continue;
    }
    QMenu* qmenu = menuBar()->addMenu(qs(menu.caption));
    qmenu->setObjectName(qs(menu.name));
    qmenu->setToolTipsVisible(true);
    for (const app::MenuEntry& entry : menu.entries) {
      if (entry.command.empty())
        qmenu->addSeparator();
      else
        addCommandAction(entry.command, qmenu);
    }
  }
}

void MainWindowView::rebuildButtons(const std::vector<std::string>& commands) {
  for (auto& [name, button] : buttons_) delete button;
  buttons_.clear();
  int at = 0;
  for (const std::string& command : commands) {
    auto* button = new QPushButton(qs(model_.caption(command)));
    button->setObjectName(qs(command));
    button->setToolTip(qs(model_.commands().tip(command)));
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
    buttonLayout_->insertWidget(at++, button);
    buttons_.emplace_back(command, button);
  }
  buttonCommands_ = commands;
}

void MainWindowView::refresh() {
  for (auto& [command, action] : actions_) {
    action->setText(qs(model_.caption(command)));
    action->setEnabled(model_.isEnabled(command));
    action->setVisible(model_.isVisible(command));
    // Only checked items show a mark, as in the system's menus.
    const bool checked = model_.isChecked(command);
    action->setCheckable(checked);
    action->setChecked(checked);
  }
  for (auto& menuAction : menuBar()->actions()) {
    QMenu* menu = menuAction->menu();
    if (!menu) continue;
    const std::string name = menu->objectName().toStdString();
    if (model_.commands().find(name)) {
      menuAction->setEnabled(model_.isEnabled(name));
      menuAction->setVisible(model_.isVisible(name));
    }
  }

  const std::vector<std::string> commands = model_.buttonCommands();
  if (commands != buttonCommands_) rebuildButtons(commands);
  for (auto& [command, button] : buttons_) {
    button->setText(qs(model_.caption(command)));
    button->setEnabled(model_.isEnabled(command));
    button->setVisible(model_.isVisible(command));
  }
  buttonRow_->setVisible(model_.buttonRowVisible() && !buttons_.empty());

  setWindowTitle(qs(model_.title()));
  status_->setText(qs(model_.statusText()));
  picture_->update();

  if (model_.exitRequested() && !closing_) {
    closing_ = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

void MainWindowView::runCommand(const std::string& command, const std::string& item) {
  try {
    model_.click(command, item);
  } catch (const std::exception& failure) {
    // The cores report their failures themselves; what escapes is a fault, shown and survived.
    QMessageBox::critical(this, QStringLiteral("Lavix"), QString::fromStdString(failure.what()));
  }
  refresh();
}

QAction* MainWindowView::action(const std::string& command) const {
  for (const auto& [name, action] : actions_)
    if (name == command) return action;
  return nullptr;
}

QPushButton* MainWindowView::button(const std::string& command) const {
  for (const auto& [name, button] : buttons_)
    if (name == command) return button;
  return nullptr;
}

namespace {
// The first local file of a drag, or empty.
QString droppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}
}  // namespace

void MainWindowView::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindowView::dropEvent(QDropEvent* event) {
  const QString path = droppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  try {
    model_.openDropped(path.toStdString());
  } catch (const std::exception& failure) {
    QMessageBox::critical(this, QStringLiteral("Lavix"), QString::fromStdString(failure.what()));
  }
  refresh();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  // Closing by the title bar is the Exit command; the model may still keep the window open.
  if (!model_.exitRequested() && model_.commands().find("mExit")) {
    closing_ = true;
    runCommand("mExit");
    if (!model_.exitRequested()) {
      closing_ = false;
      event->ignore();
      return;
    }
  }
  closing_ = true;
  event->accept();
}

QImage renderOffscreen(MainWindowView& view, QSize size) {
  // Offscreen there is no window manager to draw the caption, so draw it: the title is
  // part of what the window shows (file name and size of the data set).
  const int captionHeight = 28;
  const bool wasVisible = view.isVisible();
  if (!wasVisible) view.setAttribute(Qt::WA_DontShowOnScreen, true);
  view.resize(size.width(), size.height() - captionHeight);
  view.show();
  const QImage window = view.grab().toImage();
  if (!wasVisible) view.hide();
  QImage image(window.width(), window.height() + captionHeight * static_cast<int>(window.devicePixelRatio()),
               QImage::Format_ARGB32);
  image.setDevicePixelRatio(window.devicePixelRatio());
  image.fill(QColor(0x3c, 0x3f, 0x41));
  QPainter painter(&image);
  painter.drawImage(QPoint(0, captionHeight), window);
  painter.setPen(Qt::white);
  QFont font = view.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRect(10, 0, size.width() - 20, captionHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   view.windowTitle());
  return image;
}

}  // namespace lavix::qt
