#include "app/presentation.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "app/liveupdates.h"
#include "app/scaledstyle.h"
#include "app/statusservice.h"
#include "app/windowzoom.h"

namespace {

// The focus readouts, which presenting shows in large type.
bool isReadout(const QWidget* widget) {
  return widget->objectName() == QLatin1String("focusReadout") ||
         widget->objectName() == QLatin1String("dofReadout");
}

QAction* addViewAction(QMenu* menu, const QString& text, const char* name,
                       const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  return action;
}

QString zoomText(double zoom) {
  return QStringLiteral("%L1×").arg(zoom, 0, 'g', 2);
}

}  // namespace

Presentation::Presentation(const Parts& parts, QObject* parent)
    : QObject(parent),
      window_(parts.window),
      zoom_(new WindowZoom(parts.window, parts.views)),
      live_(new LiveUpdates(parts.canvas, parts.window)) {
  status_ = parts.status;
  setObjectName(QStringLiteral("presentation"));
  QMenu* menu = parts.viewMenu;
  StatusService* status = parts.status;
  menu->addSeparator();
  QAction* zoomIn = addViewAction(
      menu, tr("Zoom &In"), "actionZoomIn",
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
  QAction* zoomOut = addViewAction(menu, tr("Zoom &Out"), "actionZoomOut",
                                   {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  QAction* actualSize = addViewAction(menu, tr("&Actual Size"), "actionActualSize",
                                      {QKeySequence(Qt::CTRL | Qt::Key_0)});
  presentAction_ =
      addViewAction(menu, tr("&Presentation"), "actionPresentation", {QKeySequence(Qt::Key_F5)});
  presentAction_->setCheckable(true);
  // F5 works while presenting hides the menu bar.
  parts.window->addAction(presentAction_);
  presentAction_->setToolTip(
      tr("Full screen, the views as large as the screen allows; F5 or Escape leaves"));
  // Escape leaves only while presenting; otherwise it stays the canvas's.
  leaveAction_ = new QAction(tr("Leave Presentation"), parts.window);
  leaveAction_->setObjectName(QStringLiteral("actionLeavePresentation"));
  leaveAction_->setShortcut(QKeySequence(Qt::Key_Escape));
  leaveAction_->setEnabled(false);
  parts.window->addAction(leaveAction_);
  connect(presentAction_, &QAction::toggled, this, &Presentation::setPresenting);
  connect(leaveAction_, &QAction::triggered, presentAction_,
          [this] { presentAction_->setChecked(false); });
  menu->addSeparator();
  QAction* liveAction = addViewAction(menu, tr("&Live Updates"), "actionLiveUpdates",
                                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)});
  liveAction->setCheckable(true);
  liveAction->setToolTip(tr("Render while a shape is dragged, and as soon as a new one is drawn"));

  WindowZoom* zoom = zoom_;
  const auto updateZoomActions = [zoom, zoomIn, zoomOut, actualSize] {
    const int last = static_cast<int>(WindowZoom::kSteps.size()) - 1;
    zoomIn->setEnabled(zoom->step() < last);
    zoomOut->setEnabled(zoom->step() > 0);
    actualSize->setEnabled(zoom->step() > 0);
  };
  updateZoomActions();
  connect(zoomIn, &QAction::triggered, zoom, [zoom, status] {
    const int wanted = zoom->step() + 1;
    if (zoom->setStep(wanted) < wanted) {
      status->post(tr("%1 is the largest zoom that fits this screen").arg(zoomText(zoom->zoom())),
                   StatusService::Kind::Confirmation);
    }
  });
  connect(zoomOut, &QAction::triggered, zoom, &WindowZoom::zoomOut);
  connect(actualSize, &QAction::triggered, zoom, &WindowZoom::actualSize);
  connect(zoom, &WindowZoom::zoomChanged, this, [updateZoomActions, status](double z) {
    updateZoomActions();
    status->post(tr("Zoom %1").arg(zoomText(z)), StatusService::Kind::Confirmation);
  });
  connect(liveAction, &QAction::toggled, live_, &LiveUpdates::setOn);
  zoom_->setArranger([this](double z) { arrangeStage(z); });
}

QRect Presentation::presentationScreen() const {
  if (screen_) return *screen_;
  const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

void Presentation::setPresenting(bool on) {
  if (on == isPresenting()) return;
  auto* main = qobject_cast<QMainWindow*>(window_);
  if (on) {
    Saved saved;
    saved.geometry = window_->geometry();
    saved.states = window_->windowState();
    saved.step = zoom_->step();
    saved.screenArea = zoom_->screenAreaSet();
    if (main) {
      saved.menuBar = main->menuBar()->isVisibleTo(main);
      saved.statusBar = main->statusBar()->isVisibleTo(main);
      for (QDockWidget* dock : main->findChildren<QDockWidget*>()) {
        if (dock->isVisibleTo(main)) saved.docks.emplace_back(dock);
      }
      main->menuBar()->hide();
      main->statusBar()->hide();
    }
    for (const auto& dock : saved.docks) dock->hide();
    saved_ = saved;
    const QRect screen = presentationScreen();
    zoom_->setScreenArea(screen);
    window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
    int reached = 0;
    if (buildStage()) {
      // The largest view zoom at which some compact arrangement of the
      // controls fits: the controls a few steps smaller, in as few columns
      // as the screen allows.
      const int last = static_cast<int>(WindowZoom::kSteps.size()) - 1;
      bool found = false;
      for (int step = last; step >= 0 && !found; --step) {
        for (int compact = std::max(0, step - 2); compact >= 0 && !found; --compact) {
          for (double large : {2.0, 1.5, 1.25, 1.0}) {
            const double z = WindowZoom::kSteps[static_cast<std::size_t>(step)];
            if (found || large > z) continue;
            compactStep_ = compact;
            readoutScale_ = large;
            found = zoom_->fitsAt(step);
            reached = step;
          }
        }
      }
      if (!found) compactStep_ = 0, readoutScale_ = 1.0;
      reached = zoom_->setStep(reached);
    } else {
      reached = zoom_->setStep(static_cast<int>(WindowZoom::kSteps.size()) - 1);
    }
    // Full screen covers the whole screen whatever size the zoom asks for.
    window_->setGeometry(screen);
    if (status_) {
      status_->post(tr("Presentation at %1").arg(zoomText(WindowZoom::kSteps[reached])),
                    StatusService::Kind::Confirmation);
    }
  } else {
    const Saved saved = *saved_;
    saved_.reset();
    dismantleStage();
    window_->setWindowState(saved.states);
    if (main) {
      main->menuBar()->setVisible(saved.menuBar);
      main->statusBar()->setVisible(saved.statusBar);
    }
    for (const auto& dock : saved.docks) {
      if (dock) dock->show();
    }
    zoom_->setScreenArea(saved.screenArea);
    zoom_->setStep(saved.step);
    window_->setGeometry(saved.geometry);
  }
  leaveAction_->setEnabled(on);
  presentAction_->setChecked(on);
}

bool Presentation::buildStage() {
  controlColumn_ = window_->findChild<QBoxLayout*>(QStringLiteral("controlColumn"));
  sceneColumn_ = window_->findChild<QBoxLayout*>(QStringLiteral("sceneColumn"));
  resultColumn_ = window_->findChild<QBoxLayout*>(QStringLiteral("resultColumn"));
  mainLayout_ = window_->findChild<QBoxLayout*>(QStringLiteral("mainLayout"));
  auto* scene = window_->findChild<QWidget*>(QStringLiteral("drawView"));
  if (!controlColumn_ || !sceneColumn_ || !resultColumn_ || !mainLayout_ || !scene) return false;
  const int below = sceneColumn_->indexOf(scene) + 1;
  if (below <= 0) return false;

  while (controlColumn_->count() > 0) {
    const int stretch = controlColumn_->stretch(0);
    taken_.push_back({controlColumn_->takeAt(0), stretch});
  }
  stage_ = new QVBoxLayout;
  stage_->setObjectName(QStringLiteral("presentationStage"));
  columns_ = new QHBoxLayout;
  stage_->addLayout(columns_);
  readouts_ = new QHBoxLayout;
  stage_->addLayout(readouts_);
  for (const Taken& taken : taken_) {
    QWidget* widget = taken.item->widget();
    if (widget && isReadout(widget)) readouts_->addWidget(widget);
  }
  reading_ = new QLabel(scene->parentWidget());
  reading_->setObjectName(QStringLiteral("presentationReading"));
  reading_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  readouts_->addWidget(reading_, 1);
  sceneColumn_->insertLayout(below, stage_);
  reading_->show();
  if (status_) connect(status_, &StatusService::readingChanged, this, &Presentation::showReading);
  if (auto* main = qobject_cast<QMainWindow*>(window_)) {
    connect(main->statusBar(), &QStatusBar::messageChanged, this, &Presentation::showReading);
  }
  showReading();

  for (QGroupBox* group : scene->parentWidget()->findChildren<QGroupBox*>()) {
    if (auto* layout = qobject_cast<QBoxLayout*>(group->layout()))
      directions_.emplace_back(layout, layout->direction());
  }
  // The views' own gaps are the window's at 1x, so the views take the room.
  gap_ = 2;
  mainLayout_->setContentsMargins(0, 0, 0, 0);
  for (QBoxLayout* layout : {mainLayout_.data(), sceneColumn_.data(), resultColumn_.data(), stage_})
    layout->setSpacing(gap_);
  columns_->setSpacing(gap_);
  readouts_->setSpacing(4 * gap_);
  return true;
}

void Presentation::setOwnFont(QWidget* widget, const QFont& font) {
  const auto known = std::find_if(fonts_.begin(), fonts_.end(),
                                  [widget](const OwnFont& own) { return own.widget == widget; });
  if (known == fonts_.end()) {
    fonts_.push_back({widget, widget->testAttribute(Qt::WA_SetFont), widget->font()});
  }
  widget->setFont(font);
}

void Presentation::arrangeStage(double) {
  if (!stage_) return;
  const double compact = WindowZoom::kSteps[static_cast<std::size_t>(compactStep_)];
  const double large = std::max(compact, readoutScale_);
  const QFont small = zoom_->fontAt(compact);
  if (compact != 1.0 && !compactStyle_) compactStyle_ = new ScaledStyle(compact, this);
  if (compactStyle_) compactStyle_->setFactor(compact);
  QStyle* style = compact == 1.0 ? nullptr : compactStyle_;
  const auto makeCompact = [&](QWidget* widget) {
    setOwnFont(widget, small);
    widget->setStyle(style);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(style);
  };
  for (const Taken& taken : taken_) {
    if (QWidget* widget = taken.item->widget()) {
      if (isReadout(widget)) {
        setOwnFont(widget, zoom_->fontAt(large));
        // No room to keep a readout's width steady: it takes what its text needs.
        widget->setMinimumSize(0, 0);
      } else {
        makeCompact(widget);
      }
    }
    if (QLayout* layout = taken.item->layout()) {
      for (int i = 0; i < layout->count(); ++i) {
        if (QWidget* widget = layout->itemAt(i)->widget()) makeCompact(widget);
      }
    }
  }
  QWidget* area = reading_->parentWidget();
  for (QLabel* label : area->findChildren<QLabel*>()) {
    const QString name = label->objectName();
    if (name == QLatin1String("sceneLabel") || name == QLatin1String("raySpaceLabel") ||
        name == QLatin1String("photoLabel") || name == QLatin1String("raySpaceAxisLabel"))
      makeCompact(label);
  }
  setOwnFont(reading_, zoom_->fontAt(large));
  reading_->setMinimumHeight(reading_->fontMetrics().height());

  // The controls flow down columns as tall as the room beneath the scene.
  int above = 0;
  for (int i = 0; i < sceneColumn_->count(); ++i) {
    QLayoutItem* item = sceneColumn_->itemAt(i);
    if (item == stage_) break;
    if (QWidget* widget = item->widget(); widget && !widget->isHidden()) {
      above += std::max(widget->minimumHeight(), widget->sizeHint().height()) + gap_;
    } else if (QLayout* layout = item->layout()) {
      layout->invalidate();
      above += layout->minimumSize().height() + gap_;
    }
  }
  int readoutsHeight = 0;
  for (int i = 0; i < readouts_->count(); ++i) {
    if (QWidget* widget = readouts_->itemAt(i)->widget())
      readoutsHeight = std::max(readoutsHeight, widget->sizeHint().height());
  }
  const int room = presentationScreen().height() - above - readoutsHeight - gap_;
  // A group of controls too tall for the room lies on its side.
  for (const auto& [layout, direction] : directions_) {
    if (!layout) continue;
    layout->setDirection(direction);
    layout->invalidate();
    if (layout->parentWidget()->sizeHint().height() > room)
      layout->setDirection(QBoxLayout::LeftToRight);
    layout->invalidate();
  }
  distribute(room);
}

void Presentation::emptyColumns() {
  while (columns_ && columns_->count() > 0) {
    QLayoutItem* column = columns_->takeAt(0);
    if (QLayout* layout = column->layout()) {
      while (layout->count() > 0) {
        QLayoutItem* item = layout->takeAt(0);
        // Widgets and the form's own layouts go back to the form; the rest is ours.
        if (item->widget() || item->spacerItem()) delete item;
      }
    }
    delete column;
  }
}

void Presentation::distribute(int room) {
  emptyColumns();
  QVBoxLayout* column = nullptr;
  int used = 0;
  for (const Taken& taken : taken_) {
    QLayoutItem* item = taken.item;
    QWidget* widget = item->widget();
    if ((!widget && !item->layout()) || (widget && isReadout(widget))) continue;
    const bool hidden = widget && widget->isHidden();
    const int height = hidden   ? 0
                       : widget ? widget->sizeHint().height()
                                : item->layout()->sizeHint().height();
    if (!column || (used > 0 && used + height > room)) {
      if (column) column->addStretch();
      column = new QVBoxLayout;
      column->setSpacing(gap_);
      columns_->addLayout(column);
      used = 0;
    }
    if (widget) column->addWidget(widget, 0, item->alignment());
    if (QLayout* layout = item->layout()) column->addLayout(layout);
    if (!hidden) used += height + gap_;
  }
  if (column) column->addStretch();
  columns_->addStretch();
}

void Presentation::showReading() {
  if (!reading_) return;
  auto* main = qobject_cast<QMainWindow*>(window_);
  const QString message = main ? main->statusBar()->currentMessage() : QString();
  reading_->setText(!message.isEmpty() ? message
                    : status_          ? status_->readout()->text()
                                       : QString());
}

void Presentation::dismantleStage() {
  if (!stage_) return;
  if (status_) disconnect(status_, &StatusService::readingChanged, this, nullptr);
  if (auto* main = qobject_cast<QMainWindow*>(window_)) {
    disconnect(main->statusBar(), &QStatusBar::messageChanged, this, nullptr);
  }
  emptyColumns();
  if (sceneColumn_) sceneColumn_->removeItem(stage_);
  delete stage_;  // its columns, now empty, and the readouts' row
  stage_ = nullptr;
  columns_ = nullptr;
  readouts_ = nullptr;
  delete reading_;
  reading_ = nullptr;
  for (const Taken& taken : taken_) {
    QLayoutItem* item = taken.item;
    if (QWidget* widget = item->widget()) {
      controlColumn_->addWidget(widget, taken.stretch, item->alignment());
      delete item;
    } else if (QLayout* layout = item->layout()) {
      controlColumn_->addLayout(layout, taken.stretch);
    } else {
      controlColumn_->addItem(item);
    }
  }
  taken_.clear();
  for (const auto& [layout, direction] : directions_) {
    if (layout) layout->setDirection(direction);
  }
  directions_.clear();
  for (const OwnFont& own : fonts_) {
    if (own.widget) own.widget->setFont(own.set ? own.font : QFont());
  }
  fonts_.clear();
  mainLayout_->unsetContentsMargins();
  for (QBoxLayout* layout : {mainLayout_.data(), sceneColumn_.data(), resultColumn_.data()})
    layout->setSpacing(-1);
}
