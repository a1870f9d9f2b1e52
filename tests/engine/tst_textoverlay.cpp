// Text overlay colours and labels (what the stamp reads: tst_batch_pixels; a
// label that cannot be written: tst_imageoperations' failedStepAsks).
#include "batchfixture.h"

#include "engine/imageengine.h"
#include "engine/textoverlay.h"

#include <QTemporaryDir>

using namespace vexl;
using namespace vexl::test;

class TestTextOverlay : public QObject
{
    Q_OBJECT
private slots:
    void colours()
    {
        QCOMPARE(LongToRGB(0x123456), QStringLiteral("rgb(86,52,18)")); // 0x00BBGGRR
        QCOMPARE(LongToRGB(qint32(0x80000005)), QStringLiteral("rgb(5,0,0)")); // a system colour keeps its low digits
        QCOMPARE(HexToDec(QStringLiteral("#FF")), 255);
    }

    // A label's bytes follow from its text and font, not from the second it
    // was made in: the stamp worked ahead with one image's label is taken for
    // the next image's.
    void labelCarriesNoTime()
    {
        ImageEngine::initialize();
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.png"));
        QVERIFY(MakeTextLabel(label, QStringLiteral("Example"), OverlayFont{}));
        const QByteArray bytes = fileBytes(label);
        QVERIFY(bytes.startsWith("\x89PNG"));
        QVERIFY(!bytes.contains("tIME"));
        QVERIFY(!bytes.contains("date:"));
    }
};

VEXL_ENGINE_TEST_MAIN(TestTextOverlay)
#include "tst_textoverlay.moc"
