// The watchdog: whole seconds, periodic, restartable.

#include "ftptesthelpers.h"

#include "ftp/ctimeout.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace vexl;
using namespace vexl::test;

class TestCTimeout : public QObject
{
    Q_OBJECT

private slots:
    void zeroArmsNothing();
    void resetKeepsItFromFiring();
    void restartAfterStopWaitsAFullInterval();
    void twoTimersAreIndependent();
    void intervalTooLargeIsRefused();
};

void TestCTimeout::zeroArmsNothing()
{
    CTimeout t;
    t.setTimeOutValue(0);
    QSignalSpy spy(&t, &CTimeout::TimeOut);
    t.StartTimer();
    t.Reset();
    QVERIFY(!t.isRunning());
    QVERIFY(!spy.wait(1500));
}

void TestCTimeout::resetKeepsItFromFiring()
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

void TestCTimeout::restartAfterStopWaitsAFullInterval()
{
    CTimeout t;
    t.setTimeOutValue(1);
    QSignalSpy spy(&t, &CTimeout::TimeOut);
    t.StartTimer();
    QTest::qWait(700);
    t.StopTimer();
    QElapsedTimer clock;
    clock.start();
    t.StartTimer();
    QVERIFY(spy.wait(3000));
    QCOMPARE(spy.count(), 1);
    QVERIFY2(clock.elapsed() >= 990, qPrintable(QString::number(clock.elapsed())));
}

void TestCTimeout::twoTimersAreIndependent()
{
    auto first = std::make_unique<CTimeout>();
    CTimeout second;
    first->setTimeOutValue(1);
    second.setTimeOutValue(1);
    QSignalSpy secondSpy(&second, &CTimeout::TimeOut);
    first->StartTimer();
    second.StartTimer();
    first->StopTimer();
    first.reset();
    QVERIFY(secondSpy.wait(3000));
    QVERIFY(second.isRunning());
}

void TestCTimeout::intervalTooLargeIsRefused()
{
    CTimeout t;
    t.setTimeOutValue(3000000); // more milliseconds than the system timer takes
    QCOMPARE(raised([&] { t.StartTimer(); }),
             QStringLiteral("17002 MTimeOutSupport.RegisterTimer: Cannot create the timer"));
    QVERIFY(!t.isRunning());
}

QTEST_GUILESS_MAIN(TestCTimeout)
#include "tst_ctimeout.moc"
