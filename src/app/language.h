#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QApplication;

// The languages Ombrel ships, as locale names ("de", "zh_CN"); English is built in.
QStringList shippedLanguages();

// The locale for a language code given on the command line ("de", "fr_CA", "zh-CN"), or the
// system's when the code is empty. An unknown code gives the system's too.
QLocale languageLocale(const QString& code);

// The shipped language that serves `locale` ("de" for de_AT), or "en" for English and any
// language Ombrel does not ship.
QString shippedLanguageFor(const QLocale& locale);

// Makes `locale` the application's language: installs Ombrel's translation and Qt's own (for
// the standard dialogs), sets it as the default locale for numbers, and turns the layout right
// to left for a right-to-left script. Files and the debug output do not depend on it.
void installLanguage(QApplication& application, const QLocale& locale);
