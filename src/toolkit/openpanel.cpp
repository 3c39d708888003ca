#include "toolkit/openpanel.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace toolkit {

namespace {

std::optional<QString> runOpenDialog() {
  const QString path =
      QFileDialog::getOpenFileName(nullptr, QCoreApplication::translate("OpenPanel", "Open Image"),
                                   QString(), openPanelNameFilters().join(QStringLiteral(";;")));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

FileChooser& installedChooser() {
  static FileChooser chooser;
  return chooser;
}

}  // namespace

QStringList openPanelNameFilters() {
  return {QCoreApplication::translate(
              "OpenPanel", "Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)"),
          QCoreApplication::translate("OpenPanel", "All files (*)")};
}

std::optional<QString> chooseFile() {
  const FileChooser& chooser = installedChooser();
  return chooser ? chooser() : runOpenDialog();
}

void setFileChooser(FileChooser chooser) {
  installedChooser() = std::move(chooser);
}

}  // namespace toolkit
