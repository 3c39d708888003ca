// Brief status-bar messages: render times, files that could not be used.
#include "app/mainwindow.h"

void MainWindow::installStatusMessages() {}
