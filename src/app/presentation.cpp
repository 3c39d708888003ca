#include "app/presentation.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>

#include "app/liveupdates.h"
#include "app/statusservice.h"
#include "app/windowzoom.h"

namespace {

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
}

QRect Presentation::presentationScreen() const {
  if (screen_) return *screen_;
  const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

void Presentation::setPresenting(bool on) {
  if (on == isPresenting()) return;
  if (on) {
    saved_ =
        Saved{window_->geometry(), window_->windowState(), zoom_->step(), zoom_->screenAreaSet()};
    const QRect screen = presentationScreen();
    zoom_->setScreenArea(screen);
    window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
    zoom_->setStep(static_cast<int>(WindowZoom::kSteps.size()) - 1);
    // Full screen covers the whole screen whatever size the zoom asks for.
    window_->setGeometry(screen);
  } else {
    const Saved saved = *saved_;
    saved_.reset();
    window_->setWindowState(saved.states);
    zoom_->setScreenArea(saved.screenArea);
    zoom_->setStep(saved.step);
    window_->setGeometry(saved.geometry);
  }
  leaveAction_->setEnabled(on);
  presentAction_->setChecked(on);
}
