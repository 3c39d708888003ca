#include "app/helpwindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/windowzoom.h"

// The guide lives in a static library's resources: pull them in by name.
static void initHelpResources() {
  Q_INIT_RESOURCE(help);
}

HelpWindows::HelpWindows(QWidget* window, QMenu* helpMenu, QObject* parent)
    : QObject(parent), window_(window) {
  initHelpResources();
  setObjectName(QStringLiteral("helpWindows"));
  auto* guide = new QAction(QCoreApplication::translate("HelpWindows", "&Quick Guide"), window);
  guide->setObjectName(QStringLiteral("actionQuickGuide"));
  guide->setShortcut(QKeySequence(Qt::Key_F1));
  auto* about = new QAction(QCoreApplication::translate("HelpWindows", "&About Ombrel"), window);
  about->setObjectName(QStringLiteral("actionAbout"));
  about->setMenuRole(QAction::AboutRole);
  helpMenu->addAction(guide);
  helpMenu->addAction(about);
  connect(guide, &QAction::triggered, this, [this] { showQuickGuide(); });
  connect(about, &QAction::triggered, this, [this] { showAbout(); });
}

QDialog* HelpWindows::showQuickGuide() {
  if (guide_ == nullptr) {
    guide_ = new QDialog(window_);
    guide_->setObjectName(QStringLiteral("quickGuide"));
    guide_->setWindowTitle(QCoreApplication::translate("HelpWindows", "Ombrel Quick Guide"));
    auto* browser = new QTextBrowser(guide_);
    browser->setObjectName(QStringLiteral("quickGuideText"));
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl(QStringLiteral("qrc") + quickGuidePath(shippedLanguageFor(QLocale()))));
    auto* layout = new QVBoxLayout(guide_);
    layout->addWidget(browser);
    // The guide reads as large as the zoomed window: its font follows the window's, its
    // controls take the window's style, and it opens as much larger.
    guide_->setAttribute(Qt::WA_WindowPropagation);
    const auto* zoom = window_->findChild<WindowZoom*>(QStringLiteral("windowZoom"));
    const double z = zoom != nullptr ? zoom->zoom() : 1.0;
    if (zoom != nullptr) zoom->restyle(guide_);
    guide_->resize((QSizeF(560, 620) * z).toSize());
  }
  guide_->show();
  guide_->activateWindow();
  return guide_;
}

QMessageBox* HelpWindows::showAbout() {
  auto* box = new QMessageBox(QMessageBox::NoIcon,
                              QCoreApplication::translate("HelpWindows", "About Ombrel"),
                              aboutText(), QMessageBox::Ok, window_);
  box->setObjectName(QStringLiteral("aboutBox"));
  box->setTextFormat(Qt::RichText);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
  return box;
}

QString aboutText() {
  return QCoreApplication::translate(
             "HelpWindows",
             "<h3>Ombrel %1</h3>"
             "<p>Light-field photography in two dimensions: arrange shapes between two plane "
             "lines, see every ray that crosses them, and take photos focused at any depth.</p>"
             "<p>Licensed under the Apache License, Version 2.0.</p>"
             "<p>Built with Qt %2, running on Qt %3.</p>")
      .arg(QStringLiteral(OMBREL_VERSION), QStringLiteral(QT_VERSION_STR),
           QString::fromLatin1(qVersion()));
}

QString quickGuidePath(const QString& language) {
  const QString translated = QStringLiteral(":/help/quickguide_%1.html").arg(language);
  return QFile::exists(translated) ? translated : QStringLiteral(":/help/quickguide.html");
}
