#include "app/highcontrast.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "views/overlaystyle.h"

HighContrast::HighContrast(const Parts& parts, QObject* parent) : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("highContrast"));
  action_ = new QAction(tr("&High Contrast"), parent);
  action_->setObjectName(QStringLiteral("actionHighContrast"));
  action_->setCheckable(true);
  action_->setToolTip(
      tr("Draw the overlays thicker, in dark colours edged in white, so they read on a projector"));
  if (parts_.viewMenu != nullptr) parts_.viewMenu->addAction(action_);
  connect(action_, &QAction::toggled, this, [this](bool on) {
    setHighContrastOverlays(on);
    for (QWidget* widget : parts_.repaint) widget->update();
  });
}

HighContrast::~HighContrast() {
  // The style is the process's; a later window starts plain.
  setHighContrastOverlays(false);
}
