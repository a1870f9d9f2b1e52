// The settings record, its store and the field rules, without windows.
#include "mainwindow/fieldrules.h"
#include "mainwindow/processsettings.h"
#include "mainwindow/settingsstore.h"
#include "support/vexlerror.h"
#include "testsupport.h"

#include <QTest>

using namespace vexl;

namespace {

// A record with every field away from both its first-run default and its reset value.
ProcessSettings everythingChanged()
{
    ProcessSettings s;
    s.FileDir = QStringLiteral("/data/pictures/");
    s.DimensionMethod = 4;
    s.DimensionWidth = QStringLiteral("640");
    s.DimensionHeight = QStringLiteral("480");
    s.DimensionPC = true;
    s.TextOverlay = true;
    s.TextOverlayText = QStringLiteral("(c) [WIDTH]x[HEIGHT], 50%");
    s.TextOverlayPosition = 8;
    s.TextOverlayFace = QStringLiteral("DejaVu Serif");
    s.TextOverlaySize = 31;
    s.TextOverlayColour = 0x00112233;
    s.TextOverlayBGColour = -16777216;
    s.TextOverlayBGTrans = false;
    s.Case = 5;
    s.Spaces = 5;
    s.SequentialNumber = true;
    s.StartNumber = QStringLiteral("7");
    s.ZeroFill = QStringLiteral("3");
    s.RenameSuffix = QStringLiteral("_s");
    s.RenamePrefix = QStringLiteral("p_");
    s.MiscAntialias = false;
    s.MiscBevel = true;
    s.MiscBevelWidth = QStringLiteral("9");
    s.MiscRotate = true;
    s.MiscRotateAngle = QStringLiteral("270");
    s.MiscFlipHoriz = true;
    s.MiscFlipVert = true;
    s.MiscInvert = true;
    s.MiscGreyscale = true;
    s.OutputFormat = 8;
    s.JpgQuality = QStringLiteral("42");
    s.DeleteOld = true;
    s.ReplicateSubDirs = false;
    s.OutputDest = QStringLiteral("//DIFFDIR//");
    s.OutputDir = QStringLiteral("/data/out/");
    s.AniExtractAllScenes = true;
    return s;
}

// The stored texts of a record, by name.
QMap<QString, QString> storedTexts(const ProcessSettings &s, const QString &iniFile)
{
    SettingsStore store(iniFile);
    SaveProcessSettings(store, s);
    QMap<QString, QString> texts;
    store.raw().beginGroup(QLatin1String(SettingsStore::SettingsGroup));
    for (const QString &key : store.raw().childKeys())
        texts.insert(key, store.raw().value(key).toString());
    store.raw().endGroup();
    return texts;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // ------------------------------------------------ first run and reset

    void firstRunAndReset_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstRun");
        QTest::addColumn<QString>("reset"); // "=" keeps the value it had
        const std::tuple<const char *, const char *, const char *> rows[] = {
            {"DimensionMethod", "0", "0"},       {"DimensionWidth", "100", "100"},
            {"DimensionHeight", "100", "100"},   {"DimensionPC", "0", "0"},
            {"TextOverlay", "0", "0"},           {"TextOverlayText", "", ""},
            {"TextOverlayPosition", "0", "0"},   {"TextOverlayFace", "Arial", "="},
            {"TextOverlaySize", "12", "="},      {"TextOverlayColour", "0", "="},
            {"TextOverlayBGColour", "-2147483643", "="}, {"TextOverlayBGTrans", "True", "="},
            {"Case", "0", "0"},                  {"Spaces", "0", "0"},
            {"SequentialNumber", "0", "0"},      {"StartNumber", "0", "0"},
            {"ZeroFill", "0", "0"},              {"RenameSuffix", "", ""},
            {"RenamePrefix", "th_", ""},         {"MiscAntialias", "1", "0"},
            {"MiscBevel", "0", "0"},             {"MiscBevelWidth", "5", "5"},
            {"MiscRotate", "0", "0"},            {"MiscRotateAngle", "90", "90"},
            {"MiscFlipHoriz", "0", "0"},         {"MiscFlipVert", "0", "0"},
            {"MiscInvert", "0", "0"},            {"MiscGreyscale", "0", "0"},
            {"OutputFormat", "0", "0"},          {"JpgQuality", "75", "75"},
            {"DeleteOld", "0", "0"},             {"ReplicateSubDirs", "1", "1"},
            {"OutputDest", "//SAMEDIR//", "="},  {"OutputDir", "", "="},
            {"AniExtractAllScenes", "0", "="},   {"FileDir", "", "="},
        };
        for (const auto &[name, first, reset] : rows)
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromLatin1(first)
                                      << QString::fromLatin1(reset);
    }

    void firstRunAndReset()
    {
        QFETCH(QString, name);
        QFETCH(QString, firstRun);
        QFETCH(QString, reset);
        QTemporaryDir dir;
        const auto first = storedTexts(ProcessSettings{}, dir.filePath(QStringLiteral("first.ini")));
        QVERIFY2(first.contains(name), "every field is saved");
        QCOMPARE(first.value(name), firstRun);

        const ProcessSettings changed = everythingChanged();
        ProcessSettings afterReset = changed;
        ResetProcessSettings(afterReset);
        const auto before = storedTexts(changed, dir.filePath(QStringLiteral("changed.ini")));
        const auto after = storedTexts(afterReset, dir.filePath(QStringLiteral("reset.ini")));
        if (reset == QLatin1String("="))
            QVERIFY2(before.value(name) != first.value(name), "the kept value must be told apart");
        QCOMPARE(after.value(name), reset == QLatin1String("=") ? before.value(name) : reset);
    }

    // ------------------------------------------------ unreadable values

    void unreadableValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addRow("text in a list index") << "DimensionMethod" << "abc";
        QTest::addRow("list index beyond the list") << "Case" << "9";
        QTest::addRow("negative list index") << "Spaces" << "-1";
        QTest::addRow("font size beyond 16 bits") << "TextOverlaySize" << "99999";
        QTest::addRow("colour beyond 32 bits") << "TextOverlayColour" << "4294967296";
        QTest::addRow("check box as text") << "MiscBevel" << "yes";
        QTest::addRow("boolean as text") << "TextOverlayBGTrans" << "maybe";
    }

    void unreadableValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        // the bad value sits among good ones: those before and after it are read
        const ProcessSettings good = everythingChanged();
        SettingsStore store(dir.filePath(QStringLiteral("bad.ini")));
        SaveProcessSettings(store, good);
        store.setText(name, stored);
        ProcessSettings loaded;
        QStringList failed;
        LoadProcessOptions(store, loaded, [&](const QString &n, const VexlError &e) {
            failed << n;
            QVERIFY2(e.description.contains(stored), qPrintable(e.description));
        });
        QCOMPARE(failed, QStringList{name});
        loaded.FileDir = good.FileDir; // not read by LoadProcessOptions
        loaded.OutputDest = good.OutputDest;
        loaded.OutputDir = good.OutputDir;
        loaded.AniExtractAllScenes = good.AniExtractAllScenes;
        // every value but the failed one is read; that one keeps what it had
        const auto expected = storedTexts(good, dir.filePath(QStringLiteral("good.ini")));
        const auto actual = storedTexts(loaded, dir.filePath(QStringLiteral("loaded.ini")));
        const auto defaults = storedTexts(ProcessSettings{}, dir.filePath(QStringLiteral("defaults.ini")));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(actual.value(it.key()), it.key() == name ? defaults.value(name) : it.value());
    }

    void flags_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("value");
        QTest::addRow("True") << "True" << true;
        QTest::addRow("lower-case false") << "false" << false;
        QTest::addRow("upper-case TRUE") << "TRUE" << true;
        QTest::addRow("zero") << "0" << false;
        QTest::addRow("other number") << "-1" << true;
        QTest::addRow("two") << "2" << true;
    }

    void flags()
    {
        QFETCH(QString, stored);
        QFETCH(bool, value);
        QCOMPARE(SettingsStore::toFlag(stored, QStringLiteral("Tooltips")), value);
    }

    // ------------------------------------------------ destination tokens

    void destinationTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("index");
        QTest::addRow("same folder") << "//SAMEDIR//" << 0;
        QTest::addRow("different folder") << "//DIFFDIR//" << 1;
        QTest::addRow("first connection") << "//FTP: Home//" << 2;
        QTest::addRow("second connection") << "//FTP: Work site//" << 3;
        QTest::addRow("deleted connection") << "//FTP: Gone//" << 0;
        QTest::addRow("no surrounding slashes") << "DIFFDIR" << 0;
        QTest::addRow("only a leading pair") << "//DIFFDIR" << 0;
        QTest::addRow("connection name without FTP prefix") << "//Home//" << 0;
        QTest::addRow("the configure command is no destination") << "//Configure FTP Servers...//" << 0;
        QTest::addRow("letter case counts") << "//FTP: home//" << 0;
        QTest::addRow("empty") << "" << 0;
    }

    void destinationTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, index);
        const QStringList items{QStringLiteral("Output in Same Folder"), QStringLiteral("Output in Different Folder"),
                                QStringLiteral("FTP: Home"), QStringLiteral("FTP: Work site"),
                                QStringLiteral("Configure FTP Servers...")};
        QCOMPARE(DestinationIndexForToken(token, items), index);
        if (index > 0)
            QCOMPARE(DestinationToken(index, items.at(index)), token);
    }

    // ------------------------------------------------ the numeric-field filter

    void checkRemoveNonNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zeroAllowed");
        QTest::addColumn<bool>("percentAllowed");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("numbersOnly");
        QTest::addColumn<bool>("zero");

        QTest::addRow("digits pass") << "125" << false << false << 0 << "12" << "125" << false << false;
        QTest::addRow("letter removed") << "12a" << false << false << 0 << "12" << "12" << true << false;
        QTest::addRow("every occurrence at once") << "1a2a3" << false << false << 0 << "" << "123" << true << false;
        QTest::addRow("several kinds") << "-1.5 e" << false << false << 0 << "" << "15" << true << false;
        QTest::addRow("colon and slash (next to the digits)") << "/1:" << false << false << 0 << "" << "1" << true << false;
        QTest::addRow("empty stays empty") << "" << false << false << 0 << "5" << "" << false << false;
        QTest::addRow("zero refused") << "0" << false << false << 0 << "" << "1" << false << true;
        QTest::addRow("zeros refused") << "000" << false << false << 0 << "00" << "1" << false << true;
        QTest::addRow("zero accepted") << "0" << true << false << 0 << "" << "0" << false << false;
        QTest::addRow("zero after a removed letter shows the zero message")
            << "0x" << false << false << 0 << "0" << "1" << false << true;
        QTest::addRow("leading zero of a number") << "05" << false << false << 0 << "0" << "05" << false << false;
        QTest::addRow("per cent refused") << "50%" << false << false << 0 << "50" << "50" << true << false;
        QTest::addRow("per cent kept at the end") << "50%" << false << true << 0 << "50" << "50%" << false << false;
        QTest::addRow("per cent moved to the end") << "5%0" << false << true << 0 << "5" << "50%" << false << false;
        QTest::addRow("per cent first moved to the end") << "%50" << false << true << 0 << "50" << "50%" << false << false;
        QTest::addRow("two per cents become one") << "5%0%" << false << true << 0 << "50%" << "50%" << false << false;
        QTest::addRow("only per cent becomes empty") << "%" << false << true << 0 << "" << "" << false << false;
        QTest::addRow("only per cents become empty") << "%%" << false << true << 0 << "" << "" << false << false;
        QTest::addRow("letter with per cent allowed") << "5a%" << false << true << 0 << "5%" << "5%" << true << false;
        QTest::addRow("zero per cent refused") << "0%" << false << true << 0 << "" << "1" << false << true;
        QTest::addRow("above the maximum gives the previous text") << "101" << false << false << 100 << "10" << "10" << false << false;
        QTest::addRow("at the maximum") << "100" << false << false << 100 << "10" << "100" << false << false;
        QTest::addRow("maximum 0 is none") << "99999" << false << false << 0 << "9999" << "99999" << false << false;
        QTest::addRow("per cent over the maximum") << "150%" << false << true << 100 << "15%" << "15%" << false << false;
    }

    void checkRemoveNonNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, zeroAllowed);
        QFETCH(bool, percentAllowed);
        QFETCH(int, maximum);
        QFETCH(QString, previous);
        QFETCH(QString, result);
        QFETCH(bool, numbersOnly);
        QFETCH(bool, zero);
        const NumberCheck r = CheckRemoveNonNumbers(text, zeroAllowed, percentAllowed, maximum, previous);
        QCOMPARE(r.text, result);
        QCOMPARE(r.numbersOnlyError, numbersOnly);
        QCOMPARE(r.zeroError, zero);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
