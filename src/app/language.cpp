#include "app/language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

QStringList shippedLanguages() {
  return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("zh_CN"),
          QStringLiteral("ar")};
}

QLocale languageLocale(const QString& code) {
  if (code.isEmpty()) return QLocale::system();
  const QLocale locale(QString(code).replace(QLatin1Char('-'), QLatin1Char('_')));
  // QLocale answers an unknown name with the C locale.
  return locale.language() == QLocale::C ? QLocale::system() : locale;
}

QString shippedLanguageFor(const QLocale& locale) {
  const QString name = locale.name();
  for (const QString& shipped : shippedLanguages()) {
    // Chinese is shipped in simplified characters only.
    if (shipped == QLatin1String("zh_CN")) {
      if (locale.language() == QLocale::Chinese && locale.script() != QLocale::TraditionalHanScript)
        return shipped;
    } else if (name.section(QLatin1Char('_'), 0, 0) == shipped) {
      return shipped;
    }
  }
  return QStringLiteral("en");
}

void installLanguage(QApplication& application, const QLocale& locale) {
  // A second call replaces the first language's translations.
  const QString kTranslatorName = QStringLiteral("ombrelLanguage");
  for (QTranslator* earlier :
       application.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(earlier);
    delete earlier;
  }
  auto install = [&](auto&& load) {
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kTranslatorName);
    if (load(*translator))
      QCoreApplication::installTranslator(translator);
    else
      delete translator;
  };
  QLocale::setDefault(locale);
  const QString language = shippedLanguageFor(locale);
  // English too: its file holds the plural forms.
  install(
      [&](QTranslator& t) { return t.load(QStringLiteral(":/i18n/ombrel_%1.qm").arg(language)); });
  // Qt's own words (the buttons of the file and colour dialogs), when the system has them.
  if (language != QLatin1String("en")) {
    install([&](QTranslator& t) {
      return t.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
  }
  // English text stays left to right whatever the locale's script.
  QGuiApplication::setLayoutDirection(language == QLatin1String("en") ? Qt::LeftToRight
                                                                      : locale.textDirection());
}
