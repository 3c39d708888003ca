// Brief status-bar messages: render times, files that could not be used.
#include <QPushButton>

#include "app/mainwindow.h"
#include "app/statusmessages.h"
#include "ui_MainWindow.h"

void MainWindow::installStatusMessages() {
  new StatusMessages(statusBar(), ui_->drawView, ui_->renderButton, ui_->takePhotoButton, this);
}
