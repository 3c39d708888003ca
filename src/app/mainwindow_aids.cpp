// The teaching aids: overlays that link the views, readouts, focusing on a depth.
#include "app/mainwindow.h"

void MainWindow::installTeachingAids() {}
