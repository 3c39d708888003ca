#include "toolkit/openpanel.h"

#include <QFileDialog>

namespace toolkit {

namespace {

std::optional<QString> runOpenDialog() {
  const QString path = QFileDialog::getOpenFileName(nullptr, QStringLiteral("Open Image"));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

FileChooser& installedChooser() {
  static FileChooser chooser;
  return chooser;
}

}  // namespace

std::optional<QString> chooseFile() {
  const FileChooser& chooser = installedChooser();
  return chooser ? chooser() : runOpenDialog();
}

void setFileChooser(FileChooser chooser) {
  installedChooser() = std::move(chooser);
}

}  // namespace toolkit
