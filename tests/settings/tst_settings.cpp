// The settings record, its store and the field rules, without windows.
#include "changedsettings.h"
#include "settings/fieldrules.h"
#include "settings/settingsreport.h"
#include "settings/settingsstore.h"
#include "support/vexlerror.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vexl;

namespace {
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
    // The error report's settings dump: 32 lines in the order report readers parse.
    void settingsDump()
    {
        ProcessSettings s = everythingChanged();
        // neighbours apart, so that swapped lines show
        s.MiscAntialias = s.MiscFlipHoriz = s.MiscInvert = false;
        s.Spaces = 3;
        s.OutputFormat = 2;
        const QString dump = GetSettingsReport(s, ReportExtras{.loadingCaption = "Loading...", .previewImages = true,
                                                               .is98Build = false});
        const QStringList lines = dump.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 33); // 32 lines, each ended by CR LF
        QCOMPARE(lines.last(), QString());
        const QStringList expected = {
            R"(cmbResizeMethod.ListIndex = "4")", R"(txtWidth.Text = "640")", R"(txtHeight.Text = "480")",
            R"(chkDimensionPC.Value = "1")", R"(cmbCase.ListIndex = "5")", R"(cmbSpaces.ListIndex = "3")",
            R"(txtPrefix.Text = "p_")", R"(txtSuffix.Text = "_s")", R"(chkSequentialNumber.Value = "1")",
            R"(txtStartNumber.Text = "7")", R"(txtZeroFill.Text = "3")", R"(chkAntialias.Value = "0")",
            R"(chkBevel.Value = "1")", R"(chkFlipH.Value = "0")", R"(chkFlipV.Value = "1")",
            R"(chkInvert.Value = "0")", R"(chkGreyscale.Value = "1")", R"(txtBevelWidth.Text = "9")",
            R"(txtRotate.Text = "270")", R"(chkTextOverlay.Value = "1")",
            R"(txtTextOverlay.Text = "(c) [WIDTH]x[HEIGHT], 50%")", R"(txtTextOverlay.Font = "DejaVu Serif")",
            R"(mnuSetBGTrans.Checked = "False")", R"(txtTextOverlay.BGCol = "-16777216")",
            R"(txtTextOverlay.ForeCol = "1122867")", R"(cmbTextOverlayPosition.ListIndex = "8")",
            R"(cmbOutputFormat.ListIndex = "2")", R"(txtJPGQuality.Text = "42")", R"(chkDeleteOld.Value = "1")",
            R"(lblLoading.Caption = "Loading...")", R"(mnuPreviewImages.Checked = "True")", R"(is98Build = "False")"};
        QCOMPARE(lines.mid(0, 32), expected);
    }

    // A first run and "Reset All Settings": fields not listed go back to their first-run value.
    void firstRunAndReset()
    {
        // name, first-run value, value after a reset ("=": keeps the value it had)
        const std::tuple<QString, QString, QString> unlike[] = {
            {"TextOverlayFace", "Arial", "="}, {"TextOverlaySize", "12", "="}, {"TextOverlayColour", "0", "="},
            {"TextOverlayBGColour", "-2147483643", "="}, {"TextOverlayBGTrans", "True", "="},
            {"OutputDest", "//SAMEDIR//", "="}, {"OutputDir", "", "="}, {"AniExtractAllScenes", "0", "="},
            {"FileDir", "", "="}, {"RenamePrefix", "th_", ""}, {"MiscAntialias", "1", "0"}};
        QTemporaryDir dir;
        ProcessSettings afterReset = everythingChanged();
        ResetProcessSettings(afterReset);
        const auto first = storedTexts(ProcessSettings{}, dir.filePath("first.ini"));
        const auto before = storedTexts(everythingChanged(), dir.filePath("changed.ini"));
        const auto after = storedTexts(afterReset, dir.filePath("reset.ini"));
        QCOMPARE(first.size(), 38); // every field is saved
        QMap<QString, QString> reset = first;
        for (const auto &[name, firstRun, kept] : unlike) {
            QCOMPARE(first.value(name), firstRun);
            reset[name] = kept;
        }
        for (const QString &name : first.keys()) {
            const QString to = reset.value(name);
            // the change must show
            QVERIFY2(before.value(name) != (to == "=" ? first.value(name) : to), qPrintable(name));
            QCOMPARE(name + '=' + after.value(name), name + '=' + (to == "=" ? before.value(name) : to));
        }
    }

    void storedValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read"); // as saved again; "" when unreadable
        QTest::addRow("list index beyond the list") << "Case" << "9" << "";
        QTest::addRow("later check box as text") << "MiscAutoOrient" << "on" << "";
        QTest::addRow("font size beyond 16 bits") << "TextOverlaySize" << "99999" << "";
        QTest::addRow("colour beyond 32 bits") << "TextOverlayColour" << "4294967296" << "";
        QTest::addRow("boolean as text") << "TextOverlayBGTrans" << "maybe" << "";
        QTest::addRow("boolean in lower case") << "TextOverlayBGTrans" << "false" << "False";
        QTest::addRow("boolean as a number") << "TextOverlayBGTrans" << "0" << "False";
    }

    // Among good values: an unreadable one keeps what it had, and its error names the text.
    void storedValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        QTemporaryDir dir;
        const ProcessSettings good = everythingChanged();
        SettingsStore store(dir.filePath("bad.ini"));
        SaveProcessSettings(store, good);
        store.setText(name, stored);
        ProcessSettings loaded;
        QStringList failed;
        LoadProcessOptions(store, loaded, [&](const QString &n, const VexlError &e) {
            failed << n;
            QVERIFY2(e.description.contains(stored), qPrintable(e.description));
        });
        QCOMPARE(failed, read.isEmpty() ? QStringList{name} : QStringList{});
        const QStringList notRead{"FileDir", "OutputDest", "OutputDir", "AniExtractAllScenes"}; // read elsewhere
        auto expected = storedTexts(good, dir.filePath("good.ini"));
        const auto actual = storedTexts(loaded, dir.filePath("loaded.ini"));
        const auto defaults = storedTexts(ProcessSettings{}, dir.filePath("defaults.ini"));
        for (const QString &key : notRead + QStringList{name})
            expected[key] = defaults.value(key);
        if (!read.isEmpty())
            expected[name] = read;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(it.key() + '=' + actual.value(it.key()), it.key() + '=' + it.value());
    }

    // Stored destinations that name nothing in the list: the same folder.
    void destinationTokens()
    {
        const QStringList items{"Output in Same Folder", "Output in Different Folder", "FTP: Home", "FTP: Work site",
                                "Configure FTP Servers..."};
        for (const char *token : {"DIFFDIR", "//Configure FTP Servers...//", "//FTP: home//"})
            QVERIFY2(DestinationIndexForToken(token, items) == 0, token);
    }

    // Typed text in a numeric field that refuses zero: a zero left after a letter is told as such.
    void checkRemoveNonNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("numbersOnly");
        QTest::addColumn<bool>("zero");
        QTest::addRow("slash and colon (next to the digits)") << "/1:" << "1" << true << false;
        QTest::addRow("zero after a removed letter") << "0x" << "1" << false << true;
    }

    void checkRemoveNonNumbers()
    {
        QFETCH(QString, text);
        const NumberCheck r = CheckRemoveNonNumbers(text, false, false, 0, QString());
        QTEST(r.text, "result");
        QTEST(r.numbersOnlyError, "numbersOnly");
        QTEST(r.zeroError, "zero");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
