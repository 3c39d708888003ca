// Scene files, pictures out and help.
#include "app/helpwindows.h"
#include "app/mainwindow.h"
#include "app/pictureexport.h"
#include "app/scenedocument.h"

void MainWindow::installDocuments() {
  new SceneDocument(this);
  new PictureExport(this);
  new HelpWindows(this);
}

bool MainWindow::confirmReplaceScene() {
  auto* document = findChild<SceneDocument*>(QString(), Qt::FindDirectChildrenOnly);
  return document == nullptr || document->confirmReplace();
}
