#include "app/mainwindow.h"

#include <QSettings>
#include <QUndoStack>
#include <cmath>
#include <memory>
#include <utility>

#include "app/axislabels.h"
#include "app/camerapanel.h"
#include "app/depthslopes.h"
#include "app/editactions.h"
#include "app/focalstackdock.h"
#include "app/helpwindows.h"
#include "app/highcontrast.h"
#include "app/keyboardaccess.h"
#include "app/lightfielddocument.h"
#include "app/lightfieldpictures.h"
#include "app/pictureexport.h"
#include "app/presentation.h"
#include "app/scenedocument.h"
#include "app/spectrumdock.h"
#include "app/statusmessages.h"
#include "app/statusservice.h"
#include "app/teachingaids.h"
#include "app/undohistory.h"
#include "app/viewaccessibility.h"
#include "canvas/drawview.h"
#include "lightfield/optics.h"
#include "session/session.h"
#include "toolkit/controls.h"
#include "ui_MainWindow.h"
#include "views/photoview.h"
#include "views/renderview.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(new Ui::MainWindow) {
  viewaccessibility::install();
  ui_->setupUi(this);
  initViews();
  connectOutlets();
  session_ = new Session(this);
  connectActions();
  feedSession();
  for (toolkit::View* view :
       {static_cast<toolkit::View*>(ui_->drawView), static_cast<toolkit::View*>(ui_->renderView),
        static_cast<toolkit::View*>(ui_->photoView)}) {
    view->awakeFromNib();
  }
  updateReadouts();
  installFeatures();
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

QUndoStack* MainWindow::undoStack() const {
  return history_->stack();
}

bool MainWindow::confirmReplaceScene() {
  return document_ == nullptr || document_->confirmReplace();
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
      // After the photo, so whoever follows the camera sees the photo it took.
      session_->setCamera(canvas->cameraSettings());
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

// The canvas publishes each photo and each render into the session; the
// sliders' settings are written there as they change (connectActions).
void MainWindow::feedSession() {
  DrawView* canvas = ui_->drawView;
  session_->setCamera(canvas->cameraSettings());
  // The camera panel changes the camera without a slider: its readouts follow.
  connect(session_, &Session::cameraChanged, this, &MainWindow::updateReadouts);
  // While a real light field is open the session holds its image; the scene's comes back with it.
  connect(canvas, &DrawView::photoTaken, session_, [this] {
    if (!lightFieldOpen()) publishCanvasPhoto();
  });
  connect(canvas, &DrawView::rendered, session_, [this] {
    if (!lightFieldOpen()) publishCanvasRays();
  });
}

bool MainWindow::lightFieldOpen() const {
  return lightFields_ != nullptr && lightFields_->isOpen();
}

void MainWindow::publishCanvasPhoto() {
  session_->setPhoto(ui_->drawView->photoRow(), ui_->drawView->stripWidth());
}

void MainWindow::publishCanvasRays() {
  DrawView* canvas = ui_->drawView;
  const CGRect capture = canvas->captureRect();
  lightfield::RayGeometry geometry;
  geometry.lowerLine = canvas->lowerLine().getLocation();
  geometry.upperLine = canvas->upperLine().getLocation();
  geometry.left = capture.origin.x;
  const int n = canvas->stripWidth();
  session_->publishLightField(n, n, canvas->cleanRays(), geometry, lightfield::Source::Canvas,
                              canvas->strip().data(), canvas->stripHeight());
  // A fixed width's cap and the viewpoint's range follow the image's size.
  session_->setCamera(canvas->cameraSettings());
}

void MainWindow::installFeatures() {
  // Qt's own file dialog keeps its folder history in a settings file in the
  // home folder. Ombrel writes no file it was not asked for and remembers
  // nothing between runs: user settings go to a folder that cannot exist.
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
  DrawView* canvas = ui_->drawView;
  status_ = new StatusService(statusBar(), this);
  history_ = new UndoHistory({[canvas] {
                                QList<QImage> images;
                                for (const auto& shape : canvas->shapes()) {
                                  if (!shape->image().isNull()) images << shape->image();
                                  if (shape->color().isPattern())
                                    images << shape->color().patternImage();
                                }
                                return images;
                              },
                              [canvas] { return canvas->isTracking(); }},
                             this);

  TeachingAids::Parts aids;
  aids.canvas = canvas;
  aids.raySpace = ui_->renderView;
  aids.photo = ui_->photoView;
  aids.focus = ui_->focusSlider;
  aids.dof = ui_->dofSlider;
  aids.focusOnSelectionButton = ui_->focusOnSelectionButton;
  aids.sweepButton = ui_->sweepButton;
  aids.focusDepthBox = ui_->focusDepthBox;
  aids.linkViewsBox = ui_->linkViewsBox;
  aids.viewMenu = viewMenu();
  aids.status = status_;
  aids.session = session_;

  SceneDocument::Parts document;
  document.window = this;
  document.canvas = canvas;
  document.history = history_;
  document.status = status_;
  document.fileMenu = fileMenu();
  document.insertBefore = ui_->actionQuit;
  // The aids come later, after the File menu's features, as the View menu's order wants.
  document.settings = [this] {
    scenefile::LessonSettings settings;
    settings.focusDegrees = ui_->focusSlider->floatValue();
    settings.halfLength = ui_->dofSlider->intValue();
    settings.showFocusDepth = teachingAids_ != nullptr && teachingAids_->showsFocusDepth();
    settings.linkViews = teachingAids_ != nullptr && teachingAids_->linksViews();
    settings.camera = ui_->drawView->cameraChoice();
    if (lightFieldOpen()) {
      settings.lightField = lightFields_->path();
      settings.lightFieldRow = lightFields_->row();
      settings.lightFieldScanline = lightFields_->scanline();
    }
    return settings;
  };
  document.applySettings = [this](const scenefile::LessonSettings& settings) {
    // First, so the sliders it gives back are then set to the lesson's.
    if (lightFieldOpen() && settings.lightField.isEmpty()) lightFields_->close();
    if (teachingAids_ != nullptr) {
      teachingAids_->stopSweep();
      teachingAids_->setShown(settings.showFocusDepth, settings.linkViews);
    }
    ui_->focusSlider->setValue(
        static_cast<int>(std::lround(settings.focusDegrees * ui_->focusSlider->valueScale())));
    ui_->dofSlider->setValue(settings.halfLength);
    // The camera panel follows the session.
    ui_->drawView->setCameraChoice(settings.camera);
    session_->setCamera(ui_->drawView->cameraSettings());
    // Once the step that applies the lesson is done: opening shows a progress dialog.
    if (!settings.lightField.isEmpty())
      QMetaObject::invokeMethod(
          this,
          [this, settings] {
            lightFields_->openPath(settings.lightField, settings.lightFieldRow,
                                   settings.lightFieldScanline);
          },
          Qt::QueuedConnection);
  };
  new EditActions({this, canvas, history_, status_, editMenu(), scenesMenu(),
                   [this](ShapeList shapes, const QString& stepName) {
                     return document_->startUntitled(std::move(shapes), stepName);
                   }},
                  this);
  document_ = new SceneDocument(document, this);
  new PictureExport({this, canvas, ui_->renderView, ui_->photoView, session_, status_, fileMenu(),
                     ui_->actionQuit, editMenu(),
                     // Made below, with the light-field document.
                     lightFieldPictures([this] { return lightFields_; })},
                    this);
  new HelpWindows(this, helpMenu(), this);

  teachingAids_ = new TeachingAids(aids, this);
  addRaySpaceAxisLabels(ui_->resultColumn, ui_->renderView,
                        static_cast<int>(canvas->bounds().size.width));
  new DepthSlopes({canvas, ui_->renderView, ui_->photoView, ui_->resultColumn, viewMenu(), session_,
                   teachingAids_},
                  this);
  new FocalStackDock({this, ui_->renderView, ui_->photoView, viewMenu(), session_}, this);
  new SpectrumDock({this, viewMenu(), session_}, this);

  new Presentation({this, {canvas, ui_->renderView, ui_->photoView}, canvas, viewMenu(), status_},
                   this);
  new StatusMessages({canvas, ui_->renderButton, ui_->takePhotoButton, status_}, this);
  new CameraPanel({this, canvas, ui_->renderView, ui_->photoView, session_, viewMenu()}, this);
  new HighContrast({viewMenu(), {this, canvas, ui_->renderView, ui_->photoView}}, this);
  new KeyboardAccess(
      {this,
       canvas,
       ui_->renderView,
       ui_->photoView,
       {ui_->pointerButton, ui_->rectangleButton, ui_->circleButton, ui_->triangleButton,
        ui_->focusSlider, ui_->dofSlider, ui_->focusOnSelectionButton, ui_->sweepButton,
        ui_->renderButton, ui_->takePhotoButton, ui_->axesButton, ui_->autoRenderButton,
        ui_->autoPhotoButton, ui_->focusDepthBox, ui_->linkViewsBox},
       editMenu(),
       viewMenu(),
       teachingAids_,
       status_},
      this);
  viewaccessibility::reportChanges(canvas, ui_->renderView, ui_->photoView);
  installLightFields();
  // The photo's pixels stand under the ray space's columns whichever way the language writes:
  // the views' column keeps its fixed-width pictures at the left, as the ray space's frame does.
  for (int i = 0; i < ui_->resultColumn->count(); ++i)
    if (QWidget* w = ui_->resultColumn->itemAt(i)->widget();
        w != nullptr && w->minimumWidth() == w->maximumWidth())
      ui_->resultColumn->setAlignment(w, Qt::AlignLeft | Qt::AlignAbsolute);
}

void MainWindow::installLightFields() {
  LightFieldDocument::Parts parts;
  parts.window = this;
  parts.session = session_;
  parts.status = status_;
  parts.fileMenu = fileMenu();
  parts.insertBefore = ui_->actionQuit;
  parts.focus = ui_->focusSlider;
  parts.dof = ui_->dofSlider;
  parts.canvas = ui_->drawView;
  parts.raySpace = ui_->renderView;
  parts.photo = ui_->photoView;
  parts.canvasTitle = ui_->sceneLabel;
  parts.sceneOnly = [this] {
    QList<QWidget*> widgets;
    for (QWidget* label : findChildren<QWidget*>(QStringLiteral("raySpaceAxisLabel")))
      widgets << label;
    return widgets;
  };
  for (QAbstractButton* tool : ui_->toolGroup->buttons()) parts.sceneControls << tool;
  parts.sceneControls << ui_->renderButton << ui_->autoRenderButton << ui_->takePhotoButton
                      << ui_->autoPhotoButton << ui_->axesButton << ui_->focusOnSelectionButton
                      << ui_->sweepButton << ui_->focusDepthBox << ui_->linkViewsBox;
  parts.sceneMenus = {editMenu(), scenesMenu()};
  if (auto* sheet = findChild<QAction*>(QStringLiteral("actionExportFocalStack")))
    parts.sceneActions << sheet;
  for (const char* name : {"actionShowFocusDepth", "actionLinkViews", "actionFocusOnSelection",
                           "actionSweepFocus", "actionCursorLeft", "actionCursorRight",
                           "actionCursorUp", "actionCursorDown", "actionClickAtCursor"})
    if (auto* action = findChild<QAction*>(QLatin1String(name))) parts.sceneViewActions << action;
  // The scene's aids would follow the mouse over views that are not shown.
  auto aidsShown = std::make_shared<std::pair<bool, bool>>();
  parts.leavingScene = [this, aidsShown] {
    teachingAids_->stopSweep();
    *aidsShown = {teachingAids_->showsFocusDepth(), teachingAids_->linksViews()};
    teachingAids_->setShown(false, false);
  };
  parts.backToScene = [this, aidsShown] {
    // The canvas kept its rays and photo up to date behind the light field.
    publishCanvasRays();
    publishCanvasPhoto();
    document_->updateTitle();
    teachingAids_->setShown(aidsShown->first, aidsShown->second);
  };
  lightFields_ = new LightFieldDocument(parts, this);
  // The depth views read the light field too, into its own views.
  if (auto* slopes = findChild<DepthSlopes*>(QStringLiteral("depthSlopes")))
    slopes->attachLightField(lightFields_);
  if (auto* stack = findChild<FocalStackDock*>(QStringLiteral("focalStack")))
    stack->attachLightField(lightFields_);
  connect(lightFields_, &LightFieldDocument::opened, this, &MainWindow::updateReadouts);
  connect(lightFields_, &LightFieldDocument::closed, this, &MainWindow::updateReadouts);
  // A scene asked for (New, Open, a built-in scene) is shown, not swapped in behind the light
  // field; a lesson that names a light field opens it again once it is applied.
  connect(document_, &SceneDocument::documentSwitched, this, [this] {
    if (lightFieldOpen()) lightFields_->close();
  });
}

void MainWindow::updateReadouts() {
  if (lightFieldOpen()) {
    ui_->focusReadout->setText(lightFields_->focusReadout());
    ui_->dofReadout->setText(lightFields_->depthReadout());
    return;
  }
  const lightfield::CameraSettings camera = ui_->drawView->cameraSettings();
  ui_->focusReadout->setText(TeachingAids::focusReadout(camera, ui_->drawView->stripWidth()));
  ui_->dofReadout->setText(TeachingAids::depthReadout(camera));
  // A label offers a screen reader its name only: what it says now goes in its description.
  for (QLabel* readout : {ui_->focusReadout, ui_->dofReadout}) {
    readout->setAccessibleDescription(readout->text());
  }
}
