#include "app/mainwindow.h"

#include <QUndoStack>
#include <cmath>

#include "canvas/drawview.h"
#include "toolkit/controls.h"
#include "ui_MainWindow.h"
#include "views/photoview.h"
#include "views/renderview.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(new Ui::MainWindow) {
  ui_->setupUi(this);
  initViews();
  connectOutlets();
  connectActions();
  for (toolkit::View* view :
       {static_cast<toolkit::View*>(ui_->drawView), static_cast<toolkit::View*>(ui_->renderView),
        static_cast<toolkit::View*>(ui_->photoView)}) {
    view->awakeFromNib();
  }
  updateReadouts();

  undoStack_ = new QUndoStack(this);
  installEditing();
  installDocuments();
  installTeachingAids();
  installPresentation();
  installStatusMessages();
}

MainWindow::~MainWindow() = default;

DrawView* MainWindow::drawView() const {
  return ui_->drawView;
}
RenderView* MainWindow::renderView() const {
  return ui_->renderView;
}
PhotoView* MainWindow::photoView() const {
  return ui_->photoView;
}

QMenu* MainWindow::fileMenu() const {
  return ui_->menuFile;
}
QMenu* MainWindow::editMenu() const {
  return ui_->menuEdit;
}
QMenu* MainWindow::viewMenu() const {
  return ui_->menuView;
}
QMenu* MainWindow::scenesMenu() const {
  return ui_->menuScenes;
}
QMenu* MainWindow::helpMenu() const {
  return ui_->menuHelp;
}

void MainWindow::initViews() {
  // The description fixes each view's size; that size is the view's frame.
  for (toolkit::View* view :
       {static_cast<toolkit::View*>(ui_->drawView), static_cast<toolkit::View*>(ui_->renderView),
        static_cast<toolkit::View*>(ui_->photoView)}) {
    const QSize size = view->minimumSize();
    view->initWithFrame(CGRectMake(0, 0, size.width(), size.height()));
  }
}

void MainWindow::connectOutlets() {
  DrawView::Outlets canvas;
  canvas.render = ui_->renderButton;
  canvas.autoRender = ui_->autoRenderButton;
  canvas.takePhoto = ui_->takePhotoButton;
  canvas.autoPhoto = ui_->autoPhotoButton;
  canvas.debug = ui_->debugField;
  canvas.renderView = ui_->renderView;
  canvas.photoView = ui_->photoView;
  canvas.focus = ui_->focusSlider;
  canvas.dof = ui_->dofSlider;
  ui_->drawView->setOutlets(canvas);

  RenderView::Outlets rays;
  rays.view = ui_->drawView;
  rays.photoView = ui_->photoView;
  rays.axesButton = ui_->axesButton;
  ui_->renderView->setOutlets(rays);

  ui_->photoView->setDrawView(ui_->drawView);
}

void MainWindow::connectActions() {
  DrawView* canvas = ui_->drawView;
  QButtonGroup* tools = ui_->toolGroup;
  connect(tools, &QButtonGroup::buttonClicked, canvas, [canvas, tools] { canvas->setTool(tools); });
  for (toolkit::Slider* slider : {ui_->focusSlider, ui_->dofSlider}) {
    connect(slider, &QSlider::valueChanged, canvas, [this, canvas, slider] {
      updateReadouts();
      canvas->changeOptics(slider);
    });
  }
  connect(ui_->renderButton, &QPushButton::clicked, canvas,
          [canvas, b = ui_->renderButton] { canvas->doRender(b); });
  connect(ui_->takePhotoButton, &QPushButton::clicked, canvas,
          [canvas, b = ui_->takePhotoButton] { canvas->takePhoto(b); });
  RenderView* rays = ui_->renderView;
  connect(ui_->axesButton, &QCheckBox::clicked, rays,
          [rays, b = ui_->axesButton] { rays->toggleAxes(b); });
}

void MainWindow::updateReadouts() {
  const float degrees = ui_->focusSlider->floatValue();
  const double theta = degrees * M_PI / 180.0;
  const double s = std::sin(theta), c = std::cos(theta);
  const double depth = 100.0 * s / (s + c);
  ui_->focusReadout->setText(QStringLiteral("%1°, sharp at %2% of the way up")
                                 .arg(degrees, 0, 'f', 1)
                                 .arg(depth, 0, 'f', 0));
  const int dof = ui_->dofSlider->intValue();
  ui_->dofReadout->setText(dof == 0   ? QStringLiteral("0 samples (pinhole)")
                           : dof == 1 ? QStringLiteral("1 sample each side")
                                      : QStringLiteral("%1 samples each side").arg(dof));
}
