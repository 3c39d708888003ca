// Test entry for suites that need a QApplication (offscreen by default).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // ctest lists the cases outside the tests' environment: no window system is needed for that.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  // Readouts follow the locale: the suite reads them as the C locale writes them.
  QLocale::setDefault(QLocale::c());
  // English as the program speaks it, plural forms included, where the suite links them.
  QTranslator english;
  if (english.load(QStringLiteral(":/i18n/ombrel_en.qm")))
    QCoreApplication::installTranslator(&english);
  return RUN_ALL_TESTS();
}
