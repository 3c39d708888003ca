// Scene files, pictures out and help.
#include <QSettings>

#include "app/helpwindows.h"
#include "app/mainwindow.h"
#include "app/pictureexport.h"
#include "app/scenedocument.h"

void MainWindow::installDocuments() {
  // Qt's own file dialog keeps its folder history in a settings file in the
  // home folder. Ombrel writes no file it was not asked for and remembers
  // nothing between runs: user settings go to a folder that cannot exist.
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
  new SceneDocument(this);
  new PictureExport(this);
  new HelpWindows(this);
}

bool MainWindow::confirmReplaceScene() {
  auto* document = findChild<SceneDocument*>(QString(), Qt::FindDirectChildrenOnly);
  return document == nullptr || document->confirmReplace();
}
