// The teaching aids: overlays that link the views, readouts, focusing on a depth.
#include "app/axislabels.h"
#include "app/mainwindow.h"
#include "app/teachingaids.h"
#include "canvas/drawview.h"
#include "ui_MainWindow.h"

void MainWindow::installTeachingAids() {
  TeachingAids::Parts parts;
  parts.canvas = ui_->drawView;
  parts.raySpace = ui_->renderView;
  parts.photo = ui_->photoView;
  parts.focus = ui_->focusSlider;
  parts.dof = ui_->dofSlider;
  parts.focusOnSelectionButton = ui_->focusOnSelectionButton;
  parts.sweepButton = ui_->sweepButton;
  parts.focusDepthBox = ui_->focusDepthBox;
  parts.linkViewsBox = ui_->linkViewsBox;
  parts.viewMenu = viewMenu();
  parts.statusBar = statusBar();
  new TeachingAids(parts, this);
  addRaySpaceAxisLabels(ui_->resultColumn, ui_->renderView,
                        static_cast<int>(ui_->drawView->bounds().size.width));
}
