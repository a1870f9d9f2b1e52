// A batch meets broken, hostile and oddly named files: each bad file costs one
// question, every other image is processed, nothing else is touched.
#include "batchfixture.h"
#include "hostilefiles.h"

#include <QElapsedTimer>
#include <QRegularExpression>

using namespace vexl;
using namespace vexl::test;

namespace {
qint64 peakKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+)"));
    return hwm.match(QString::fromLatin1(f.readAll())).captured(1).toLongLong();
}
} // namespace

class TestBatchBadInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageEngine::initialize(); }

    void brokenAndHostileFilesAskOnceEach()
    {
        BatchFixture f;
        f.s.MiscAntialias = true;
        f.s.RenamePrefix = QStringLiteral("t_");
        QVERIFY(f.addImage(QStringLiteral("a_good.jpg"), 64, 48));
        const std::pair<const char *, QByteArray> bad[] = {
            {"b_text.jpg", "this is not an image\n"},
            {"c_zero.png", QByteArray()},
            {"d_truncated.jpg", fileBytes(f.inPath(QStringLiteral("a_good.jpg"))).left(300)},
            {"e_bomb.png", pngBomb(65000, 65000)},
            {"f_frames.gif", gifOf(100000, 4, 4)},
            {"g_svg.gif", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60000\" height=\"60000\"/>"},
        };
        for (const auto &[name, bytes] : bad) {
            QVERIFY(writeFile(f.inPath(QLatin1String(name)), bytes));
            f.add(QLatin1String(name));
        }
        QVERIFY(f.addImage(QStringLiteral("z_good.png"), 50, 40));
        QMap<QString, QByteArray> before;
        for (const QString &item : f.input.items)
            before.insert(item, checksum(f.inPath(item)));
        f.host.defaultAnswer = MsgAnswer::Yes;

        const qint64 memoryBefore = peakKiB();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(peakKiB() - memoryBefore < 300 * 1024);

        // One question per bad file, naming it; the good images are done.
        QCOMPARE(f.host.asked.size(), int(std::size(bad)) + 1);
        for (int i = 0; i < int(std::size(bad)); ++i)
            QVERIFY2(f.host.asked.at(i).title == QLatin1String("ImageMagick Error"), qPrintable(f.host.asked.at(i).text));
        QVERIFY(f.finished());
        QCOMPARE(imageSize(f.outPath(QStringLiteral("t_a_good.jpg"))), qMakePair(64, 48));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("t_z_good.png"))), qMakePair(50, 40));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(checksum(f.inPath(it.key())), it.value());
    }

    void oddNamesAreReadAndWrittenAsThemselves()
    {
        BatchFixture f;
        f.s.MiscFlipHoriz = true;
        f.s.RenameSuffix = QStringLiteral("_x");
        const QStringList odd = {QStringLiteral("c?.png"),  QStringLiteral("c*.png"),   QStringLiteral("photo[1].png"),
                                 QStringLiteral("s%d.png"), QStringLiteral("50%.png"),  QStringLiteral("two words.png"),
                                 QStringLiteral("-dash.png")};
        for (int i = 0; i < odd.size(); ++i)
            QVERIFY(f.addImage(odd.at(i), 31 + i, 20, unsigned(i + 1)));
        // Neighbours that a pattern would match.
        for (const char *name : {"c1.png", "photo.png", "s1.png", "c1_x.png", "photo_x.png"})
            QVERIFY(makeImage(f.inPath(QLatin1String(name)), 10, 10, 9));
        f.s.OutputDir = f.in;
        QMap<QString, QByteArray> neighbours;
        for (const char *name : {"c1.png", "photo.png", "s1.png", "c1_x.png", "photo_x.png"})
            neighbours.insert(QLatin1String(name), checksum(f.inPath(QLatin1String(name))));

        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.asked.size(), 1); // only "Process Finished!"
        for (int i = 0; i < odd.size(); ++i) {
            const QString out = f.inPath(QString(odd.at(i)).replace(QStringLiteral(".png"), QStringLiteral("_x.png")));
            QCOMPARE(imageSize(out), qMakePair(31 + i, 20));
        }
        for (auto it = neighbours.cbegin(); it != neighbours.cend(); ++it)
            QCOMPARE(checksum(f.inPath(it.key())), it.value());
        QCOMPARE(f.inFiles().size(), 2 * odd.size() + neighbours.size());
    }
};

QTEST_GUILESS_MAIN(TestBatchBadInput)
#include "tst_batch_badinput.moc"
