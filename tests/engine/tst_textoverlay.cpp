// Text overlay colours (what the stamp reads: tst_batch_pixels; a label that
// cannot be written: tst_imageoperations' failedStepAsks).
#include "batchfixture.h"

#include "engine/textoverlay.h"

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
};

VEXL_ENGINE_TEST_MAIN(TestTextOverlay)
#include "tst_textoverlay.moc"
