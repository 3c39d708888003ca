// Zoom for projectors and live updates while dragging.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "app/liveupdates.h"
#include "app/mainwindow.h"
#include "app/windowzoom.h"
#include "canvas/drawview.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace {

QAction* addViewAction(QMenu* menu, const QString& text, const char* name,
                       const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  return action;
}

QString zoomText(double zoom) {
  return QStringLiteral("%1×").arg(zoom, 0, 'g', 2);
}

}  // namespace

void MainWindow::installPresentation() {
  auto* zoom = new WindowZoom(this, {drawView(), renderView(), photoView()});
  auto* live = new LiveUpdates(drawView(), this);

  QMenu* menu = viewMenu();
  menu->addSeparator();
  QAction* zoomIn = addViewAction(
      menu, tr("Zoom &In"), "actionZoomIn",
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
  QAction* zoomOut = addViewAction(menu, tr("Zoom &Out"), "actionZoomOut",
                                   {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  QAction* actualSize = addViewAction(menu, tr("&Actual Size"), "actionActualSize",
                                      {QKeySequence(Qt::CTRL | Qt::Key_0)});
  menu->addSeparator();
  QAction* liveAction = addViewAction(menu, tr("&Live Updates"), "actionLiveUpdates",
                                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)});
  liveAction->setCheckable(true);
  liveAction->setToolTip(tr("Render while a shape is dragged, and as soon as a new one is drawn"));

  const auto updateZoomActions = [zoom, zoomIn, zoomOut, actualSize] {
    const int last = static_cast<int>(WindowZoom::kSteps.size()) - 1;
    zoomIn->setEnabled(zoom->step() < last);
    zoomOut->setEnabled(zoom->step() > 0);
    actualSize->setEnabled(zoom->step() > 0);
  };
  updateZoomActions();
  connect(zoomIn, &QAction::triggered, zoom, [this, zoom] {
    const int wanted = zoom->step() + 1;
    if (zoom->setStep(wanted) < wanted) {
      statusBar()->showMessage(
          tr("%1 is the largest zoom that fits this screen").arg(zoomText(zoom->zoom())), 4000);
    }
  });
  connect(zoomOut, &QAction::triggered, zoom, &WindowZoom::zoomOut);
  connect(actualSize, &QAction::triggered, zoom, &WindowZoom::actualSize);
  connect(zoom, &WindowZoom::zoomChanged, this, [this, updateZoomActions](double z) {
    updateZoomActions();
    statusBar()->showMessage(tr("Zoom %1").arg(zoomText(z)), 2000);
  });
  connect(liveAction, &QAction::toggled, live, &LiveUpdates::setOn);
}
