// Zoom for projectors and live updates while dragging.
#include "app/mainwindow.h"

void MainWindow::installPresentation() {}
