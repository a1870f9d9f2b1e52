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
    // The error report's settings dump: 32 lines in this order, the form the
    // report readers parse.
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

    void firstRunAndReset_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstRun");
        QTest::addColumn<QString>("reset"); // "=" keeps the value it had
        const std::tuple<const char *, const char *, const char *> rows[] = {
            {"DimensionMethod", "0", "0"}, {"DimensionWidth", "100", "100"}, {"DimensionHeight", "100", "100"},
            {"DimensionPC", "0", "0"}, {"TextOverlay", "0", "0"}, {"TextOverlayText", "", ""},
            {"TextOverlayPosition", "0", "0"}, {"TextOverlayFace", "Arial", "="}, {"TextOverlaySize", "12", "="},
            {"TextOverlayColour", "0", "="}, {"TextOverlayBGColour", "-2147483643", "="},
            {"TextOverlayBGTrans", "True", "="}, {"Case", "0", "0"}, {"Spaces", "0", "0"},
            {"SequentialNumber", "0", "0"}, {"StartNumber", "0", "0"}, {"ZeroFill", "0", "0"},
            {"RenameSuffix", "", ""}, {"RenamePrefix", "th_", ""}, {"MiscAntialias", "1", "0"},
            {"MiscBevel", "0", "0"}, {"MiscBevelWidth", "5", "5"}, {"MiscRotate", "0", "0"},
            {"MiscRotateAngle", "90", "90"}, {"MiscFlipHoriz", "0", "0"}, {"MiscFlipVert", "0", "0"},
            {"MiscInvert", "0", "0"}, {"MiscGreyscale", "0", "0"}, {"OutputFormat", "0", "0"},
            {"JpgQuality", "75", "75"}, {"DeleteOld", "0", "0"}, {"ReplicateSubDirs", "1", "1"},
            {"OutputDest", "//SAMEDIR//", "="}, {"OutputDir", "", "="}, {"AniExtractAllScenes", "0", "="},
            {"FileDir", "", "="}, {"DimensionShrinkOnly", "0", "0"}, {"MiscAutoOrient", "0", "0"},
        };
        for (const auto &[name, first, reset] : rows)
            QTest::addRow("%s", name) << QString(name) << QString(first) << QString(reset);
    }

    void firstRunAndReset()
    {
        QFETCH(QString, name);
        QFETCH(QString, firstRun);
        QFETCH(QString, reset);
        QTemporaryDir dir;
        const auto first = storedTexts(ProcessSettings{}, dir.filePath("first.ini"));
        QVERIFY2(first.contains(name), "every field is saved");
        QCOMPARE(first.value(name), firstRun);

        ProcessSettings afterReset = everythingChanged();
        ResetProcessSettings(afterReset);
        const auto before = storedTexts(everythingChanged(), dir.filePath("changed.ini"));
        const auto after = storedTexts(afterReset, dir.filePath("reset.ini"));
        QVERIFY2(before.value(name) != (reset == "=" ? first.value(name) : reset), "the change must show");
        QCOMPARE(after.value(name), reset == "=" ? before.value(name) : reset);
    }

    void unreadableValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addRow("list index beyond the list") << "Case" << "9";
        QTest::addRow("format index beyond WEBP") << "OutputFormat" << "10";
        QTest::addRow("later check box as text") << "MiscAutoOrient" << "on";
        QTest::addRow("font size beyond 16 bits") << "TextOverlaySize" << "99999";
        QTest::addRow("colour beyond 32 bits") << "TextOverlayColour" << "4294967296";
        QTest::addRow("boolean as text") << "TextOverlayBGTrans" << "maybe";
    }

    // The bad value sits among good ones: every other value is read, the bad one
    // keeps what it had, and the error names the stored text.
    void unreadableValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
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
        QCOMPARE(failed, QStringList{name});
        // FileDir and the tail are not read by LoadProcessOptions
        loaded.FileDir = good.FileDir;
        loaded.OutputDest = good.OutputDest;
        loaded.OutputDir = good.OutputDir;
        loaded.AniExtractAllScenes = good.AniExtractAllScenes;
        const auto expected = storedTexts(good, dir.filePath("good.ini"));
        const auto actual = storedTexts(loaded, dir.filePath("loaded.ini"));
        const auto defaults = storedTexts(ProcessSettings{}, dir.filePath("defaults.ini"));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(actual.value(it.key()), it.key() == name ? defaults.value(name) : it.value());
    }

    void flags_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("value");
        QTest::addRow("True") << "True" << true;
        QTest::addRow("lower-case false") << "false" << false;
        QTest::addRow("zero") << "0" << false;
        QTest::addRow("other number") << "-1" << true;
    }

    void flags()
    {
        QFETCH(QString, stored);
        QFETCH(bool, value);
        QCOMPARE(SettingsStore::toFlag(stored, "Tooltips"), value);
    }

    void destinationTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("index");
        QTest::addRow("deleted connection") << "//FTP: Gone//" << 0;
        QTest::addRow("no surrounding slashes") << "DIFFDIR" << 0;
        QTest::addRow("connection name without FTP prefix") << "//Home//" << 0;
        QTest::addRow("the configure command is no destination") << "//Configure FTP Servers...//" << 0;
        QTest::addRow("letter case counts") << "//FTP: home//" << 0;
    }

    void destinationTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, index);
        const QStringList items{"Output in Same Folder", "Output in Different Folder", "FTP: Home", "FTP: Work site",
                                "Configure FTP Servers..."};
        QCOMPARE(DestinationIndexForToken(token, items), index);
    }

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
        QTest::addRow("slash and colon (next to the digits)") << "/1:" << false << false << 0 << "" << "1" << true << false;
        QTest::addRow("empty stays empty") << "" << false << false << 0 << "5" << "" << false << false;
        QTest::addRow("zero after a removed letter shows the zero message")
            << "0x" << false << false << 0 << "0" << "1" << false << true;
        QTest::addRow("above the maximum gives the previous text") << "101" << false << false << 100 << "10" << "10" << false << false;
        QTest::addRow("at the maximum") << "100" << false << false << 100 << "10" << "100" << false << false;
        QTest::addRow("maximum 0 is none") << "99999" << false << false << 0 << "9999" << "99999" << false << false;
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
