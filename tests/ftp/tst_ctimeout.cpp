// The watchdog: whole seconds, periodic, restartable.

#include "ftptesthelpers.h"

#include "ftp/ctimeout.h"

#include <QSignalSpy>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

class TestCTimeout : public QObject
{
    Q_OBJECT

private slots:
    void zeroArmsNothing()
    {
        CTimeout t;
        t.setTimeOutValue(0);
        QSignalSpy spy(&t, &CTimeout::TimeOut);
        t.StartTimer();
        t.Reset();
        QVERIFY(!t.isRunning());
        QVERIFY(!spy.wait(1500));
    }

    void resetKeepsItFromFiring()
    {
        CTimeout t;
        t.setTimeOutValue(1);
        QSignalSpy spy(&t, &CTimeout::TimeOut);
        t.StartTimer();
        QTimer resetter;
        connect(&resetter, &QTimer::timeout, &t, &CTimeout::Reset);
        resetter.start(300);
        QVERIFY(!spy.wait(2500));
        resetter.stop();
        QVERIFY(spy.wait(2000)); // once left alone it fires
    }

    void intervalTooLargeIsRefused()
    {
        CTimeout t;
        t.setTimeOutValue(3000000); // more milliseconds than the system timer takes
        QCOMPARE(raised([&] { t.StartTimer(); }),
                 QStringLiteral("17002 MTimeOutSupport.RegisterTimer: Cannot create the timer"));
        QVERIFY(!t.isRunning());
    }
};

QTEST_GUILESS_MAIN(TestCTimeout)
#include "tst_ctimeout.moc"
