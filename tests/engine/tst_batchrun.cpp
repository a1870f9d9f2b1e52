// The batch spine: start checks, the per-image loop, copy / rename / scene
// extraction, source deletion, the failure questions and Stop.

#include "batchfixture.h"

#include "mainwindow/settingsstore.h"

#include <QFile>

Q_DECLARE_METATYPE(vexl::BatchOutcome)

using namespace vexl;
using namespace vexl::test;

namespace {
struct Asked
{
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};
} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

private slots:
    void startChecks_data();
    void startChecks();
    void cancelStoresIgnoreAndLaterRunsAskNothing();

    void noTickedImage();
    void runsOnlyOncePerStartRequest();
    void captionsAndProgress();
    void stopDuringThirdImage();
    void copyFailure_data();
    void copyFailure();
    void dirCreateFailure_data();
    void dirCreateFailure();

    void renameOnlySameNameLeavesFileUntouched();
    void renameOnlyThroughLinkedFolderLeavesFileUntouched();
    void renameOnlyMovesTheFile();
    void renameOnlyFailureAsksCopyError();
    void deleteOldAfterCopy();
    void deleteOldNeverDeletesSourceThatIsTheOutput();
    void namesDifferingInCaseAreTwoFiles();

    void scenesOfAnimatedGif();
    void animatedGifExtractAllScenes();
    void animatedGifFailingSceneEndsTheImage();
    void stopDuringAnimatedGifFinishesAllScenes();
    void animatedGifFirstSceneOnly();
    void animatedGifKeptAsGifCopiedWhole();
};

// ---------------------------------------------------------------- start checks

void TestBatchRun::startChecks_data()
{
    QTest::addColumn<bool>("deleteOld");
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("greyscale");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("spaces");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("numbering");
    QTest::addColumn<QString>("outputDir"); // "same", "linked" or "other"
    QTest::addColumn<int>("ignore");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expectedTitle"); // "" = no question
    QTest::addColumn<QString>("expectedWord");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("stores");

    const int yes = int(MsgAnswer::Yes);
    const int no = int(MsgAnswer::No);
    const int cancel = int(MsgAnswer::Cancel);
    // clang-format off
    QTest::addRow("delete old warns even when nothing overwrites")
        << true << 0 << false << 0 << 0 << "th_" << "" << false << "other" << 0 << yes
        << "Delete Warning" << "delete orignal images" << true << false;
    QTest::addRow("delete old answered No does not start")
        << true << 0 << false << 0 << 0 << "" << "" << false << "same" << 0 << no
        << "Delete Warning" << "delete orignal images" << false << false;
    QTest::addRow("delete old answered Cancel stores and starts")
        << true << 1 << false << 0 << 0 << "" << "" << false << "same" << 0 << cancel
        << "Delete Warning" << "delete orignal images" << true << true;
    QTest::addRow("same folder resize: IMMINENT")
        << false << 1 << false << 0 << 0 << "" << "" << false << "same" << 0 << yes
        << "Overwrite Warning" << "IMMINENT" << true << false;
    QTest::addRow("same folder greyscale only: IMMINENT")
        << false << 0 << true << 0 << 0 << "" << "" << false << "same" << 0 << yes
        << "Overwrite Warning" << "IMMINENT" << true << false;
    QTest::addRow("same folder through a link: IMMINENT")
        << false << 1 << false << 0 << 0 << "" << "" << false << "linked" << 0 << yes
        << "Overwrite Warning" << "IMMINENT" << true << false;
    QTest::addRow("IMMINENT answered No does not start")
        << false << 1 << false << 0 << 0 << "" << "" << false << "same" << 0 << no
        << "Overwrite Warning" << "IMMINENT" << false << false;
    QTest::addRow("same folder resize and format change: MEDIUM")
        << false << 1 << false << 5 << 0 << "" << "" << false << "same" << 0 << yes
        << "Overwrite Warning" << "MEDIUM" << true << false;
    QTest::addRow("same folder format change only: MEDIUM")
        << false << 0 << false << 3 << 0 << "" << "" << false << "same" << 0 << yes
        << "Overwrite Warning" << "MEDIUM" << true << false;
    QTest::addRow("same folder resize and spaces rule: MEDIUM")
        << false << 1 << false << 0 << 1 << "" << "" << false << "same" << 0 << cancel
        << "Overwrite Warning" << "MEDIUM" << true << true;
    QTest::addRow("same folder with a prefix: none")
        << false << 1 << false << 0 << 0 << "th_" << "" << false << "same" << 0 << yes
        << "" << "" << true << false;
    QTest::addRow("same folder with a suffix: none")
        << false << 1 << false << 0 << 0 << "" << "_s" << false << "same" << 0 << yes
        << "" << "" << true << false;
    QTest::addRow("same folder numbered: none")
        << false << 1 << false << 0 << 0 << "" << "" << true << "same" << 0 << yes
        << "" << "" << true << false;
    QTest::addRow("other folder: none")
        << false << 1 << false << 0 << 0 << "" << "" << false << "other" << 0 << yes
        << "" << "" << true << false;
    QTest::addRow("same folder renaming only: none")
        << false << 0 << false << 0 << 1 << "" << "" << false << "same" << 0 << yes
        << "" << "" << true << false;
    QTest::addRow("warnings switched off: none even with delete old")
        << true << 1 << false << 0 << 0 << "" << "" << false << "same" << 1 << no
        << "" << "" << true << false;
    // clang-format on
}

void TestBatchRun::startChecks()
{
    QFETCH(bool, deleteOld);
    QFETCH(int, method);
    QFETCH(bool, greyscale);
    QFETCH(int, format);
    QFETCH(int, spaces);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(bool, numbering);
    QFETCH(QString, outputDir);
    QFETCH(int, ignore);
    QFETCH(int, answer);
    QFETCH(QString, expectedTitle);
    QFETCH(QString, expectedWord);
    QFETCH(bool, starts);
    QFETCH(bool, stores);

    BatchFixture f;
    QVERIFY(QFile::link(f.in, f.world.path(QStringLiteral("link"))));
    ProcessSettings &s = f.s;
    s.DeleteOld = deleteOld;
    s.DimensionMethod = method;
    s.MiscGreyscale = greyscale;
    s.OutputFormat = format;
    s.Spaces = spaces;
    s.RenamePrefix = prefix;
    s.RenameSuffix = suffix;
    s.SequentialNumber = numbering;
    s.OutputDir = outputDir == QLatin1String("same") ? f.in
        : outputDir == QLatin1String("linked")      ? f.world.path(QStringLiteral("link"))
                                                    : f.out;

    QList<Asked> asked;
    int stored = 0;
    const bool started = BatchRun::StartChecks(
        s, f.input.currentFolder, ignore,
        [&](const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) {
            asked << Asked{text, title, buttons, icon};
            return MsgAnswer(answer);
        },
        [&] { ++stored; });

    QCOMPARE(started, starts);
    QCOMPARE(stored, stores ? 1 : 0);
    if (expectedTitle.isEmpty()) {
        QCOMPARE(asked.size(), 0);
        return;
    }
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, expectedTitle);
    QVERIFY2(asked.first().text.contains(expectedWord), qPrintable(asked.first().text));
    QVERIFY(asked.first().text.contains(QLatin1String("Press 'Cancel' to never see this message again")));
    QCOMPARE(asked.first().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(asked.first().icon, MsgIcon::Question);
}

void TestBatchRun::cancelStoresIgnoreAndLaterRunsAskNothing()
{
    BatchFixture f;
    f.s.DeleteOld = true;
    SettingsStore store;
    int questions = 0;
    const auto ask = [&](const QString &, MsgButtons, MsgIcon, const QString &) {
        ++questions;
        return MsgAnswer::Cancel;
    };
    const auto storeIgnore = [&] { store.setText(QStringLiteral("IgnoreOverwriteWarnings"), QStringLiteral("1")); };

    QVERIFY(BatchRun::StartChecks(f.s, f.input.currentFolder,
                                  int(store.number(QStringLiteral("IgnoreOverwriteWarnings"), 0)), ask, storeIgnore));
    QCOMPARE(questions, 1);
    store.sync();
    QCOMPARE(SettingsStore().text(QStringLiteral("IgnoreOverwriteWarnings")), QStringLiteral("1"));

    // A later start, with a setting that would warn of an imminent overwrite.
    f.s.DeleteOld = false;
    f.s.DimensionMethod = 1;
    f.s.OutputDir = f.in;
    QVERIFY(BatchRun::StartChecks(f.s, f.input.currentFolder,
                                  int(SettingsStore().number(QStringLiteral("IgnoreOverwriteWarnings"), 0)), ask,
                                  storeIgnore));
    QCOMPARE(questions, 1);
}

// ---------------------------------------------------------------- the loop

void TestBatchRun::noTickedImage()
{
    BatchFixture f;
    QVERIFY(makeImage(f.inPath(QStringLiteral("a.jpg")), 20, 10));
    f.add(QStringLiteral("a.jpg"), false);
    QCOMPARE(f.go(), BatchOutcome::NoImages);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("No Images")});
    QCOMPARE(f.host.asked.first().text, QStringLiteral("Please Select at least 1 Image to Process!"));
    QCOMPARE(f.host.asked.first().icon, MsgIcon::Exclamation);
    QVERIFY(f.outFiles().isEmpty());
}

void TestBatchRun::runsOnlyOncePerStartRequest()
{
    BatchFixture f;
    QVERIFY(f.addImage(QStringLiteral("a.jpg")));
    QCOMPARE(f.run.Run(f.s, f.input, f.host), BatchOutcome::NotStarted);
    QVERIFY(f.host.asked.isEmpty());
    QVERIFY(f.outFiles().isEmpty());

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("a.jpg")});
    // A second activation without a new start request does nothing.
    QCOMPARE(f.run.Run(f.s, f.input, f.host), BatchOutcome::NotStarted);
    QCOMPARE(f.host.count(QStringLiteral("Done")), 1);
}

void TestBatchRun::captionsAndProgress()
{
    BatchFixture f;
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("img%1.png").arg(i);
        QVERIFY(makeImage(f.inPath(name), 12, 8, unsigned(i)));
        f.add(name, i != 2); // one unticked item in the middle
    }
    QStringList seen;
    f.host.onImage = [&](int position, int count, const QString &item) {
        Q_UNUSED(position);
        Q_UNUSED(count);
        seen << f.host.caption() + QLatin1Char(' ') + item;
    };
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(seen, (QStringList{QStringLiteral("Processing Images (0/5) img0.png"),
                                QStringLiteral("Processing Images (1/5) img1.png"),
                                QStringLiteral("Processing Images (2/5) img3.png"),
                                QStringLiteral("Processing Images (3/5) img4.png"),
                                QStringLiteral("Processing Images (4/5) img5.png")}));
    QCOMPARE(f.host.progressMax, 5);
    QCOMPARE(f.host.progressValues, (QList<int>{0, 1, 2, 3, 4, 5}));
    QVERIFY(f.finished());
    QCOMPARE(f.host.asked.last().icon, MsgIcon::Information);
    QCOMPARE(f.host.asked.size(), 1);
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("img0.png"), QStringLiteral("img1.png"),
                                        QStringLiteral("img3.png"), QStringLiteral("img4.png"),
                                        QStringLiteral("img5.png")}));
}

void TestBatchRun::stopDuringThirdImage()
{
    BatchFixture f;
    f.s.MiscFlipHoriz = true;
    for (int i = 1; i <= 5; ++i)
        QVERIFY(f.addImage(QStringLiteral("p%1.png").arg(i), 16, 8, unsigned(i)));
    f.host.onImage = [&](int position, int, const QString &) {
        if (position == 3)
            f.run.requestStop();
    };
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("p1.png"), QStringLiteral("p2.png"), QStringLiteral("p3.png")}));
    // The third image was finished: mirrored like the others.
    const QImage src(f.inPath(QStringLiteral("p3.png")));
    const QImage res(f.outPath(QStringLiteral("p3.png")));
    QCOMPARE(res.pixel(0, 0), src.pixel(15, 0));
    QCOMPARE(f.host.captions.size(), 3);
    QVERIFY(f.finished());
    QCOMPARE(f.host.progressValues.last(), 3);
}

void TestBatchRun::copyFailure_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expectedOut");
    QTest::addColumn<BatchOutcome>("outcome");
    QTest::addRow("Yes skips the image and goes on")
        << int(MsgAnswer::Yes) << QStringList{QStringLiteral("th_a.png"), QStringLiteral("th_c.png")}
        << BatchOutcome::Finished;
    QTest::addRow("No ends the run") << int(MsgAnswer::No) << QStringList{QStringLiteral("th_a.png")}
                                     << BatchOutcome::EndedByNo;
}

void TestBatchRun::copyFailure()
{
    QFETCH(int, answer);
    QFETCH(QStringList, expectedOut);
    QFETCH(BatchOutcome, outcome);

    BatchFixture f;
    f.s.RenamePrefix = QStringLiteral("th_");
    f.s.MiscFlipHoriz = true; // would fail on the folder if the skipped steps ran
    f.s.DeleteOld = true;
    for (const char *name : {"a.png", "b.png", "c.png"})
        QVERIFY(f.addImage(QLatin1String(name), 20, 10));
    // A folder stands where b's output file must go.
    QVERIFY(QDir().mkpath(f.outPath(QStringLiteral("th_b.png"))));
    f.host.answers.push_back(MsgAnswer(answer));

    QCOMPARE(f.go(), outcome);
    QCOMPARE(f.host.titles(), (QStringList{QStringLiteral("Copy Error"), QStringLiteral("Done")}));
    const ShownDialog &q = f.host.asked.first();
    QVERIFY2(q.text.startsWith(QStringLiteral("Could not copy \"%1\" to \"%2\"!\r\nDo you want to continue processing images?\r\n\r\n")
                                   .arg(f.inPath(QStringLiteral("b.png")), f.outPath(QStringLiteral("th_b.png")))),
             qPrintable(q.text));
    QVERIFY(q.text.size() > q.text.indexOf(QLatin1String("\r\n\r\n")) + 4); // the system's reason follows
    QCOMPARE(q.buttons, MsgButtons::YesNo);
    QCOMPARE(q.icon, MsgIcon::Question);
    QVERIFY(f.finished());
    QCOMPARE(f.outFiles(), expectedOut);
    QVERIFY(QFileInfo(f.outPath(QStringLiteral("th_b.png"))).isDir());
    // b was not copied, so it was not deleted either.
    QVERIFY(QFile::exists(f.inPath(QStringLiteral("b.png"))));
    QVERIFY(!QFile::exists(f.inPath(QStringLiteral("a.png"))));
    QCOMPARE(QFile::exists(f.inPath(QStringLiteral("c.png"))), answer == int(MsgAnswer::No));
    QVERIFY(f.host.errors.isEmpty());
}

void TestBatchRun::dirCreateFailure_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<BatchOutcome>("outcome");
    QTest::addRow("Yes skips the image and goes on") << int(MsgAnswer::Yes) << 2 << BatchOutcome::Finished;
    QTest::addRow("No ends the run") << int(MsgAnswer::No) << 1 << BatchOutcome::EndedByNo;
}

void TestBatchRun::dirCreateFailure()
{
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(BatchOutcome, outcome);

    BatchFixture f;
    f.s.ReplicateSubDirs = true;
    f.s.DeleteOld = true;
    f.input.recurse = true;
    QVERIFY(f.addImage(QStringLiteral("sub/a.png")));
    QVERIFY(f.addImage(QStringLiteral("sub/b.png")));
    QVERIFY(f.addImage(QStringLiteral("c.png")));
    // A file stands where the replicated folder must be made.
    QVERIFY(writeFile(f.outPath(QStringLiteral("sub")), "not a folder"));
    f.host.answers = {MsgAnswer(answer), MsgAnswer(answer)};

    QCOMPARE(f.go(), outcome);
    QCOMPARE(f.host.count(QStringLiteral("Dir Create Error")), questions);
    QCOMPARE(f.host.asked.first().text,
             QStringLiteral("Error creating directory:\r\n%1/sub\r\n\r\nDo you want to continue?").arg(f.out));
    QVERIFY(f.finished());
    // Nothing was produced for the sub-folder's images, so nothing was deleted.
    QVERIFY(QFile::exists(f.inPath(QStringLiteral("sub/a.png"))));
    QVERIFY(QFile::exists(f.inPath(QStringLiteral("sub/b.png"))));
    if (outcome == BatchOutcome::Finished)
        QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("c.png"), QStringLiteral("sub")}));
    else
        QCOMPARE(f.outFiles(), QStringList{QStringLiteral("sub")});
}

// ---------------------------------------------------------------- rename, copy, delete

void TestBatchRun::renameOnlySameNameLeavesFileUntouched()
{
    BatchFixture f;
    f.s.DeleteOld = true;
    f.s.OutputDir = f.in;
    QVERIFY(f.addImage(QStringLiteral("a.jpg")));
    const QString path = f.inPath(QStringLiteral("a.jpg"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime));
    }
    const QByteArray sum = checksum(path);
    const quint64 node = inode(path);

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.inFiles(), QStringList{QStringLiteral("a.jpg")});
    QCOMPARE(checksum(path), sum);
    QCOMPARE(inode(path), node);
    QCOMPARE(QFileInfo(path).lastModified(), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
}

void TestBatchRun::renameOnlyThroughLinkedFolderLeavesFileUntouched()
{
    // The output folder names the input folder through a link: same file, nothing to do.
    BatchFixture f;
    f.s.DeleteOld = true;
    const QString link = f.world.path(QStringLiteral("link"));
    QVERIFY(QFile::link(f.in, link));
    f.s.OutputDir = link;
    QVERIFY(f.addImage(QStringLiteral("a.jpg")));
    const QString path = f.inPath(QStringLiteral("a.jpg"));
    const QByteArray sum = checksum(path);
    const quint64 node = inode(path);

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QVERIFY2(f.host.errors.isEmpty(), qPrintable(f.host.errors.value(0).description));
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.inFiles(), QStringList{QStringLiteral("a.jpg")});
    QCOMPARE(checksum(path), sum);
    QCOMPARE(inode(path), node);
}

void TestBatchRun::renameOnlyMovesTheFile()
{
    BatchFixture f;
    f.s.DeleteOld = true;
    f.s.RenamePrefix = QStringLiteral("new_");
    QVERIFY(f.addImage(QStringLiteral("a.jpg"), 20, 10));
    QVERIFY(f.addImage(QStringLiteral("b.jpg"), 20, 10, 2));
    // An older file of the output name is replaced.
    QVERIFY(writeFile(f.outPath(QStringLiteral("new_b.jpg")), "old"));
    const quint64 nodeA = inode(f.inPath(QStringLiteral("a.jpg")));
    const QByteArray sumB = checksum(f.inPath(QStringLiteral("b.jpg")));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QVERIFY(f.inFiles().isEmpty());
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("new_a.jpg"), QStringLiteral("new_b.jpg")}));
    QCOMPARE(inode(f.outPath(QStringLiteral("new_a.jpg"))), nodeA); // moved, not copied
    QCOMPARE(checksum(f.outPath(QStringLiteral("new_b.jpg"))), sumB);
}

void TestBatchRun::renameOnlyFailureAsksCopyError()
{
    // The move into a folder that does not exist fails: the step's question, not
    // the end of the run.
    BatchFixture f;
    f.s.DeleteOld = true;
    f.s.ReplicateSubDirs = false;
    f.s.OutputDir = f.world.path(QStringLiteral("missing"));
    QVERIFY(f.addImage(QStringLiteral("a.jpg")));
    QVERIFY(f.addImage(QStringLiteral("b.jpg")));
    f.yes(2);

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QVERIFY2(f.host.errors.isEmpty(), qPrintable(f.host.errors.value(0).description));
    QCOMPARE(f.host.titles(),
             (QStringList{QStringLiteral("Copy Error"), QStringLiteral("Copy Error"), QStringLiteral("Done")}));
    QVERIFY(f.host.asked.first().text.startsWith(
        QStringLiteral("Could not copy \"%1\" to \"%2/a.jpg\"!").arg(f.inPath(QStringLiteral("a.jpg")), f.s.OutputDir)));
    QCOMPARE(f.inFiles(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
}

void TestBatchRun::deleteOldAfterCopy()
{
    BatchFixture f;
    f.s.DeleteOld = true;
    f.s.MiscAntialias = true;
    f.s.RenamePrefix = QStringLiteral("th_");
    QVERIFY(f.addImage(QStringLiteral("a.jpg")));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("th_a.jpg")});
    QVERIFY(f.inFiles().isEmpty());
    QCOMPARE(imageSize(f.outPath(QStringLiteral("th_a.jpg"))), qMakePair(40, 30));
}

void TestBatchRun::deleteOldNeverDeletesSourceThatIsTheOutput()
{
    // Same folder reached through a link and no new name: the image is worked on
    // in place and kept.
    BatchFixture f;
    f.s.DeleteOld = true;
    f.s.MiscFlipVert = true;
    const QString link = f.world.path(QStringLiteral("link"));
    QVERIFY(QFile::link(f.in, link));
    f.s.OutputDir = link;
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("q.png"))));
    f.add(QStringLiteral("q.png"));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.inFiles(), QStringList{QStringLiteral("q.png")});
    const QImage img(f.inPath(QStringLiteral("q.png")));
    QCOMPARE(img.pixel(0, 0), qRgb(0, 0, 255)); // flipped in place
}

void TestBatchRun::namesDifferingInCaseAreTwoFiles()
{
    BatchFixture f;
    f.s.Case = 1;
    f.s.MiscFlipHoriz = true;
    f.s.OutputDir = f.in;
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("Photo.png"))));
    f.add(QStringLiteral("Photo.png"));
    const QByteArray sum = checksum(f.inPath(QStringLiteral("Photo.png")));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.inFiles(), (QStringList{QStringLiteral("Photo.png"), QStringLiteral("photo.png")}));
    QCOMPARE(checksum(f.inPath(QStringLiteral("Photo.png"))), sum);
    QCOMPARE(QImage(f.inPath(QStringLiteral("photo.png"))).pixel(0, 0), qRgb(0, 255, 0));
}

// ---------------------------------------------------------------- animated GIFs

void TestBatchRun::scenesOfAnimatedGif()
{
    TestWorld world;
    const QString gif = world.path(QStringLiteral("anim.gif"));
    QVERIFY(makeAnimatedGif(gif, 12, 24, 16));
    QCOMPARE(BatchRun::GetNumScenes(gif), qint16(12));

    const QString still = world.path(QStringLiteral("still.gif"));
    QVERIFY(runConvert({QStringLiteral("-size"), QStringLiteral("8x8"), QStringLiteral("xc:red"), still}));
    QCOMPARE(BatchRun::GetNumScenes(still), qint16(1));
    QVERIFY(writeFile(world.path(QStringLiteral("text.gif")), "no picture here"));
    QCOMPARE(BatchRun::GetNumScenes(world.path(QStringLiteral("text.gif"))), qint16(0));
    QCOMPARE(BatchRun::GetNumScenes(world.path(QStringLiteral("missing.gif"))), qint16(0));

    // Scene 4 (0-based) of the test GIF is rgb(80,200,175).
    const QString scene = world.path(QStringLiteral("scene.png"));
    BatchRun::ExtractScene(gif, scene, 4);
    const QImage img(scene);
    QCOMPARE(img.size(), QSize(24, 16));
    QCOMPARE(QColor(img.pixel(5, 5)), QColor(80, 200, 175));
    QCOMPARE(formatOf(scene), QStringLiteral("PNG"));

    // A scene past the end reports nothing and writes nothing.
    BatchRun::ExtractScene(gif, world.path(QStringLiteral("none.png")), 40);
    QVERIFY(!QFile::exists(world.path(QStringLiteral("none.png"))));
}

void TestBatchRun::animatedGifExtractAllScenes()
{
    BatchFixture f;
    f.s.OutputFormat = 5; // PNG
    f.s.AniExtractAllScenes = true;
    f.s.DeleteOld = true;
    f.s.MiscInvert = true;
    QVERIFY(makeAnimatedGif(f.inPath(QStringLiteral("anim.gif")), 12, 24, 16));
    f.add(QStringLiteral("anim.gif"));
    QVERIFY(f.addImage(QStringLiteral("next.png"), 10, 10));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QVERIFY2(f.host.titles() == QStringList{QStringLiteral("Done")}, qPrintable(f.host.titles().join(QLatin1Char(','))));
    QStringList expected;
    for (int i = 1; i <= 12; ++i)
        expected << QStringLiteral("anim%1.png").arg(i, 2, 10, QLatin1Char('0'));
    expected << QStringLiteral("next.png");
    QCOMPARE(f.outFiles(), expected);
    // Every scene went through every operation (here: negate).
    for (int i = 0; i < 12; ++i) {
        const QString path = f.outPath(expected.at(i));
        QCOMPARE(formatOf(path), QStringLiteral("PNG"));
        const QColor c(QImage(path).pixel(3, 3));
        QCOMPARE(c, QColor(255 - (i * 20) % 256, 255 - (i * 50) % 256, (i * 20) % 256));
    }
    // The GIF went once its last scene was out; the progress moved once for it.
    QVERIFY(f.inFiles().isEmpty());
    QCOMPARE(f.host.progressValues, (QList<int>{0, 1, 2}));
    QCOMPARE(f.host.captions.size(), 2);
}

void TestBatchRun::animatedGifFailingSceneEndsTheImage()
{
    // An operation failing on scene 1, answered Yes: no further scenes, and the
    // GIF is kept because its last scene was never reached.
    BatchFixture f;
    f.s.OutputFormat = 5;
    f.s.AniExtractAllScenes = true;
    f.s.DeleteOld = true;
    f.s.MiscRotate = true;
    f.s.MiscRotateAngle = QStringLiteral("abc");
    QVERIFY(makeAnimatedGif(f.inPath(QStringLiteral("anim.gif")), 3, 24, 16));
    f.add(QStringLiteral("anim.gif"));
    f.yes();

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), (QStringList{QStringLiteral("ImageMagick Error"), QStringLiteral("Done")}));
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("anim1.png")});
    QCOMPARE(f.inFiles(), QStringList{QStringLiteral("anim.gif")});
    QCOMPARE(f.host.progressValues, (QList<int>{0, 1}));
}

void TestBatchRun::stopDuringAnimatedGifFinishesAllScenes()
{
    BatchFixture f;
    f.s.OutputFormat = 5;
    f.s.AniExtractAllScenes = true;
    QVERIFY(makeAnimatedGif(f.inPath(QStringLiteral("anim.gif")), 3, 24, 16));
    f.add(QStringLiteral("anim.gif"));
    QVERIFY(f.addImage(QStringLiteral("b.png"), 10, 10));
    f.host.onImage = [&](int position, int, const QString &) {
        if (position == 1)
            f.run.requestStop();
    };
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QVERIFY(f.finished());
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("anim1.png"), QStringLiteral("anim2.png"),
                                        QStringLiteral("anim3.png")}));
}

void TestBatchRun::animatedGifFirstSceneOnly()
{
    BatchFixture f;
    f.s.OutputFormat = 3; // JPG
    f.s.AniExtractAllScenes = false;
    QVERIFY(makeAnimatedGif(f.inPath(QStringLiteral("anim.gif")), 3, 24, 16));
    f.add(QStringLiteral("anim.gif"));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("anim.jpg")});
    QCOMPARE(formatOf(f.outPath(QStringLiteral("anim.jpg"))), QStringLiteral("JPEG"));
    const QColor c(QImage(f.outPath(QStringLiteral("anim.jpg"))).pixel(12, 8));
    QVERIFY2(qAbs(c.red() - 0) < 8 && qAbs(c.green() - 0) < 8 && qAbs(c.blue() - 255) < 8, // scene 0
             qPrintable(c.name()));
    QCOMPARE(f.host.progressValues, (QList<int>{0, 1}));
}

void TestBatchRun::animatedGifKeptAsGifCopiedWhole()
{
    BatchFixture f;
    f.s.RenamePrefix = QStringLiteral("th_");
    f.s.MiscFlipHoriz = true;
    f.s.AniExtractAllScenes = true;
    QVERIFY(makeAnimatedGif(f.inPath(QStringLiteral("anim.gif")), 3, 24, 16));
    f.add(QStringLiteral("anim.gif"));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("th_anim.gif")});
    QCOMPARE(BatchRun::GetNumScenes(f.outPath(QStringLiteral("th_anim.gif"))), qint16(3));
}

VEXL_ENGINE_TEST_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
