#include "app/appicon.h"

#include <QDir>

// Resources in a static library are linked only when something calls their initialiser.
static void initIconResources() {
  Q_INIT_RESOURCE(icons);
}

QIcon applicationIcon() {
  initIconResources();
  QIcon icon;
  for (const QString& file : QDir(QStringLiteral(":/icons")).entryList({"ombrel-*.png"})) {
    icon.addFile(QStringLiteral(":/icons/") + file);
  }
  return icon;
}
