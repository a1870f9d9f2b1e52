// The main window's preview, single-image commands and chrome, through its controls.
#include "mainwindowfixture.h"
#include "support/appversion.h"

#include <QApplication>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

using namespace vexl;
using namespace vexl::test;

namespace {
QString screenTwips()
{
    const QSize s = QGuiApplication::primaryScreen()->size();
    return QStringLiteral("%1x%2").arg(s.width() * 15).arg(s.height() * 15);
}

// Mirrored left to right, as "-flop" gives (the test images' blue grows to the right).
bool mirrored(const QImage &a, const QImage &b)
{
    const int w = a.width() - 1;
    return a.size() == b.size() && qBlue(a.pixel(0, 0)) + 20 < qBlue(a.pixel(w, 0))
        && qAbs(qBlue(a.pixel(0, 0)) - qBlue(b.pixel(w, 0))) < 8 && qAbs(qBlue(a.pixel(w, 0)) - qBlue(b.pixel(0, 0))) < 8;
}
} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageEngine::initialize(); }

    void previewMadeOnceAfterAFlipAndWhenEnabled()
    {
        Fixture f;
        QVERIFY(makeImage(f.path("a.png"), 80, 60));
        QVERIFY(makeAnimatedGif(f.path("anim.gif"), 12, 24, 16));
        QVERIFY(writeFile(f.path("bad.png"), "not an image"));
        QVERIFY(f.open(f.pics));

        // an animation's scene count in the caption (gone for a still image)
        auto *frame = f.c<QGroupBox>("fraViewPictureOuter");
        f.select("anim.gif");
        QCOMPARE(frame->title(), "View Picture (Scene 1/12)");
        QCOMPARE(f.label("lblImageDimensions")->text(), "Orig. Size: 24x16");
        QVERIFY(QFile::exists(AppPaths::tempFile("tmpscene0.gif")));

        quint64 calls = ImageEngine::callCount();
        f.select("a.png");
        QVERIFY(f.label("imgPreview")->isVisible());
        QCOMPARE(ImageEngine::callCount() - calls, 2u); // identify, convert
        QCOMPARE(f.label("lblImageDimensions")->text(), "Orig. Size: 80x60");
        QCOMPARE(f.label("imgPreview")->pixmap().size(), QSize(140, 105));
        QCOMPARE(frame->title(), "View Picture");
        const QImage before = f.label("imgPreview")->pixmap().toImage();
        const QImage fileBefore(f.path("a.png"));

        calls = ImageEngine::callCount(); // the same selection again: nothing to make
        f.w->UpdatePreview(false);
        QCOMPARE(ImageEngine::callCount(), calls);

        // nothing selected hides the picture; the same image again shows it again
        f.list()->setCurrentItem(nullptr);
        QVERIFY(!f.label("imgPreview")->isVisible());
        f.select("a.png");
        QVERIFY(f.label("imgPreview")->isVisible());

        calls = ImageEngine::callCount();
        f.action("mnuFlipH")->trigger();
        QCOMPARE(ImageEngine::callCount() - calls, 3u); // mogrify, identify, convert
        QVERIFY(mirrored(before, f.label("imgPreview")->pixmap().toImage()));
        QVERIFY(mirrored(fileBefore, QImage(f.path("a.png"))));

        f.action("mnuPreviewImages")->trigger();
        QCOMPARE(f.label("lblLoading")->text(), "(Preview Disabled)");
        QVERIFY(!f.c<QWidget>("fraViewPictureOuter")->isVisible());
        calls = ImageEngine::callCount();
        f.action("mnuPreviewImages")->trigger(); // made again at once
        QCOMPARE(ImageEngine::callCount() - calls, 2u);
        QVERIFY(f.label("imgPreview")->isVisible());
        // an unreadable file's error in a label, not in a message
        f.select("bad.png");
        QLabel *error = f.label("lblViewPictureError");
        QVERIFY(error->isVisible());
        QVERIFY(!f.label("imgPreview")->isVisible() && !f.label("lblImageDimensions")->isVisible());
        QVERIFY2(error->text().startsWith("bad.png\n(8) "), qPrintable(error->text()));
        QCOMPARE(error->toolTip(), QString(error->text()).replace('\n', " - "));
        QCOMPARE(stored("PreviewImages"), QString()); // stored when the window closes
        // closing from the menu stores the settings and deletes the work files
        const QStringList work{"preview.gif", "ottmpimg.png", "tmpscene0.gif"};
        for (const QString &name : work)
            QVERIFY(writeFile(AppPaths::tempFile(name), "x"));
        f.action("mnuExit")->trigger();
        QVERIFY(!f.w->isVisible());
        for (const QString &name : work)
            QVERIFY(!QFile::exists(AppPaths::tempFile(name)));
        QCOMPARE(stored("PreviewImages"), "True");
        QCOMPARE(stored("WindowWidth"), QString::number(f.w->frameGeometry().width() * 15));
        QCOMPARE(stored("FileDir"), f.pics + '/');
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void staysResponsiveAndFollowsTheSelection()
    {
        Fixture f;
        QVERIFY(makeImage(f.path("big.png"), 3000, 2000));
        QVERIFY(makeImage(f.path("small.png"), 50, 20));
        QVERIFY(f.open(f.pics));
        f.select("small.png");
        QCOMPARE(f.label("lblImageDimensions")->text(), "Orig. Size: 50x20");
        // while the big picture is made, a timer ticks and the user picks the small
        // image; "Loading" never shows beside the size of the image before
        int ticks = 0;
        bool staleSize = false;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
            staleSize = staleSize
                || (f.list()->currentItem()->text() == "big.png" && f.label("lblLoading")->isVisible()
                    && f.label("lblImageDimensions")->text().contains("50x20"));
            if (++ticks == 1)
                QTest::keyClick(f.list(), Qt::Key_Down);
        });
        timer.start();
        f.select("big.png");
        timer.stop();
        QVERIFY(ticks > 0);
        QVERIFY(!staleSize);
        QCOMPARE(f.w->previewedFile(), f.path("small.png"));
        QCOMPARE(f.label("lblImageDimensions")->text(), "Orig. Size: 50x20");
        // the highlight and the commands are on the same image
        QCOMPARE(f.list()->selectedItems().value(0)->text(), "small.png");
        const QByteArray big = checksum(f.path("big.png"));
        f.action("mnuRotate90")->trigger();
        QCOMPARE(imageSize(f.path("small.png")), qMakePair(20, 50));
        QCOMPARE(checksum(f.path("big.png")), big);
    }

    void commandsOnTheSelectedImage()
    {
        Fixture f;
        QVERIFY(makeImage(f.path("a.png"), 40, 20, 3));
        QVERIFY(f.open(f.pics));
        // nothing selected: nothing done
        f.list()->setCurrentItem(nullptr);
        const QByteArray sum = checksum(f.path("a.png"));
        const quint64 calls = ImageEngine::callCount();
        auto catcher = std::make_unique<UrlCatcher>();
        for (const char *a : {"mnuOpenImage", "mnuFlipH", "mnuFlipV", "mnuInvert", "mnuGreyscale", "mnuRotate90"})
            f.action(a)->trigger();
        QCOMPARE(ImageEngine::callCount(), calls);
        QCOMPARE(checksum(f.path("a.png")), sum);
        QVERIFY(catcher->urls.isEmpty() && f.dialogs.shown.isEmpty());

        f.select("a.png");
        f.action("mnuRotate90")->trigger();
        QCOMPARE(imageSize(f.path("a.png")), qMakePair(20, 40));
        QCOMPARE(f.label("lblImageDimensions")->text(), "Orig. Size: 20x40");
        f.action("mnuRotate270")->trigger();
        QCOMPARE(imageSize(f.path("a.png")), qMakePair(40, 20));
        f.action("mnuGreyscale")->trigger();
        const QRgb p = QImage(f.path("a.png")).pixel(20, 10);
        QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
        // "Open Image" hands the file to the desktop
        f.action("mnuOpenImage")->trigger();
        QCOMPARE(catcher->urls, QList<QUrl>{QUrl::fromLocalFile(f.path("a.png"))});
        QVERIFY(f.dialogs.shown.isEmpty());

        // no image viewer or browser set up: one message each says how to set one
        catcher.reset();
        const QByteArray path = qgetenv("PATH");
        const QString empty = f.world.path("nobin");
        QDir().mkpath(empty);
        qputenv("PATH", empty.toLocal8Bit());
        f.action("mnuOpenImage")->trigger();
        f.action("mnuDonate")->trigger();
        qputenv("PATH", path);
        QCOMPARE(f.dialogs.titles(), (QStringList{"No Image Viewer", "No Web Browser"}));
        QVERIFY(f.dialogs.shown.at(0).text.startsWith("No program is set up to open images, so \"" + f.path("a.png")));
        QVERIFY(f.dialogs.shown.at(0).text.contains("default applications"));
        QVERIFY(f.dialogs.shown.at(1).text.contains("/donate\" could not be opened.\r\n"));

        // A failing command reports and keeps the original (a JPEG cut short:
        // ImageMagick cannot read it whole); no work file is left behind.
        QVERIFY(makeImage(f.path("whole.jpg"), 64, 64));
        const QByteArray cut = fileBytes(f.path("whole.jpg")).left(fileBytes(f.path("whole.jpg")).size() / 2);
        QVERIFY(writeFile(f.path("cut.jpg"), cut));
        f.w->RefreshFileList();
        f.select("cut.jpg");
        const QList<std::array<const char *, 3>> failures{
            {"mnuRotate180", "Flip Error", "Could not rotate image \"%1\" because:"},
            {"mnuInvert", "Invert Error", "Could not invert colours of image \"%1\" because:"}};
        for (const auto &[command, title, text] : failures) {
            f.dialogs.clear();
            f.action(command)->trigger();
            QCOMPARE(f.dialogs.titles(), QStringList{title});
            QVERIFY2(f.dialogs.shown.first().text.startsWith(QString(text).arg(f.path("cut.jpg")) + "\r\n(2) "),
                     qPrintable(f.dialogs.shown.first().text));
        }
        QCOMPARE(fileBytes(f.path("cut.jpg")), cut);
        QCOMPARE(QDir(f.pics).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.png", "cut.jpg", "whole.jpg"}));
    }

    // The option panels keep their size when the window grows; the image list takes the room.
    void optionPanelsKeepTheirSize()
    {
        Fixture f;
        QVERIFY(f.open(f.pics));
        f.w->resize(1000, 800);
        QTRY_COMPARE(f.w->size(), QSize(1000, 800));
        const auto measure = [&] {
            QList<QSize> sizes;
            for (const char *panel : {"fraDimensions", "fraMisc", "fraRename", "fraTextOverlay", "fraOutput"})
                sizes << f.c<QWidget>(panel)->size();
            return sizes;
        };
        const QList<QSize> small = measure();
        const int listWidth = f.list()->width();
        f.w->resize(1200, 950);
        QTRY_COMPARE(f.w->size(), QSize(1200, 950));
        QCOMPARE(measure(), small);
        QVERIFY(f.list()->width() > listWidth);
    }

    void overlayMetaAndSceneControls()
    {
        Fixture f;
        QVERIFY(f.open(f.pics));
        // a bold choice: only face and size are kept, and the user is told
        f.dialogs.answerFont(FontChoice{"DejaVu Serif", 20, true, false, false, false});
        f.w->cmdTextOverlayFont_Click();
        QCOMPARE(f.dialogs.shown.first().text, "Arial,12"); // the dialog's preset
        QCOMPARE(f.dialogs.count("Font Selection"), 1);
        QCOMPARE(f.edit("txtTextOverlay")->font().family(), "DejaVu Serif");
        // cancelled dialogs change nothing
        f.w->cmdTextOverlayFont_Click();
        f.action("mnuFGCol")->trigger();
        f.action("mnuSetBGCol")->trigger();
        ProcessSettings s = f.w->processSettings();
        QVERIFY(s.TextOverlayFace == "DejaVu Serif" && s.TextOverlaySize == 20 && s.TextOverlayBGTrans);
        QVERIFY(f.action("mnuSetBGTrans")->isChecked() && !f.action("mnuSetBGCol")->isChecked());

        f.dialogs.answerColour(0x0000FF); // red
        f.action("mnuFGCol")->trigger();
        f.dialogs.answerColour(0xFF0000); // blue
        f.action("mnuSetBGCol")->trigger();
        s = f.w->processSettings();
        QVERIFY(s.TextOverlayColour == 0x0000FF && s.TextOverlayBGColour == 0xFF0000 && !s.TextOverlayBGTrans);
        const QPalette p = f.edit("txtTextOverlay")->palette();
        QCOMPARE(p.color(QPalette::Active, QPalette::Text), QColor(Qt::red));
        QCOMPARE(p.color(QPalette::Active, QPalette::Base), QColor(Qt::blue));
        QVERIFY(f.action("mnuSetBGCol")->isChecked() && !f.action("mnuSetBGTrans")->isChecked());
        f.action("mnuSetBGTrans")->trigger();
        QVERIFY(f.w->processSettings().TextOverlayBGTrans && f.action("mnuSetBGTrans")->isChecked());

        // a meta token replaces the selection made in the focused field; the file
        // name is offered for the overlay text only
        QLineEdit *suffix = f.edit("txtSuffix");
        suffix->setText("xabcx");
        suffix->setFocus();
        QTRY_VERIFY(suffix->hasFocus());
        suffix->setSelection(1, 3);
        f.click("cmdSuffixMeta");
        QVERIFY(!f.action("mnuMetaFilename")->isVisible());
        f.action("mnuMetaFileSize")->trigger();
        QCOMPARE(suffix->text(), "x[FSIZE]x");
        f.check("chkTextOverlay")->setChecked(true);
        f.click("cmdTextOverlayMeta");
        QVERIFY(f.action("mnuMetaFilename")->isVisible());
        f.c<QMenu>("mnuMeta")->close();
    }

    void firstStart_data()
    {
        QTest::addColumn<bool>("documentsHoldFiles");
        QTest::addRow("documents folder holds files") << true;
        QTest::addRow("documents folder empty") << false;
    }

    void firstStart()
    {
        QFETCH(bool, documentsHoldFiles);
        Fixture f;
        const QString docs = f.world.path("home/Documents");
        QVERIFY(QDir().mkpath(docs));
        if (documentsHoldFiles)
            makeFiles(docs, {"letter.txt"});
        QVERIFY(writeFile(f.world.path("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(docs) + "\"\n"));
        QVERIFY(f.open(QString()));
        const QString folder = AddBackslash(documentsHoldFiles ? docs : AppPaths::programFolder());
        QCOMPARE(f.w->currentFolder(), folder);
        QCOMPARE(f.edit("txtOutputDir")->text(), folder);
        QVERIFY(!f.edit("txtOutputDir")->isEnabled() && !f.c<QPushButton>("cmdBrowse")->isEnabled());
        ProcessSettings firstRun; // the defaults, in this folder
        firstRun.FileDir = firstRun.OutputDir = folder;
        QCOMPARE(f.w->processSettings(), firstRun);

        // centred at the default size, scheme "Grey", language "English"
        const QSize client(f.w->width(), f.w->height() - f.w->menuBar()->height());
        QVERIFY(client.width() >= 514 && client.height() >= 517);
        QCOMPARE(f.w->size(), f.w->minimumSize());
        const QPoint off = f.w->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);
        QCOMPARE(f.w->windowTitle(), "VEXL Dovo - " + GetAppVersion());
        QVERIFY(f.action("mnuColourGrey")->isChecked());
        QCOMPARE(stored("Colour"), "Grey");
        QCOMPARE(stored("Language"), "English");
        QVERIFY(!f.action("mnuXPStyle")->isChecked() && !f.action("mnuEnableContextMenu")->isChecked());
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    // An unknown key shows "Grey" and stores it; a choice from the menu is applied
    // (installed faces for the scheme's fonts) and stored at once.
    void colourSchemes()
    {
        Fixture f;
        storeValues({{"Colour", "Purple"}});
        QVERIFY(f.open(f.pics));
        QCOMPARE(stored("Colour"), "Grey");
        QVERIFY(f.action("mnuColourGrey")->isChecked());
        const QWidget *frame = f.c<QWidget>("fraOutput");
        QCOMPARE(f.w->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(0, 0, 0xC0));
        QCOMPARE(frame->font().family(), "Liberation Sans");

        f.action("mnuColourLight")->trigger();
        QCOMPARE(stored("Colour"), "Light");
        QVERIFY(f.action("mnuColourLight")->isChecked() && !f.action("mnuColourGrey")->isChecked());
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(0xFB, 0xFB, 0xFD));
        QCOMPARE(frame->font().family(), "DejaVu Sans");
        QCOMPARE(f.c<QWidget>("cmdGo")->font().family(), "DejaVu Sans");
        // fields keep the window's own face; the panels stay at 8 points
        QCOMPARE(f.edit("txtOutputDir")->font().family(), "Liberation Sans");
        QCOMPARE(frame->font().pointSize(), 8);
    }

    void storedGeometry_data()
    {
        QTest::addColumn<bool>("sameScreen");
        QTest::addRow("same screen size") << true;
        QTest::addRow("another screen size") << false;
    }

    void storedGeometry()
    {
        QFETCH(bool, sameScreen);
        Fixture f;
        storeValues({{"ScreenSize", sameScreen ? screenTwips() : "15x15"}, {"WindowWidth", "9000"},
                     {"WindowHeight", "8400"}, {"WindowX", "450"}, {"WindowY", "600"}, {"DirFilesSep", "1500"}});
        QVERIFY(f.open(f.pics));
        if (sameScreen)
            QCOMPARE(f.w->frameGeometry(), QRect(30, 40, 600, 560));
        else
            QCOMPARE(f.w->size(), f.w->minimumSize());
        // the splitter's left edge, 100 pixels in
        const QWidget *tree = f.c<QWidget>("tvwFolders");
        QTRY_COMPARE(tree->mapTo(f.c<QWidget>("pnlTop"), QPoint(tree->width(), 0)).x(), 100);
        f.w->close();
        QCOMPARE(stored("DirFilesSep"), "1500");
        if (sameScreen) { // the position is stored as it was read, not swapped or shifted
            QCOMPARE(stored("WindowX"), "450");
            QCOMPARE(stored("WindowY"), "600");
        }
        QCOMPARE(stored("ScreenSize"), screenTwips());
    }

    // A quoted folder, deep enough that the folder tree must scroll to show it.
    void quotedFolderOnTheCommandLine()
    {
        Fixture f;
        const QString deep = f.world.path("my pictures/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/pics");
        makeFiles(deep, {"a.png"});
        QVERIFY(f.open('"' + deep + '"'));
        QCOMPARE(f.w->currentFolder(), deep + '/');
        QCOMPARE(f.items(), QStringList{"a.png"});
        auto *tree = f.c<QTreeView>("tvwFolders");
        QCOMPARE(qobject_cast<QFileSystemModel *>(tree->model())->filePath(tree->currentIndex()), deep);
        const auto rowInSight = [&] {
            const QRect row = tree->visualRect(tree->currentIndex());
            return row.top() >= 0 && row.bottom() < tree->viewport()->height();
        };
        QTRY_VERIFY(rowInSight());
    }

    // Image files on the command line: their folder, only they ticked, the first one selected.
    void filesOnTheCommandLine()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.png", "c.png"});
        f.w = std::make_unique<frmMain>(QStringList{f.path("c.png"), "file://" + f.path("b.png")});
        f.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
        QTRY_VERIFY(f.listed());
        QCOMPARE(f.w->currentFolder(), f.pics + '/');
        QCOMPARE(f.items(), (QStringList{"a.png", "b.png", "c.png"}));
        QCOMPARE(f.ticked(), (QStringList{"b.png", "c.png"}));
        QCOMPARE(f.list()->currentItem()->text(), "c.png");
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
