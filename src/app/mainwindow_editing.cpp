// Undo and redo, the Edit menu's scene actions and the built-in scenes.
#include "app/editactions.h"
#include "app/mainwindow.h"

void MainWindow::installEditing() {
  new EditActions(this);
}
