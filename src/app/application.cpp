#include "app/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include "app/appicon.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/ombrelappdelegate.h"
#include "app/scenedocument.h"
#include "app/statusservice.h"

namespace {

// Ombrel's own arguments, after Qt has taken its own (-style, -platform, …):
// --help, --version, --lang and the lessons to open. Anything else is left alone.
struct Arguments {
  QString language;
  QStringList lessons;
};

Arguments parseArguments() {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Ombrel teaches light-field photography in two dimensions."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("A lesson (.ombrel file) to open."),
                               QStringLiteral("[file...]"));
  const QCommandLineOption lang(
      QStringLiteral("lang"),
      QStringLiteral("Show Ombrel in this language (de, fr, es, zh_CN, ar, en) instead of the "
                     "system's."),
      QStringLiteral("code"));
  parser.addOption(lang);
  // Unknown options are not ours to refuse: the toolkit may have a use for them.
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  return {parser.value(lang), parser.positionalArguments()};
}

void openLessons(MainWindow& window, const QStringList& files) {
  if (files.isEmpty()) return;
  // A file that cannot be read leaves the starting scene and says why.
  if (!window.document()->openFile(files.first())) return;
  if (files.size() > 1) {
    QStringList rest;
    for (qsizetype i = 1; i < files.size(); ++i) rest << QFileInfo(files[i]).fileName();
    window.status()->post(
        QCoreApplication::translate("Application",
                                    "Opened “%1”. Ombrel opens one lesson at a time; not "
                                    "opened: %2.")
            .arg(QFileInfo(files.first()).fileName(), rest.join(QStringLiteral(", "))),
        StatusService::Kind::Report);
  }
}

// --help and --version answer on a terminal without a display: look for them
// before the toolkit wants one.
void answerHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg(argv[i]);
    if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" ||
        arg == "-v") {
      QCoreApplication core(argc, argv);
      QCoreApplication::setApplicationName(QStringLiteral("Ombrel"));
      QCoreApplication::setApplicationVersion(QStringLiteral(OMBREL_VERSION));
      parseArguments();  // prints and exits
    }
  }
}

}  // namespace

int applicationMain(int argc, char** argv) {
  answerHelpOrVersion(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ombrel"));
  QApplication::setApplicationVersion(QStringLiteral(OMBREL_VERSION));
  QApplication::setWindowIcon(applicationIcon());
  // Lets a desktop match the window with the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("ombrel"));
  const Arguments arguments = parseArguments();
  installLanguage(application, languageLocale(arguments.language));
  MainWindow window;
  OmbrelAppDelegate delegate;
  delegate.setWindow(&window);
  delegate.applicationDidFinishLaunching();
  window.show();
  openLessons(window, arguments.lessons);
  return QApplication::exec();
}
