// Scene files, pictures out and help.
#include "app/mainwindow.h"

void MainWindow::installDocuments() {}
