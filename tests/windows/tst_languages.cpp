// The six languages: keys and menu ticks, every window following the switch, whole translations.
#include "mainwindowfixture.h"
#include "windows/frmgo.h"
#include "windows/frmabout.h"
#include "windows/frmerror.h"
#include "windows/frmftpconnections.h"
#include "windows/frmftplogin.h"
#include "windows/frmftpselectoutputdir.h"
#include "windows/frmftptest.h"
#include "windows/frmselectoutputdir.h"
#include "support/messages.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QProcess>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace vexl;
using test::stored;

namespace {

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

// Every text a window shows: its title, captions, tooltips, list items, menu texts.
QStringList allTexts(const QWidget *root)
{
    QStringList out{root->windowTitle()};
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

QString ticked(const frmMain &w)
{
    QStringList names;
    for (const char *name : {"mnuLangEnglish", "mnuLangGerman", "mnuLangSpanish", "mnuLangFrench", "mnuLangItalian",
                             "mnuLangDutch"})
        if (w.findChild<QAction *>(QLatin1String(name))->isChecked())
            names << QLatin1String(name);
    return names.join(QLatin1Char(','));
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    // Both names of a language give the same texts and tick its item; any other
    // name gives English, ticks English and is stored as given. Every window
    // follows the language, already open or not, and so do Qt's own texts.
    void keysAndTicks()
    {
        test::TestWorld world;
        test::ScriptedDialogService dialogs;
        frmMain main;
        const std::unique_ptr<QWidget> windows[] = {
            std::make_unique<frmGo>(), std::make_unique<frmError>(), std::make_unique<frmAbout>(),
            std::make_unique<frmSelectOutputDir>(), std::make_unique<frmFTPConnections>(),
            std::make_unique<frmFTPTest>(), std::make_unique<frmFTPLogin>(), std::make_unique<frmFTPSelectOutputDir>()};
        const auto texts = [&] {
            QList<QStringList> out{allTexts(&main)};
            for (const auto &w : windows)
                out << allTexts(w.get());
            return out;
        };
        const QList<QStringList> english = texts();
        const struct
        {
            const char *key, *nativeKey, *item;
        } languages[] = {
            {"German", "Deutsch", "mnuLangGerman"},   {"Spanish", "Español", "mnuLangSpanish"},
            {"French", "Français", "mnuLangFrench"},  {"Italian", "Italiano", "mnuLangItalian"},
            {"Dutch", "Nederlands", "mnuLangDutch"},
        };
        for (const auto &l : languages) {
            main.LoadLanguage(QString::fromUtf8(l.key));
            const QList<QStringList> translated = texts();
            for (qsizetype i = 0; i < english.size(); ++i)
                QVERIFY2(translated.at(i) != english.at(i), qPrintable(english.at(i).first() + ' ' + l.key));
            QCOMPARE(ticked(main), QLatin1String(l.item));
            QCOMPARE(stored("Language"), QString::fromUtf8(l.key));
            QVERIFY2(Msg("msgProcessFinished") != QLatin1String("Process Finished!"), l.key); // the message table too

            main.LoadLanguage(QString::fromUtf8(l.nativeKey));
            QCOMPARE(texts(), translated);
            QCOMPARE(ticked(main), QLatin1String(l.item));
            QCOMPARE(stored("Language"), QString::fromUtf8(l.nativeKey));
        }
        // the menu switches too; Qt's own texts (message-box buttons) follow
        main.findChild<QAction *>(QStringLiteral("mnuLangGerman"))->trigger();
        QCOMPARE(ticked(main), QStringLiteral("mnuLangGerman"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        for (const QString &other : {QStringLiteral("Klingon"), QStringLiteral("german"), QStringLiteral("English")}) {
            main.LoadLanguage(other);
            QCOMPARE(texts(), english);
            QCOMPARE(ticked(main), QStringLiteral("mnuLangEnglish"));
            QCOMPARE(stored("Language"), other);
            QCOMPARE(Msg("msgProcessFinished"), QStringLiteral("Process Finished!"));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        }
    }

    // Every text of the sources has a finished translation keeping its placeholders, in every
    // language (the .ts files first brought up to date with the sources, in a copy).
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
    // The .ts files updated as scripts/update-translations does, once per run, in a temporary folder.
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
