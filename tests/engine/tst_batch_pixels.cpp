// The batch's pixels against what ImageMagick's command-line tools make of the same source.
#include "batchfixture.h"

#include "support/fontfile.h"

#include <QElapsedTimer>

using namespace vexl;
using namespace vexl::test;

namespace {

// Runs one of ImageMagick's command-line tools; its standard output, trimmed.
QString tool(const QStringList &command)
{
    QProcess p;
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(command.join(' ')), p.readAllStandardError().constData());
        return QStringLiteral("(failed)");
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Per frame: format, size, canvas and offset, delay; as identify sees them.
QString facts(const QString &path)
{
    return tool({"identify", "-format", "%m %wx%h %Wx%H%X%Y %T;", path});
}

// Pixels that differ between frame `frame` of two files, by ImageMagick's compare.
int differing(const QString &a, const QString &b, int frame = 0)
{
    QProcess p;
    p.start("compare", {"-metric", "AE", QStringLiteral("%1[%2]").arg(a).arg(frame),
                        QStringLiteral("%1[%2]").arg(b).arg(frame), "null:"});
    p.waitForFinished(60000);
    bool ok = false;
    const int n = QString::fromLatin1(p.readAllStandardError()).trimmed().toInt(&ok);
    return ok ? n : -1;
}

} // namespace

class TestBatchPixels : public QObject
{
    Q_OBJECT

    QString m_font = FontFileName(QStringLiteral("Liberation Sans"));

    // Sources the rows start from, made by the command-line convert.
    bool makeSource(const QString &kind, const QString &path)
    {
        if (kind == "tiff1")
            return runConvert({"-size", "40x30", "gradient:red-blue", path});
        if (kind == "tiff3")
            return runConvert({"-size", "40x30", "gradient:red-blue", "gradient:green-yellow", "gradient:white-black", path});
        if (kind == "gif3" || kind == "gif3opt") {
            QStringList args{"-size", "40x30", "xc:white", "(", "-clone", "0", "-fill", "red", "-draw",
                             "rectangle 5,5 15,15", ")", "(", "-clone", "0", "-fill", "blue", "-draw",
                             "rectangle 20,10 30,20", ")", "-set", "delay", "25", "-loop", "3"};
            if (kind == "gif3opt")
                args << "-layers" << "optimize";
            return runConvert(args << path);
        }
        if (kind == "jpg92")
            return runConvert({"-size", "160x60", "gradient:orange-navy", "-quality", "92", path});
        return runConvert({"-size", "160x60", "gradient:orange-navy", path});
    }

    // The label the batch should stamp (the text passed as an option: no character is syntax).
    QString referenceLabel(const QString &dir, const QString &text)
    {
        const QString label = dir + "/ref-label.png";
        tool({"convert", "-quality", "100", "-background", "none", "-fill", "rgb(0,0,0)", "-font", m_font, "-pointsize",
              "16", "-define", "ref:text=" + text, "label:%[ref:text]", label});
        return label;
    }

private slots:
    void initTestCase() { QVERIFY(QFileInfo(m_font).isFile()); }

    // The stamp reads exactly what was typed (after the meta tokens), whatever it holds.
    void overlayText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("drawn");
        QTest::addRow("closing number in brackets") << "Copyright [2024]" << "Copyright [2024]";
        QTest::addRow("scene-like end") << "take a[1]" << "take a[1]";
        QTest::addRow("opening bracket alone") << "[start here" << "[start here";
        QTest::addRow("wildcards and a leading @: no files read") << "@text.jpg a*.png ~x" << "@text.jpg a*.png ~x";
        QTest::addRow("per cent and escapes") << "50% off %w \\t" << "50% off %w \\t";
        QTest::addRow("UTF-8") << QString::fromUtf8("Größe – café") << QString::fromUtf8("Größe – café");
        QTest::addRow("meta token ending the text") << "size [WIDTH]" << "size 160";
    }
    void overlayText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, drawn);
        BatchFixture f;
        f.s.TextOverlay = true;
        f.s.TextOverlayText = typed;
        f.s.TextOverlayFace = QStringLiteral("Liberation Sans");
        f.s.TextOverlaySize = 16;
        QVERIFY(makeSource("png", f.inPath("photo.png")));
        f.add("photo.png");
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        const QString label = referenceLabel(f.world.path(), drawn);
        const QString ref = f.world.path("ref.png");
        tool({"composite", "-quality", "75", "-background", "none", "-compose", "Over", "-gravity", "NorthWest", label,
              f.inPath("photo.png"), ref});
        QCOMPARE(differing(f.outPath("photo.png"), ref), 0);
        QVERIFY(differing(f.outPath("photo.png"), f.inPath("photo.png")) > 50);
    }

    // Changed to another type: the first scene or every scene, each as convert makes it.
    void scenes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QString>("magick");
        const QStringList ext{"", "bmp", "gif", "jpg", "pcx", "png", "tiff", "miff", "tga"};
        const QStringList magick{"", "BMP", "GIF", "JPEG", "PCX", "PNG", "TIFF", "MIFF", "TGA"};
        for (int fmt : {1, 4, 7, 8}) // GIF, JPG and PNG: below
            QTest::addRow("1-page TIFF to %s", qPrintable(magick[fmt]))
                << "tiff1" << fmt << false << QStringList{"in." + ext[fmt]} << magick[fmt];
        for (int fmt : {1, 3, 5})
            QTest::addRow("3-page TIFF to %s, first page", qPrintable(magick[fmt]))
                << "tiff3" << fmt << false << QStringList{"in." + ext[fmt]} << magick[fmt];
        for (int fmt : {2, 3, 5, 8})
            QTest::addRow("3-page TIFF to %s, every page", qPrintable(magick[fmt]))
                << "tiff3" << fmt << true << QStringList{"in1." + ext[fmt], "in2." + ext[fmt], "in3." + ext[fmt]}
                << magick[fmt];
        QTest::addRow("optimised GIF to PNG, every scene")
            << "gif3opt" << 5 << true << QStringList{"in1.png", "in2.png", "in3.png"} << "PNG";
        QTest::addRow("optimised GIF to TIFF, every scene")
            << "gif3opt" << 6 << true << QStringList{"in1.tiff", "in2.tiff", "in3.tiff"} << "TIFF";
        QTest::addRow("plain GIF to JPG, first scene") << "gif3" << 3 << false << QStringList{"in.jpg"} << "JPEG";
    }
    void scenes()
    {
        QFETCH(QString, source);
        QFETCH(int, format);
        QFETCH(bool, all);
        QFETCH(QStringList, outputs);
        QFETCH(QString, magick);
        BatchFixture f;
        f.s.OutputFormat = format;
        f.s.AniExtractAllScenes = all;
        const QString in = source.startsWith("tiff") ? "in.tiff" : "in.gif";
        QVERIFY(makeSource(source, f.inPath(in)));
        f.add(in);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QCOMPARE(f.outFiles(), outputs);
        for (int i = 0; i < outputs.size(); ++i) {
            const QString out = f.outPath(outputs.at(i));
            QCOMPARE(facts(out).count(';'), 1);
            QCOMPARE(facts(out).section(' ', 0, 1), magick + " 40x30");
            // What convert makes of the scene (an animation's frames made whole first).
            const QString suffix = QFileInfo(out).suffix();
            QStringList command{"convert", f.inPath(in)};
            if (source.startsWith("gif"))
                command << "-coalesce";
            tool(command << "-quality" << "75" << "+adjoin" << f.world.path("ref-%d." + suffix));
            QCOMPARE(differing(out, f.world.path(QStringLiteral("ref-%1.").arg(i) + suffix)), 0);
        }
        QCOMPARE(f.inFiles(), QStringList{in});
    }

    // Kept in its type: every operation works on every scene; delays and the loop count stay.
    void keptWhole_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("expectedFacts");
        QTest::addRow("plain GIF, stamp") << "gif3" << "stamp" << QString("GIF 40x30 40x30+0+0 25;").repeated(3);
        QTest::addRow("optimised GIF, stamp") << "gif3opt" << "stamp" << QString("GIF 40x30 40x30+0+0 25;").repeated(3);
        QTest::addRow("optimised GIF, resize") << "gif3opt" << "resize" << QString("GIF 20x15 20x15+0+0 25;").repeated(3);
        QTest::addRow("3-page TIFF, stamp") << "tiff3" << "stamp" << QString("TIFF 40x30 40x30+0+0 0;").repeated(3);
    }
    void keptWhole()
    {
        QFETCH(QString, source);
        QFETCH(QString, operation);
        BatchFixture f;
        const QString in = source.startsWith("tiff") ? "in.tiff" : "in.gif";
        QVERIFY(makeSource(source, f.inPath(in)));
        f.add(in);
        f.s.TextOverlay = operation == "stamp";
        f.s.TextOverlayText = "Hi [x]";
        f.s.TextOverlayFace = QStringLiteral("Liberation Sans");
        f.s.TextOverlaySize = 16;
        f.s.DimensionMethod = operation == "resize" ? 2 : 0;
        f.s.DimensionWidth = "20";
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        const QString out = f.outPath(in);
        QTEST(facts(out), "expectedFacts");
        if (source.startsWith("gif"))
            QVERIFY(tool({"identify", "-verbose", out}).contains("Iterations: 3"));

        // The same by the command-line tools, frame by frame.
        const QString ref = f.world.path("ref." + QFileInfo(in).suffix());
        QStringList command{"convert", "-quality", "75"};
        if (operation == "stamp") {
            command << "-background" << "none" << "-compose" << "Over" << "-gravity" << "NorthWest" << f.inPath(in);
            if (source.startsWith("gif"))
                command << "-coalesce";
            command << "null:" << referenceLabel(f.world.path(), "Hi [x]") << "-layers" << "composite";
            tool(command << ref);
        } else { // mogrify, as the batch does, on a copy
            QVERIFY(QFile::copy(f.inPath(in), ref));
            tool({"mogrify", "-quality", "75", "-coalesce", "-geometry", "20x", ref});
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(differing(out, ref, i), 0);
        if (operation == "stamp") // stamped indeed
            QVERIFY(differing(out, f.inPath(in), 2) > 20);
    }

    // The stamp alone writes the image: with the quality asked, not the source's.
    void qualityOfAStampAlone()
    {
        BatchFixture f;
        f.s.TextOverlay = true;
        f.s.TextOverlayText = "q";
        f.s.JpgQuality = "30";
        QVERIFY(makeSource("jpg92", f.inPath("photo.jpg")));
        f.add("photo.jpg");
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(tool({"identify", "-format", "%Q", f.outPath("photo.jpg")}), QString("30"));
        QVERIFY(QFileInfo(f.outPath("photo.jpg")).size() < QFileInfo(f.inPath("photo.jpg")).size());
    }
};

VEXL_ENGINE_TEST_MAIN(TestBatchPixels)
#include "tst_batch_pixels.moc"
