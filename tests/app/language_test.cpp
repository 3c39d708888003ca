// Languages: every shipped translation is complete and current, the window follows the chosen
// language (words, numbers, plural forms, the guide), longer words are not clipped, and a
// right-to-left layout mirrors the controls but leaves the views' pixels alone.
#include "app/language.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "app/documentdialogs.h"
#include "app/helpwindows.h"
#include "app/lightfielddocument.h"
#include "app/pictures.h"
#include "app/viewaccessibility.h"
#include "document/scenefile.h"
#include "support/window_fixture.h"

using fixture::ShownWindow;

namespace {

QApplication& app() {
  return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Switches the application to a language for one test and back to the suite's English.
struct Language {
  explicit Language(const QLocale& locale) { installLanguage(app(), locale); }
  ~Language() {
    installLanguage(app(), QLocale::c());
    QLocale::setDefault(QLocale::c());
  }
};

struct Message {
  QString context, source, comment;
  bool numerus = false;
  QString type;  // "unfinished", "vanished", "obsolete" or empty
  QStringList translations;
};

std::vector<Message> readTranslations(const QString& path) {
  std::vector<Message> messages;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QString context;
  Message message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      message = {context, {},
                 {},      xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                 {},      {}};
    } else if (name == QLatin1String("source")) {
      message.source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      message.comment = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      message.type = xml.attributes().value(QLatin1String("type")).toString();
      if (message.numerus) {
        while (xml.readNextStartElement()) message.translations << xml.readElementText();
      } else {
        message.translations << xml.readElementText();
      }
      messages.push_back(message);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

QString keyOf(const Message& m) {
  return m.context + QLatin1String(" ▸ “") + m.source +
         (m.comment.isEmpty() ? QString() : QLatin1String("” (") + m.comment + QLatin1Char(')')) +
         QLatin1String("”");
}

// The placeholders a text fills in: %1, %L2, %n, %Ln.
std::multiset<QString> placeholders(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("%L?(\\d+|n)"));
  std::multiset<QString> found;
  for (const auto& match : pattern.globalMatch(text)) found.insert(match.captured(0));
  return found;
}

// Every string in the sources, as lupdate finds it now.
std::vector<Message> extractSources(const QString& workDir) {
  const QString ts = workDir + QStringLiteral("/sources_de.ts");
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(QStringLiteral(OMBREL_LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                 QStringLiteral("-target-language"), QStringLiteral("de"),
                 QStringLiteral(OMBREL_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
  EXPECT_TRUE(lupdate.waitForFinished(120000));
  EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
  return readTranslations(ts);
}

// Each shipped language translates every string of the sources, keeps its placeholders and
// holds nothing the sources no longer say. A failure names each string (context ▸ source):
// translate it in translations/ombrel_<language>.ts (scripts/update-translations adds new ones).
TEST(Translations, EveryShippedLanguageIsCompleteAndCurrent) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::vector<Message> sources = extractSources(dir.path());
  ASSERT_GT(sources.size(), 300u);
  for (const QString& language : shippedLanguages()) {
    const QString path =
        QStringLiteral(OMBREL_SOURCE_DIR "/translations/ombrel_%1.ts").arg(language);
    std::map<QString, Message> shipped;
    for (const Message& m : readTranslations(path)) shipped[keyOf(m)] = m;
    QStringList untranslated, stale, badPlaceholders;
    std::set<QString> current;
    for (const Message& source : sources) {
      const QString key = keyOf(source);
      current.insert(key);
      const auto found = shipped.find(key);
      if (found == shipped.end() || !found->second.type.isEmpty() ||
          found->second.translations.isEmpty() ||
          std::any_of(found->second.translations.begin(), found->second.translations.end(),
                      [](const QString& t) { return t.trimmed().isEmpty(); })) {
        untranslated << key;
        continue;
      }
      for (const QString& t : found->second.translations) {
        // A plural form may spell the number out ("one sample"), so %n may go.
        std::multiset<QString> wanted = placeholders(source.source), got = placeholders(t);
        if (source.numerus) {
          wanted.erase(QStringLiteral("%n"));
          wanted.erase(QStringLiteral("%Ln"));
          got.erase(QStringLiteral("%n"));
          got.erase(QStringLiteral("%Ln"));
        }
        if (wanted != got) badPlaceholders << key + QLatin1String(" → ") + t;
      }
    }
    for (const auto& [key, message] : shipped) {
      if (current.count(key) == 0) stale << key;
    }
    EXPECT_TRUE(untranslated.isEmpty())
        << language.toStdString() << ": " << untranslated.size() << " untranslated:\n  "
        << untranslated.join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(badPlaceholders.isEmpty())
        << language.toStdString() << ": placeholders differ:\n  "
        << badPlaceholders.join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(stale.isEmpty())
        << language.toStdString()
        << ": no longer in the sources (run scripts/update-translations):\n  "
        << stale.join(QStringLiteral("\n  ")).toStdString();
  }
}

// lrelease compiles each file with every message finished, as the build embeds it.
TEST(Translations, LreleaseFindsNothingUnfinished) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const QString& language : shippedLanguages()) {
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start(QStringLiteral(OMBREL_LRELEASE),
                   {QStringLiteral(OMBREL_SOURCE_DIR "/translations/ombrel_%1.ts").arg(language),
                    QStringLiteral("-qm"), dir.filePath(language + QStringLiteral(".qm"))});
    ASSERT_TRUE(lrelease.waitForFinished(60000));
    const QString report = QString::fromUtf8(lrelease.readAll());
    EXPECT_EQ(lrelease.exitCode(), 0) << report.toStdString();
    static const QRegularExpression counts(QStringLiteral(
        "Generated (\\d+) translation\\(s\\) \\((\\d+) finished and (\\d+) unfinished\\)"));
    const auto match = counts.match(report);
    ASSERT_TRUE(match.hasMatch()) << report.toStdString();
    EXPECT_GT(match.captured(1).toInt(), 300) << language.toStdString();
    EXPECT_EQ(match.captured(3).toInt(), 0) << language.toStdString();
    EXPECT_FALSE(report.contains(QLatin1String("untranslated"))) << report.toStdString();
  }
}

TEST(Languages, TheSystemLocaleOrTheCommandLinePicksTheLanguage) {
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("de"))), QStringLiteral("de"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("de_AT"))), QStringLiteral("de"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("fr-CA"))), QStringLiteral("fr"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("es"))), QStringLiteral("es"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("zh-CN"))), QStringLiteral("zh_CN"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("zh_SG"))), QStringLiteral("zh_CN"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("zh_TW"))), QStringLiteral("en"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("ar"))), QStringLiteral("ar"));
  EXPECT_EQ(shippedLanguageFor(languageLocale(QStringLiteral("ja"))), QStringLiteral("en"));
  EXPECT_EQ(shippedLanguageFor(QLocale::c()), QStringLiteral("en"));
  // No code, or one that names no language, leaves the system's choice.
  EXPECT_EQ(languageLocale(QString()), QLocale::system());
  EXPECT_EQ(languageLocale(QStringLiteral("nonsense")), QLocale::system());

  // Each language has its guide, and a language without one gets the English guide.
  for (const QString& language : shippedLanguages())
    EXPECT_EQ(quickGuidePath(language), QStringLiteral(":/help/quickguide_%1.html").arg(language));
  EXPECT_EQ(quickGuidePath(QStringLiteral("en")), QStringLiteral(":/help/quickguide.html"));
}

TEST(Languages, TheWindowSpeaksTheChosenLanguage) {
  const Language german(languageLocale(QStringLiteral("de")));
  ShownWindow shown;
  MainWindow& window = shown.window;
  EXPECT_EQ(window.fileMenu()->title(), QStringLiteral("&Datei"));
  EXPECT_EQ(shown.find<QAction>("actionSceneBillboards")->text(), QStringLiteral("Plakatwände"));
  EXPECT_EQ(shown.find<QAction>("actionSaveAs")->text(), QStringLiteral("Speichern &unter…"));
  // Numbers in the language's own way, and the plural form its grammar wants.
  EXPECT_TRUE(shown.find<QLabel>("focusReadout")->text().startsWith(QStringLiteral("45,0°")))
      << shown.find<QLabel>("focusReadout")->text().toStdString();
  auto* dof = window.findChild<toolkit::Slider*>(QStringLiteral("dofSlider"));
  ASSERT_NE(dof, nullptr);
  // At 90° one sample each side makes an aperture as wide as its marker: the counted words.
  window.findChild<toolkit::Slider*>(QStringLiteral("focusSlider"))->setValue(900);
  for (const auto& [value, words] : std::vector<std::pair<int, const char*>>{
           {1, "1 Abtastwert je Seite"}, {10, "10 Abtastwerte je Seite"}}) {
    dof->setValue(value);
    EXPECT_TRUE(shown.find<QLabel>("dofReadout")->text().contains(QString::fromUtf8(words)))
        << shown.find<QLabel>("dofReadout")->text().toStdString();
  }
  // A tool's translated label still picks the tool.
  auto* rectangle = shown.find<QPushButton>("rectangleButton");
  EXPECT_EQ(rectangle->text(), QStringLiteral("Rechteck"));
  rectangle->click();
  EXPECT_EQ(shown.canvas().selectedTool(), QStringLiteral("Rectangle"));
  shown.find<QPushButton>("pointerButton")->click();
  EXPECT_EQ(shown.canvas().selectedTool(), QStringLiteral("Pointer"));
  // A screen reader hears the views in the language too, their own sentences as well as the
  // shapes they list.
  QAccessibleInterface* scene = QAccessible::queryAccessibleInterface(&shown.canvas());
  QAccessibleInterface* rays = QAccessible::queryAccessibleInterface(&shown.renderView());
  QAccessibleInterface* photo = QAccessible::queryAccessibleInterface(&shown.photoView());
  ASSERT_TRUE(scene && rays && photo);
  ASSERT_GT(scene->childCount(), 0);
  for (const auto& [said, expected] : std::vector<std::pair<QString, const char*>>{
           {scene->text(QAccessible::Description), "Formen zwischen den Ebenenlinien: "},
           {scene->child(0)->text(QAccessible::Name), "Rechteck, "},
           {rays->text(QAccessible::Description), "Jeder Strahl zwischen den Ebenenlinien, "},
           {photo->text(QAccessible::Description), "Ein Foto, "}}) {
    EXPECT_TRUE(said.startsWith(QString::fromUtf8(expected))) << said.toStdString();
  }

  // A light field's readouts too: its focus in German numbers, its views counted in German.
  LightFieldDocument* field = window.lightFieldDocument();
  ASSERT_TRUE(field->openPath(QStringLiteral(OMBREL_SOURCE_DIR) +
                              QStringLiteral("/data/examples/lightfield-planes")));
  window.findChild<toolkit::Slider*>(QStringLiteral("focusSlider"))->setValue(450);
  EXPECT_EQ(shown.find<QLabel>("focusReadout")->text(),
            QStringLiteral("45,0° — Disparität -1,00 px pro Ansicht"));
  EXPECT_TRUE(shown.find<QLabel>("dofReadout")->text().startsWith(QStringLiteral("Ansichten ")))
      << shown.find<QLabel>("dofReadout")->text().toStdString();
  field->close();

  // A lesson is a file: the same bytes whatever the language.
  scenefile::LessonSettings settings;
  settings.focusDegrees = 32.5f;
  settings.halfLength = 7;
  const QByteArray inGerman = scenefile::writeScene(shown.canvas().shapes(), settings);
  installLanguage(app(), QLocale::c());
  EXPECT_EQ(scenefile::writeScene(shown.canvas().shapes(), settings), inGerman);
  EXPECT_TRUE(inGerman.contains("32.5")) << inGerman.toStdString();
}

// The Export dialog names each picture in the language, whole: a translated title is not an
// English one with its article cut off (that cut left French without a letter and Chinese and
// Arabic with nothing at all). With a light field open the scene's place is its central view's,
// and the focal stack sheet, drawn from the scene's optics, is not offered.
TEST(Languages, TheExportDialogNamesEveryPictureWhole) {
  const std::map<QString, std::pair<const char*, const char*>> photoAndCentral = {
      {QStringLiteral("de"), {"Foto", "Mittlere Ansicht"}},
      {QStringLiteral("fr"), {"Photo", "Vue centrale"}},
      {QStringLiteral("es"), {"Foto", "Vista central"}},
      {QStringLiteral("zh_CN"), {"照片", "中央视图"}},
      {QStringLiteral("ar"), {"الصورة", "المنظر المركزي"}}};
  for (const QString& language : shippedLanguages()) {
    if (!photoAndCentral.count(language)) continue;
    const Language chosen(languageLocale(language));
    for (const bool lightField : {false, true}) {
      QStringList items;
      QTimer poll;
      QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != QLatin1String("exportDialog")) return;
        auto* kinds = dialog->findChild<QComboBox*>(QStringLiteral("pictureKinds"));
        for (int i = 0; kinds != nullptr && i < kinds->count(); ++i) items << kinds->itemText(i);
        dialog->reject();
      });
      poll.start(10);
      EXPECT_FALSE(
          documentdialogs::pictureChoice(nullptr, {PictureKind::FocalStackSheet, 1}, lightField));
      poll.stop();
      SCOPED_TRACE(language.toStdString() + (lightField ? " with a light field" : ""));
      ASSERT_EQ(items.size(), lightField ? 5 : 6) << items.join(QLatin1Char('|')).toStdString();
      for (const QString& item : items) EXPECT_GE(item.size(), 2) << item.toStdString();
      EXPECT_TRUE(items.contains(QString::fromUtf8(photoAndCentral.at(language).first)))
          << items.join(QLatin1Char('|')).toStdString();
      EXPECT_EQ(items.contains(QString::fromUtf8(photoAndCentral.at(language).second)), lightField);
    }
  }
}

// A translation underlines distinct letters in each menu, so Alt and a letter reaches one
// command; a translator picks them, and a clash is easy to miss by eye. Clashes the English
// menus have themselves are the source's to mend, not the translation's.
TEST(Languages, TranslatedMenusUnderlineDistinctLetters) {
  // Each clash as "menu position: first command, second command", whatever the language.
  auto clashesIn = [](const QLocale& locale) {
    installLanguage(app(), locale);
    std::map<QString, QString> clashes;
    MainWindow window;
    std::vector<std::pair<QString, QList<QAction*>>> menus{
        {QString(), window.menuBar()->actions()}};
    for (std::size_t m = 0; m < menus.size(); ++m) {
      std::map<QKeySequence, int> taken;
      const QString path = menus[m].first;
      const QList<QAction*> actions = menus[m].second;  // copies: submenus grow the list
      for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        if (action->menu() != nullptr)
          menus.emplace_back(path + QString::number(i) + QLatin1Char('/'),
                             action->menu()->actions());
        if (action->isSeparator() || !action->isVisible()) continue;
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty()) continue;
        const auto [at, fresh] = taken.emplace(key, i);
        if (!fresh)
          clashes[QStringLiteral("%1: %2, %3").arg(path).arg(at->second).arg(i)] =
              QStringLiteral("“%1” and “%2”").arg(actions[at->second]->text(), action->text());
      }
    }
    return clashes;
  };
  const std::map<QString, QString> english = clashesIn(QLocale::c());
  QStringList clashes;
  for (const QString& language : shippedLanguages()) {
    for (const auto& [where, what] : clashesIn(languageLocale(language))) {
      if (english.count(where) == 0) clashes << language + QLatin1String(": ") + what;
    }
  }
  installLanguage(app(), QLocale::c());
  QLocale::setDefault(QLocale::c());
  EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

// Each guide quotes what a screen reader says of the starting scene's first shape: the quote is
// the words the window really speaks in that language.
TEST(Languages, EachGuideQuotesTheScreenReaderWordForWord) {
  QStringList languages = shippedLanguages();
  languages.prepend(QStringLiteral("en"));
  for (const QString& language : languages) {
    SCOPED_TRACE(language.toStdString());
    installLanguage(app(), languageLocale(language));
    QFile file(quickGuidePath(language));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument guide;
    guide.setHtml(QString::fromUtf8(file.readAll()));
    const QString text = guide.toPlainText().replace(QChar(0xa0), QLatin1Char(' '));
    MainWindow window;
    ASSERT_FALSE(window.drawView()->shapes().empty());
    const QString said = viewaccessibility::describeShape(*window.drawView()->shapes().front());
    EXPECT_TRUE(text.contains(said)) << said.toStdString();
  }
  installLanguage(app(), QLocale::c());
  QLocale::setDefault(QLocale::c());
}

// English keeps its plural forms without a language chosen: the window in the C locale.
TEST(Languages, EnglishSaysOneSampleAndManySamples) {
  const Language english(QLocale::c());
  ShownWindow shown;
  auto* dof = shown.window.findChild<toolkit::Slider*>(QStringLiteral("dofSlider"));
  ASSERT_NE(dof, nullptr);
  shown.window.findChild<toolkit::Slider*>(QStringLiteral("focusSlider"))->setValue(900);
  for (const auto& [value, words] : std::vector<std::pair<int, const char*>>{
           {1, "1 sample each side"}, {2, "2 samples each side"}, {20, "20 samples each side"}}) {
    dof->setValue(value);
    const QString text = shown.find<QLabel>("dofReadout")->text();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(words))) << text.toStdString();
  }
}

// Each string ~40 % longer, with accents: what a longer language does to the layout.
class PseudoTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString text = QString::fromUtf8(source);
    static const QRegularExpression keys(QStringLiteral("^(Ctrl|Shift|Alt|Meta)\\+"));
    // Qt's own contexts (among them the layout direction) and shortcuts stay as they are.
    if (context == nullptr || context[0] == 'Q' || keys.match(text).hasMatch() || text.isEmpty())
      return {};
    static const QString plain = QStringLiteral("aeiouyAEIOUcnCN");
    static const QString accented = QStringLiteral("áéîõüýÅÉÎÕÜçñÇÑ");
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c == QLatin1Char('%')) {  // keep %1, %L1, %n
        out += c;
        while (i + 1 < text.size() && (text[i + 1].isDigit() || text[i + 1] == QLatin1Char('L') ||
                                       text[i + 1] == QLatin1Char('n')))
          out += text[++i];
        continue;
      }
      const qsizetype at = plain.indexOf(c);
      out += at >= 0 ? accented[at] : c;
    }
    const auto extra = static_cast<qsizetype>(text.size() * 0.4 + 0.5);
    return out + QString(std::max<qsizetype>(extra, 1), QChar(0x00B7));
  }
};

TEST(Languages, LongerWordsAreNotClipped) {
  PseudoTranslator pseudo;
  QCoreApplication::installTranslator(&pseudo);
  {
    ShownWindow shown;
    // The size the window opens at on a screen that holds it (the test's screen is smaller).
    shown.window.resize(shown.window.sizeHint());
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.find<QPushButton>("renderButton")->text().endsWith(QChar(0x00B7)));
    QStringList clipped;
    auto check = [&](QWidget* w, const QString& text, QSize needed) {
      if (!w->isVisibleTo(&shown.window) || text.isEmpty()) return;
      if (w->width() < needed.width() || w->height() < needed.height())
        clipped << QStringLiteral("%1 “%2”: %3×%4, needs %5×%6")
                       .arg(w->objectName(), text)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(needed.width())
                       .arg(needed.height());
    };
    for (QLabel* label : shown.window.findChildren<QLabel*>()) {
      if (label->wordWrap()) continue;
      check(label, label->text(), label->minimumSizeHint());
    }
    for (QAbstractButton* button : shown.window.findChildren<QAbstractButton*>()) {
      if (qobject_cast<QPushButton*>(button) == nullptr &&
          qobject_cast<QCheckBox*>(button) == nullptr)
        continue;
      check(button, button->text(), button->sizeHint());
    }
    EXPECT_TRUE(clipped.isEmpty())
        << clipped.join(QLatin1Char('\n')).toStdString() << "\nwindow " << shown.window.width()
        << "x" << shown.window.height() << " min " << shown.window.minimumSizeHint().width()
        << " hint " << shown.window.sizeHint().width() << " screen "
        << shown.window.screen()->availableGeometry().width();
  }
  QCoreApplication::removeTranslator(&pseudo);
}

// The views are images with their own axes: right to left moves them, never flips them, and a
// dark desktop palette dresses the controls, never the views.
TEST(Languages, RightToLeftMirrorsTheControlsAndNotTheViews) {
  auto grabViews = [](ShownWindow& shown) {
    std::vector<QImage> images;
    for (QWidget* view :
         std::initializer_list<QWidget*>{&shown.canvas(), &shown.renderView(), &shown.photoView()})
      images.push_back(view->grab().toImage().convertToFormat(QImage::Format_RGB32));
    return images;
  };
  // A light field's views, the ray space's own image without its words and numbers.
  auto grabLightField = [](ShownWindow& shown) {
    LightFieldDocument* field = shown.window.lightFieldDocument();
    EXPECT_TRUE(field->openPath(QStringLiteral(OMBREL_SOURCE_DIR) +
                                QStringLiteral("/data/examples/lightfield-planes")));
    field->hoverPhotoPixel(100);
    std::vector<QImage> images;
    for (QWidget* view : std::initializer_list<QWidget*>{field->centralView(), field->epiView(),
                                                         field->photoStrip()}) {
      EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
      if (view == field->epiView()) {
        // The last pixel's number, wider than the first's, stays at the right end of its axis.
        const QImage all = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect r = field->epiView()->imageRect();
        const auto ink = [&all](QRect box) {
          int dark = 0;
          for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) dark += qGray(all.pixel(x, y)) < 128;
          return dark;
        };
        const int below = all.height() - 1 - r.bottom();
        EXPECT_GT(ink({r.right() - 29, r.bottom() + 1, 30, below}),
                  ink({r.left(), r.bottom() + 1, 30, below}));
      }
      const QRect inside = view == field->epiView() ? field->epiView()->imageRect() : view->rect();
      images.push_back(view->grab(inside).toImage().convertToFormat(QImage::Format_RGB32));
    }
    field->close();
    return images;
  };
  std::vector<QImage> leftToRight, lightField;
  {
    ShownWindow shown;
    EXPECT_EQ(shown.window.layoutDirection(), Qt::LeftToRight);
    leftToRight = grabViews(shown);
    lightField = grabLightField(shown);
  }
  {
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x25, 0x25, 0x26));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    {
      ShownWindow shown;
      const std::vector<QImage> onDark = grabViews(shown);
      for (std::size_t i = 0; i < leftToRight.size(); ++i)
        EXPECT_EQ(leftToRight[i], onDark[i]) << "view " << i << " on a dark palette";
      const QLabel* label = shown.find<QLabel>("focusLabel");
      EXPECT_GT(label->palette().color(label->foregroundRole()).lightness(),
                label->palette().color(label->backgroundRole()).lightness() + 150)
          << "the controls follow the palette";
    }
    QApplication::setPalette(desktop);
  }
  const Language arabic(languageLocale(QStringLiteral("ar")));
  ShownWindow shown;
  EXPECT_EQ(shown.window.layoutDirection(), Qt::RightToLeft);
  const std::vector<QImage> rightToLeft = grabViews(shown);
  for (std::size_t i = 0; i < leftToRight.size(); ++i) {
    ASSERT_FALSE(leftToRight[i].isNull());
    EXPECT_EQ(leftToRight[i], rightToLeft[i]) << "view " << i;
  }
  const std::vector<QImage> lightFieldRightToLeft = grabLightField(shown);
  for (std::size_t i = 0; i < lightField.size(); ++i) {
    ASSERT_FALSE(lightField[i].isNull());
    EXPECT_EQ(lightField[i], lightFieldRightToLeft[i]) << "light-field view " << i;
  }
  // The controls column moves to the left of the scene; the ray space keeps its axes' sides.
  const auto xIn = [&](const QWidget* w) { return w->mapTo(&shown.window, QPoint(0, 0)).x(); };
  EXPECT_LT(xIn(shown.find<QWidget>("toolBox")), xIn(&shown.canvas()));
  EXPECT_LT(xIn(&shown.renderView()), xIn(shown.find<QWidget>("raySpaceWithAxes")) +
                                          shown.find<QWidget>("raySpaceWithAxes")->width() / 2);
  EXPECT_EQ(shown.find<QWidget>("raySpaceWithAxes")->layoutDirection(), Qt::LeftToRight);
  // The photo's pixel i stands under the ray space's column i, as in a left-to-right window.
  EXPECT_EQ(xIn(&shown.photoView()), xIn(&shown.renderView()));
  EXPECT_EQ(shown.find<QAction>("actionSceneBillboards")->text(), QStringLiteral("لوحات إعلانية"));
}

}  // namespace
