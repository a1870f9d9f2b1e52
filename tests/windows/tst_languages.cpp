// The six languages: keys and menu ticks, the message rows each language
// translates, a few window texts per language, and whole translations.
#include "windows/frmgo.h"
#include "windows/frmmain.h"
#include "settings/settingsstore.h"
#include "windows/frmabout.h"
#include "windows/frmerror.h"
#include "windows/frmftpconnections.h"
#include "windows/frmftplogin.h"
#include "windows/frmftpselectoutputdir.h"
#include "windows/frmftptest.h"
#include "windows/frmselectoutputdir.h"
#include "support/languages.h"
#include "support/messages.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace vexl;

namespace {

const QString kNbsp(QChar(0x00A0));

struct Fixture
{
    test::TestWorld world;
    test::ScriptedDialogService dialogs;
    frmMain main;
    frmGo go{&main};
    frmError error{&main};
};

// The caption, title or menu text of a control or window.
QString caption(const QObject *o)
{
    if (const auto *a = qobject_cast<const QAction *>(o))
        return a->text();
    if (const auto *l = qobject_cast<const QLabel *>(o))
        return l->text();
    if (const auto *b = qobject_cast<const QAbstractButton *>(o))
        return b->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(o))
        return g->title();
    if (const auto *m = qobject_cast<const QMenu *>(o))
        return m->title();
    const auto *w = qobject_cast<const QWidget *>(o);
    return w && w->isWindow() ? w->windowTitle() : QString();
}

// Every text a window shows: captions, titles, tooltips, list items, menu texts.
QStringList allTexts(const QWidget *root)
{
    QStringList out;
    for (const QObject *o : root->findChildren<QObject *>()) {
        QStringList texts{o->objectName(), caption(o)};
        if (const auto *w = qobject_cast<const QWidget *>(o))
            texts << w->toolTip();
        if (const auto *c = qobject_cast<const QComboBox *>(o))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        out << texts.join(QLatin1Char('|'));
    }
    return out;
}

// "text" (caption, title or menu text), "tip", "item N" of a list or "tab N" of
// a tab strip.
QString shown(const QWidget *window, const QString &control, const QString &what)
{
    const QObject *o = window->objectName() == control ? window : window->findChild<QObject *>(control);
    if (!o)
        return QStringLiteral("<no %1>").arg(control);
    if (what == QLatin1String("tip"))
        return qobject_cast<const QWidget *>(o)->toolTip();
    if (what.startsWith(QLatin1String("item ")))
        return qobject_cast<const QComboBox *>(o)->itemText(what.mid(5).toInt());
    if (what.startsWith(QLatin1String("tab ")))
        return qobject_cast<const QTabWidget *>(o)->tabText(what.mid(4).toInt());
    return caption(o);
}

// One of the dialogs the main window opens on demand, built as it builds them.
std::unique_ptr<QWidget> dialog(const QString &name, QWidget *main)
{
    if (name == QLatin1String("about"))
        return std::make_unique<frmAbout>(main);
    if (name == QLatin1String("chooser"))
        return std::make_unique<frmSelectOutputDir>(main);
    if (name == QLatin1String("ftpEditor"))
        return std::make_unique<frmFTPConnections>(main);
    if (name == QLatin1String("ftpTest"))
        return std::make_unique<frmFTPTest>(main);
    if (name == QLatin1String("ftpLogin"))
        return std::make_unique<frmFTPLogin>(main);
    if (name == QLatin1String("ftpBrowser"))
        return std::make_unique<frmFTPSelectOutputDir>(main);
    return nullptr;
}

QString ticked(const frmMain &w)
{
    QStringList names;
    for (const char *name : {"mnuLangEnglish", "mnuLangGerman", "mnuLangSpanish", "mnuLangFrench", "mnuLangItalian",
                             "mnuLangDutch"})
        if (w.findChild<QAction *>(QLatin1String(name))->isChecked())
            names << QLatin1String(name);
    return names.join(QLatin1Char(','));
}

QString storedLanguage()
{
    const QSettings ini(SettingsStore::userFile(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Settings/Language")).toString();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    // Both names of a language give the same texts and tick its item; any other
    // name gives English, ticks English and is stored as given. The FTP dialogs
    // follow the language like every other window.
    void keysAndTicks()
    {
        Fixture f;
        const QStringList english = allTexts(&f.main);
        const std::unique_ptr<QWidget> ftp[] = {dialog("ftpEditor", nullptr), dialog("ftpTest", nullptr),
                                                dialog("ftpLogin", nullptr), dialog("ftpBrowser", nullptr)};
        const auto ftpTexts = [&ftp] {
            QStringList out;
            for (const auto &w : ftp)
                out << w->windowTitle() << allTexts(w.get());
            return out;
        };
        const QStringList ftpEnglish = ftpTexts();
        QVERIFY(ftpEnglish.join(QString()).contains(QLatin1String("Configure FTP Connections")));
        const struct
        {
            const char *key, *nativeKey, *item;
        } languages[] = {
            {"German", "Deutsch", "mnuLangGerman"},   {"Spanish", "Español", "mnuLangSpanish"},
            {"French", "Français", "mnuLangFrench"},  {"Italian", "Italiano", "mnuLangItalian"},
            {"Dutch", "Nederlands", "mnuLangDutch"},
        };
        for (const auto &l : languages) {
            f.main.LoadLanguage(QString::fromUtf8(l.key));
            const QStringList texts = allTexts(&f.main);
            QVERIFY2(texts != english, l.key);
            QCOMPARE(ticked(f.main), QLatin1String(l.item));
            QCOMPARE(storedLanguage(), QString::fromUtf8(l.key));
            QVERIFY2(ftpTexts() != ftpEnglish, l.key);
            QVERIFY2(Msg("msgProcessFinished") != QLatin1String("Process Finished!"), l.key); // the message table too

            f.main.LoadLanguage(QString::fromUtf8(l.nativeKey));
            QCOMPARE(allTexts(&f.main), texts);
            QCOMPARE(ticked(f.main), QLatin1String(l.item));
            QCOMPARE(storedLanguage(), QString::fromUtf8(l.nativeKey));
        }
        for (const QString &other : {QStringLiteral("Klingon"), QStringLiteral("german"), QStringLiteral("English")}) {
            f.main.LoadLanguage(other);
            QCOMPARE(allTexts(&f.main), english);
            QCOMPARE(ticked(f.main), QStringLiteral("mnuLangEnglish"));
            QCOMPARE(storedLanguage(), other);
            QCOMPARE(Msg("msgProcessFinished"), QStringLiteral("Process Finished!"));
            QCOMPARE(ftpTexts(), ftpEnglish);
        }
    }

    // A few texts of each window per language, translated or deliberately English:
    // window/control[/tip, /item N or /tab N].
    void windowTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *language, const char *where, const QString &expected) {
            QTest::addRow("%s %s", language, where) << language << where << expected;
        };
        row("German", "main/cmbCase/item 2", "GROSSBUCHSTABEN");
        row("German", "about/tabAbout/tab 2", "Imagemagick-Lizenz");
        row("Spanish", "error/lblTitle", "¡Se ha producido un error!");
        row("Spanish", "chooser/cmdOK", "Aceptar");
        row("French", "about/cmdSubmitBugError/tip",
            "Une erreur" + kNbsp + "? Je veux la connaître" + kNbsp + "! Signalez-la ici en ligne.");
        row("Italian", "main/txtPrefix/tip", "Testo da inserire all'inizio del nome del file.");
        row("Italian", "ftpBrowser/mnuRename", "&Rinomina...");
        row("Dutch", "go/frmGo", "Afbeeldingen verwerken");
    }

    void windowTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, where);
        QFETCH(QString, expected);
        Fixture f;
        const QStringList part = where.split(QLatin1Char('/'));
        const std::unique_ptr<QWidget> built = dialog(part[0], &f.main);
        f.main.LoadLanguage(language);
        const QWidget *window = built                            ? built.get()
            : part[0] == QLatin1String("main")                   ? static_cast<QWidget *>(&f.main)
            : part[0] == QLatin1String("go")                     ? static_cast<QWidget *>(&f.go)
                                                                 : static_cast<QWidget *>(&f.error);
        QCOMPARE(shown(window, part[1], part.value(2, QStringLiteral("text"))), expected);
    }

    // Qt's own texts (message-box buttons, edit menus: one translator) follow
    // the language switch.
    void qtTextsFollowTheLanguage()
    {
        Fixture f;
        const std::pair<const char *, const char *> languages[] = {
            {"mnuLangGerman", "&Ja"}, {"mnuLangFrench", "&Oui"}, {"mnuLangEnglish", "&Yes"}};
        for (const auto &[item, yes] : languages) {
            f.main.findChild<QAction *>(QLatin1String(item))->trigger();
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(yes));
        }
    }

    // Every text of the sources has a finished translation in every language,
    // keeping the placeholders of its English text. The .ts files are first
    // brought up to date with the sources, in a copy.
    void translationsAreWhole_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"de", "es", "fr", "it", "nl"})
            QTest::addRow("%s", code) << QString::fromLatin1(code);
    }

    void translationsAreWhole()
    {
        QFETCH(QString, code);
        const QString ts = refreshedTranslations() + QStringLiteral("/vexl_%1.ts").arg(code);
        QFile file(ts);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(ts));
        QStringList problems;
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText();
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                if (type == QLatin1String("unfinished") || text.isEmpty())
                    problems << QStringLiteral("unfinished %1 | %2").arg(context, source);
                else if (placeholders(text) != placeholders(source))
                    problems << QStringLiteral("placeholders %1 | %2 -> %3").arg(context, source, text);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems, first: %2")
                                                    .arg(problems.size())
                                                    .arg(problems.mid(0, 5).join(QLatin1String(" || ")))));
    }

private:
    // The .ts files updated from the sources as scripts/update-translations
    // does, once per run, in a temporary folder.
    QString refreshedTranslations()
    {
        if (m_fresh)
            return m_fresh->path();
        m_fresh = std::make_unique<QTemporaryDir>();
        QStringList args{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                         QStringLiteral("-disable-heuristic"), QStringLiteral("sametext"),
                         QStringLiteral(VEXL_SOURCE_DIR "/src"), QStringLiteral("-ts")};
        for (const char *code : {"de", "es", "fr", "it", "nl"}) {
            const QString name = QStringLiteral("/vexl_%1.ts").arg(QLatin1String(code));
            if (!QFile::copy(QStringLiteral(VEXL_SOURCE_DIR "/translations") + name, m_fresh->path() + name))
                qWarning("cannot copy %s", qPrintable(name));
            args << m_fresh->path() + name;
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(VEXL_LUPDATE), args);
        if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
            qWarning("lupdate failed: %s", lupdate.readAllStandardError().constData());
        return m_fresh->path();
    }

    // Bracketed names, %1-style arguments, "\n" escapes and line breaks, sorted
    // (a translation may reorder them).
    static QStringList placeholders(const QString &text)
    {
        QStringList out;
        static const QRegularExpression re(QStringLiteral(R"(\[[A-Z0-9_]+\]|%[0-9]+|\\n|\n)"));
        for (const auto &m : re.globalMatch(text))
            out << m.captured();
        out.sort();
        return out;
    }

    std::unique_ptr<QTemporaryDir> m_fresh;
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
