// Process log, error report, URL encoding and the version text (the error report is a window).
#include "support/apppaths.h"
#include "support/appversion.h"
#include "support/dialogservice.h"
#include "windows/frmerror.h"
#include "support/processlog.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

using namespace vexl;

class TestSupport : public QObject
{
    Q_OBJECT
private slots:
    void processLogWritesOnlyTheStartLine()
    {
        test::TestWorld world;
        test::writeFile(ProcessLog::logFilePath(), "old run\r\nmore\r\n");
        ProcessLog log;
        log.OpenProcessLog();
        log.AddCurrOp(QStringLiteral("FormatBytes"), QStringLiteral("12345"), QString());
        log.AddCurrOp(QString(), QString(), QStringLiteral("Declaring"), true);
        log.close();
        QCOMPARE(test::fileBytes(ProcessLog::logFilePath()), QByteArray("0> MAIN - Process Started\r\n"));
        QCOMPARE(log.CurrentOperation(), QStringLiteral("0> MAIN - Process Started"));
        QCOMPARE(ProcessLog::ReadProcessLog(), QStringLiteral("0> MAIN - Process Started\r\n"));

        // A second run of the same window goes on counting.
        log.OpenProcessLog();
        log.close();
        QCOMPARE(ProcessLog::ReadProcessLog(), QStringLiteral("1> MAIN - Process Started\r\n"));
    }

    void urlEncode_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addRow("blank ampersand percent") << "a b&c%d" << "a%20b%26c%d";
        QTest::addRow("lone LF stays") << "a\nb" << "a\nb";
        QTest::addRow("slash tilde") << "/~" << "%2F%7E";
        QTest::addRow("brackets and at") << "[x]@{y}" << "%5Bx%5D%40%7By%7D";
    }
    void urlEncode()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(UrlEncode(in), out);
    }

    void errorReportDetailsAndLink()
    {
        const ErrorReport r{.title = "Processing Images Error", .description = "(3) Disk full", .windowName = "frmGo",
                            .procedureName = "Form_Activate", .operation = "0> MAIN - Process Started",
                            .settings = "txtWidth.Text = \"100\"\r\n", .errNumber = 61,
                            .errSource = "ProcessLog.AddCurrOp", .errDescription = "Disk full"};
        frmError dialog;
        dialog.setReport(r);
        QCOMPARE(dialog.windowTitle(), r.title);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblID"))->text(), QStringLiteral("61"));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblDescription"))->text(),
                 QStringLiteral("Description: (3) Disk full"));
        const QString details = frmError::DetailsText(r);
        QCOMPARE(details, QStringLiteral("SOURCE: ProcessLog.AddCurrOp/Form_Activate\r\nNUMBER: 61\r\n"
                                         "OPERATION: 0> MAIN - Process Started\r\nFATAL: False\r\n"
                                         "DESCRIPTION: Disk full\r\nSETTINGS: \r\ntxtWidth.Text = \"100\"\r\n"));
        const QString url = dialog.bugReportUrl();
        QVERIFY(url.startsWith(WebBaseAddress() + QStringLiteral("feedback.php?type=bug&progid=52&progver=")));
        QVERIFY(url.contains(QStringLiteral("&window=frmGo&desc=SOURCE%3A%20ProcessLog%2EAddCurrOp%2FForm%5FActivate%0DNUMBER%3A%2061%0D")));
    }

    // A fatal report ends the program once it is closed; a non-fatal one returns.
    void fatalReportEndsTheProgram_data()
    {
        QTest::addColumn<bool>("fatal");
        QTest::addRow("not fatal") << false;
        QTest::addRow("fatal") << true;
    }
    void fatalReportEndsTheProgram()
    {
        QFETCH(bool, fatal);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--report"), fatal ? QStringLiteral("fatal") : QStringLiteral("plain")});
        QVERIFY(child.waitForFinished(20000));
        const QByteArray out = child.readAllStandardOutput();
        QVERIFY(child.readAllStandardError().contains("(7) Child failure"));
        QCOMPARE(out.contains("after the report"), !fatal);
        QCOMPARE(child.exitCode() != 0, fatal);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0) {
        // The terminal dialog service shows the report on stderr.
        QCoreApplication app(argc, argv);
        ErrorReport r;
        r.description = QStringLiteral("(7) Child failure");
        r.fatal = qstrcmp(argv[2], "fatal") == 0;
        DisplayError(r);
        printf("after the report\n");
        return 0;
    }
    QApplication app(argc, argv);
    TestSupport t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_errorreport.moc"
