// The command-line batch run as the user runs it: arguments, exit codes, what
// it prints, and the settings it reads.
#include "settings/ftpconnections.h"
#include "programrun.h"

#include <QDir>
#include <QImage>
#include <QSettings>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace vexl::test;

namespace {
QString writeSettings(const TestWorld &world, const QString &body)
{
    const QString path = world.path("settings.ini");
    writeFile(path, QByteArray("[Settings]\n") + body.toUtf8());
    return path;
}

// A run of the folder `in` with `settings`, answering yes.
QStringList batchArgs(const QString &in, const QString &settings)
{
    return {"--batch", in, "--settings", settings, "--answer", "yes"};
}

QStringList filesIn(const QString &folder, QDir::Filters extra = {})
{
    return QDir(folder).entryList(QDir::Files | extra, QDir::Name);
}

// Checksums of the files of `folder`, to find them again in place or in the trash.
QList<QByteArray> sums(const QString &folder)
{
    QList<QByteArray> list;
    for (const QString &name : filesIn(folder))
        list << checksum(folder + '/' + name);
    return list;
}
} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT
private slots:
    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("hint"); // the one line on stderr, when it is fixed
        const QString unknown = "vexl-dovo: Unknown option 'frobnicate'. Try 'vexl-dovo --help'.\n";
        QTest::addRow("answer maybe") << QStringList{"--batch", "FOLDER", "--answer", "maybe"} << "";
        QTest::addRow("no such folder") << QStringList{"--batch", "/no/such/folder"} << "";
        QTest::addRow("two folders") << QStringList{"--batch", "FOLDER", "FOLDER"} << "";
        QTest::addRow("unknown option") << QStringList{"--batch", "--frobnicate", "FOLDER"} << unknown;
        QTest::addRow("an option without --batch")
            << QStringList{"FOLDER", "--recurse"} << "vexl-dovo: --recurse goes with --batch. Try 'vexl-dovo --help'.\n";
        for (const char *v : {"65", "-1", "x", ""})
            QTest::addRow("workers '%s'", v) << QStringList{"--batch", "FOLDER", "--workers", v}
                                             << QString("vexl-dovo: --workers takes a number from 0 to 64 (0: every "
                                                        "core), not \"%1\"\n").arg(v);
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, hint);
        TestWorld world;
        args.replaceInStrings("FOLDER", world.path());
        const ProgramRun r = runProgram(world, args);
        QCOMPARE(r.code, 2);
        QVERIFY(!r.err.isEmpty());
        if (!hint.isEmpty())
            QCOMPARE(r.err, hint);
        QVERIFY(r.out.isEmpty());
    }

    // A settings file that cannot be read, or with a value outside its field's
    // range, is refused before anything is touched: exit 2 and one line naming
    // the file, the key and what is allowed.
    void badSettingsFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("named"); // what the line names besides the file
        const auto ini = [](const char *body) { return QByteArray("[Settings]\n") + body; };
        QTest::addRow("binary bytes") << QByteArray("\x89\r\n\x1a\n\0\xff[\x01=\x02\n", 12).repeated(40) << "[Settings]";
        QTest::addRow("width -5") << ini("DimensionMethod=1\nDimensionWidth=-5\n") << "DimensionWidth";
        QTest::addRow("width 0 while resizing by width")
            << ini("DimensionMethod=2\nDimensionWidth=0\n") << "DimensionWidth";
        QTest::addRow("output format 99") << ini("OutputFormat=99\n") << "OutputFormat";
        QTest::addRow("check box 2") << ini("MiscAntialias=2\n") << "MiscAntialias";
        QTest::addRow("menu tick yes") << ini("TextOverlayBGTrans=yes\n") << "TextOverlayBGTrans";
        QTest::addRow("a folder, not a file") << QByteArray() << "cannot be read";
    }
    void badSettingsFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        TestWorld world;
        const QString in = world.path("in");
        QVERIFY(makeImage(in + "/a.png", 20, 20));
        const QString ini = world.path("settings.ini");
        QVERIFY(content.isEmpty() ? QDir().mkpath(ini) : writeFile(ini, content));
        const ProgramRun r = runProgram(world, batchArgs(in, ini));
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains(ini) && r.err.contains(named), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(filesIn(in, QDir::Hidden), QStringList{"a.png"});
    }

    // Whole runs from a settings file: what is printed, the exit status and the
    // files left. "name WxH" is an image made for the run (".heic", ".webp" by
    // ImageMagick), "name" alone a file that is no image; OUT is the output folder.
    // A "2>" line is the whole of stderr (IN: the input folder).
    void runs_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("printed"); // on stdout, in this order
        QTest::addColumn<QStringList>("results"); // "out/name WxH" made, or "in/name" still there
        const QString sized = "DimensionMethod=4\nDimensionWidth=10\nDimensionHeight=12\nRenamePrefix=p_\nMiscAntialias=0\n"
                              "OutputDest=//DIFFDIR//\nOutputDir=OUT\n";
        QTest::addRow("settings file and --recurse")
            << QStringList{"a.png 40x30", "sub/b.jpg 40x30"} << sized << QStringList{"--recurse"} << 0
            << QStringList{"[1/2] a.png\n[2/2] sub/b.jpg\n",
                           "Done: Process Finished!\n  Done: 2, Skipped: 0, Failed: 0, Deleted to trash: 0, Uploaded: 0\n"}
            << QStringList{"out/p_a.png 10x12", "out/sub/p_b.jpg 10x12"};
        QTest::addRow("without --recurse only the folder itself, unusable names listed")
            << QStringList{"a.png 40x30", "sub/b.jpg 40x30", "bad\nname.png"} << sized << QStringList() << 0
            << QStringList{"[1/1] a.png\n",
                           "2>Skipped (unusable name or path too long): IN/bad\\x0aname.png\n1 entries skipped\n"}
            << QStringList{"out/p_a.png 10x12"};
        QTest::addRow("phone photos to JPEG with the capture tokens")
            << QStringList{"IMG_0001.heic 60x40", "small.webp 20x10"}
            << "DimensionMethod=1\nDimensionWidth=30\nDimensionHeight=30\nDimensionShrinkOnly=1\nMiscAutoOrient=1\n"
               "MiscAntialias=0\nOutputFormat=3\nSequentialNumber=1\nRenamePrefix=[ORIGNAME]_\n"
               "OutputDest=//DIFFDIR//\nOutputDir=OUT\n"
            << QStringList() << 0 << QStringList{"[1/2] IMG_0001.heic\n[2/2] small.webp\n"}
            << QStringList{"out/IMG_0001_0.jpg 30x20", "out/small_1.jpg 20x10"};
        QTest::addRow("no answer ends the run at the delete warning")
            << QStringList{"a.png 20x20"} << "DeleteOld=1\nMiscAntialias=0\n" << QStringList() << 1
            << QStringList{"Delete Warning: "} << QStringList{"in/a.png"};
        const QString broken = "RenamePrefix=t_\nMiscAntialias=1\n";
        QTest::addRow("answer no ends the run at the first question")
            << QStringList{"a_broken.png", "b_good.png 20x20"} << broken << QStringList{"--answer", "no"} << 1
            << QStringList{"ImageMagick Error: ", "[Yes/No] -> No"} << QStringList{"in/a_broken.png"};
        QTest::addRow("answer yes goes on")
            << QStringList{"a_broken.png", "b_good.png 20x20"} << broken << QStringList{"--answer", "yes"} << 0
            << QStringList{"ImageMagick Error: ", "[Yes/No] -> Yes"} << QStringList{"in/t_b_good.png 20x20"};
        // No step rewrites the copy: the meta step decodes the damaged original and asks.
        QTest::addRow("a damaged copy asks at the meta step")
            << QStringList{"a.jpg 20x20", "b_cut.jpg cut"} << "RenamePrefix=t_\nMiscAntialias=0\n"
            << QStringList{"--answer", "yes"} << 0 << QStringList{"Identify Error: ", "[Yes/No] -> Yes"}
            << QStringList{"in/t_a.jpg 20x20"};
        // a connection of the user's own store, named by the settings file: taken, and tried
        QTest::addRow("a saved connection of the user")
            << QStringList{"a.png 20x20"}
            << "OutputDest=//FTP: Mine//\nJpgQuality=100\nMiscRotate=0\nMiscRotateAngle=0\nTextOverlayColour=-16777216\n"
            << QStringList() << 1 << QStringList{"[FTP] Connecting to server", "Connection refused."} << QStringList{"in/a.png"};
    }
    void runs()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, options);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, results);
        TestWorld world;
        const QString in = world.path("in");
        QDir().mkpath(in);
        QDir().mkpath(world.path("out"));
        for (const QString &file : files) {
            const QString path = in + '/' + file.section(' ', 0, 0);
            const QString size = file.section(' ', 1);
            if (size.isEmpty())
                QVERIFY(writeFile(path, "not an image"));
            else if (size == "cut") // a JPEG whose picture data ends early
                QVERIFY(makeImage(path, 64, 48) && writeFile(path, fileBytes(path).first(fileBytes(path).size() * 3 / 4)));
            else if (path.endsWith(".heic") || path.endsWith(".webp"))
                QVERIFY(runConvert({"-size", size, "gradient:red-blue", path}));
            else
                QVERIFY(makeImage(path, size.section('x', 0, 0).toInt(), size.section('x', 1).toInt()));
        }
        {
            // Nothing listens on port 1: a run to it fails at its connection.
            QSettings user(world.path("config/VEXLLite/VEXLLite.conf"), QSettings::IniFormat);
            vexl::FTPConnection mine;
            mine.Name = "Mine";
            mine.Server = "127.0.0.1";
            mine.Port = 1;
            mine.IsAnnonymous = true;
            mine.Timeout = 2;
            vexl::SaveFTPConnections(user, {mine});
        }
        const QString ini = writeSettings(world, QString(options).replace("OUT", world.path("out")));
        const ProgramRun r = runProgram(world, QStringList{"--batch", in, "--settings", ini} + args);
        QCOMPARE(r.code, code);
        qsizetype at = 0;
        for (const QString &text : printed) {
            if (text.startsWith("2>")) {
                QCOMPARE(r.err, text.mid(2).replace("IN", in));
                continue;
            }
            at = r.out.indexOf(text, at);
            QVERIFY2(at >= 0, qPrintable(text + " not in:\n" + r.out));
        }
        for (const QString &result : results) {
            const QString path = world.path(result.section(' ', 0, 0));
            const QString size = result.section(' ', 1);
            QVERIFY2(QFile::exists(path), qPrintable(result));
            if (!size.isEmpty())
                QCOMPARE(imageSize(path), qMakePair(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt()));
        }
        const qsizetype made = filesIn(world.path("out")).size() + filesIn(world.path("out/sub")).size();
        QCOMPARE(made, results.filter(QRegularExpression("^out/")).size());
    }

    // Ctrl-C and SIGTERM press Stop: the run ends early with status 1, no work
    // file is left behind and every original is untouched.
    void signalsStopTheRun_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addRow("SIGTERM") << int(SIGTERM);
        QTest::addRow("SIGINT") << int(SIGINT);
    }
    void signalsStopTheRun()
    {
        QFETCH(int, signal);
        TestWorld world;
        const QString in = world.path("in");
        const QString out = world.path("out");
        QDir().mkpath(out);
        const int count = 40;
        for (int i = 0; i < count; ++i)
            QVERIFY(makeImage(in + QString("/i%1.png").arg(i, 2, 10, QLatin1Char('0')), 300, 200));
        const QString ini = writeSettings(world, QString("DimensionMethod=4\nDimensionWidth=150\nDimensionHeight=100\n"
                                                         "MiscAntialias=1\nOutputDest=//DIFFDIR//\nOutputDir=%1\n").arg(out));
        QProcess p;
        useWorld(p, world);
        p.start(VEXL_EXE, {"--batch", in, "--settings", ini});
        QVERIFY(p.waitForStarted());
        QByteArray printed;
        QTRY_VERIFY_WITH_TIMEOUT((printed += p.readAllStandardOutput()).contains("[2/"), 30000);
        QVERIFY2(p.processId() > 0, printed.constData());
        QCOMPARE(::kill(pid_t(p.processId()), signal), 0);
        QVERIFY(p.waitForFinished(30000));
        printed += p.readAllStandardOutput();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(!printed.contains("[40/40]"), printed.constData());
        const QStringList done = filesIn(out, QDir::Hidden);
        QVERIFY2(done.size() < count, qPrintable(done.join(' ')));
        for (const QString &name : done)
            QVERIFY2(!name.startsWith('.'), qPrintable(name));
        QCOMPARE(filesIn(in, QDir::Hidden).size(), count);
    }

    // The program installs like any desktop program, and the installed one runs
    // (its help names every option).
    void installedLayout()
    {
        QTemporaryDir prefix;
        QProcess install;
        install.start(VEXL_CMAKE, {"--install", VEXL_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        const QString share = prefix.path() + "/share/";
        const QString desktop = share + "applications/example.quillmere.VexlDovo.desktop";
        const QString metainfo = share + "metainfo/example.quillmere.VexlDovo.metainfo.xml";
        for (const QString &file : {prefix.path() + "/bin/vexl-dovo", share + "vexl-dovo/ImageMagickLicense.txt", desktop,
                                    metainfo, share + "icons/hicolor/scalable/apps/vexl-dovo.svg",
                                    share + "icons/hicolor/256x256/apps/vexl-dovo.png", share + "man/man1/vexl-dovo.1"})
            QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
        QCOMPARE(QImage(share + "icons/hicolor/256x256/apps/vexl-dovo.png").size(), QSize(256, 256));
        const QString entry = QString::fromUtf8(fileBytes(desktop));
        QVERIFY(entry.contains("\nCategories=Graphics;Photography;\n"));
        QVERIFY(entry.contains("image/jpeg;") && entry.contains("inode/directory;"));
        QVERIFY(entry.contains("\nExec=vexl-dovo -- %F\n"));
        TestWorld world;
        for (const QStringList &check : {QStringList{"/usr/bin/desktop-file-validate", desktop},
                                         QStringList{"/usr/bin/appstreamcli", "validate", "--no-net", metainfo}}) {
            const ProgramRun r = runProgram(world, check.mid(1), check.first());
            QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
        }
        const ProgramRun help = runProgram(world, {"--help"}, prefix.path() + "/bin/vexl-dovo");
        QCOMPARE(help.code, 0);
        for (const char *text : {"--batch", "--recurse", "--settings", "--answer", "--workers <N>", "--version", "--help",
                                 "Exit status:", "  2  bad arguments", "SIGTERM"})
            QVERIFY2(help.out.contains(text), text);
        const ProgramRun version = runProgram(world, {"--version"}, prefix.path() + "/bin/vexl-dovo");
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, "VEXL Dovo 1.00\n");
    }

    // Two workers give what one gives: the same names and bytes, on a mixed
    // folder with numbers and meta values in the names, effects and a stamp.
    void workersGiveTheSameResults()
    {
        const QString options = "DimensionMethod=1\nDimensionWidth=30\nDimensionHeight=30\nMiscAntialias=1\n"
                                "SequentialNumber=1\nStartNumber=7\nZeroFill=3\nRenameSuffix=_[WIDTH]x[HEIGHT]\n"
                                "MiscFlipHoriz=1\nMiscGreyscale=1\nOutputFormat=3\nTextOverlay=1\n"
                                "TextOverlayText=[FNAME] [WIDTH]\n";
        TestWorld world;
        const QString in = world.path("in");
        unsigned seed = 0;
        for (const char *name : {"a1.jpg", "b.png", "c 2.png", "d.jpg", "e.bmp", "f.jpg"}) {
            ++seed;
            QVERIFY(makeImage(in + '/' + name, int(50 + seed * 7), 40, seed));
        }
        QVERIFY(runConvert({in + "/c 2.png", in + "/c 2.tif"}));
        QFile::remove(in + "/c 2.png");
        QVERIFY(runConvert({"-size", "20x20", "xc:red", "xc:blue", "-set", "delay", "10", in + "/g.gif"}));
        QMap<QString, QByteArray> outputs[2];
        for (int workers : {1, 2}) {
            const QString out = world.path(QString("out%1").arg(workers));
            QDir().mkpath(out);
            const QString ini = writeSettings(world, options + "RenamePrefix=th_\nOutputDest=//DIFFDIR//\nOutputDir=" + out);
            QCOMPARE(runProgram(world, batchArgs(in, ini) << "--workers" << QString::number(workers)).code, 0);
            for (const QString &name : filesIn(out))
                outputs[workers - 1].insert(name, fileBytes(out + '/' + name));
        }
        QCOMPARE(outputs[1].keys(), outputs[0].keys());
        QCOMPARE(outputs[0].size(), 7);
        for (const QString &name : outputs[0].keys()) // all JPEG: no write time inside
            QVERIFY2(outputs[1].value(name) == outputs[0].value(name), qPrintable(name));
    }

    // --dry-run shows the names the run then gives, and the collisions it will
    // ask about, and touches nothing.
    void dryRunShowsWhatTheRunDoes()
    {
        TestWorld world;
        const QString in = world.path("in");
        const QString out = world.path("out");
        QDir().mkpath(out);
        for (const char *name : {"a.jpg", "a.png", "b.jpg", "d.bmp"})
            QVERIFY(makeImage(in + '/' + name, 30, 20));
        const QString ini = writeSettings(world, "OutputFormat=5\nSequentialNumber=0\nRenamePrefix=th_\n"
                                                 "OutputDest=//DIFFDIR//\nOutputDir=" + out);
        const QStringList before = filesIn(in);
        const ProgramRun plan = runProgram(world, {"--batch", in, "--settings", ini, "--dry-run"});
        QCOMPARE(plan.code, 0);
        QCOMPARE(filesIn(out), QStringList());
        QCOMPARE(filesIn(in), before);
        QStringList planned;
        for (const QString &line : plan.out.split('\n'))
            if (line.contains(" -> ") && !line.startsWith(' '))
                planned << QFileInfo(line.section(" -> ", 1).section("  (", 0, 0)).fileName();
        QCOMPARE(planned, (QStringList{"th_a.png", "th_a.png", "th_b.png", "th_d.png"}));
        QVERIFY2(plan.out.contains("Name Collision:\n  a.jpg, a.png -> th_a.png"), qPrintable(plan.out));
        // The run gives those names; the contested one goes to the first image.
        QCOMPARE(runProgram(world, batchArgs(in, ini)).code, 0);
        QCOMPARE(filesIn(out), (QStringList{"th_a.png", "th_b.png", "th_d.png"}));
    }

    // Two runs at once into one folder, numbering and deleting: every original
    // that went to the trash has its own numbered result.
    void concurrentNumberedRuns()
    {
        TestWorld world;
        const QString out = world.path("out");
        QDir().mkpath(out);
        const QString ini = writeSettings(world, "SequentialNumber=1\nZeroFill=4\nStartNumber=1\nDeleteOld=1\nRenamePrefix=\n"
                                                 "MiscFlipHoriz=1\nMiscAntialias=0\nOutputDest=//DIFFDIR//\nOutputDir=" + out);
        QProcess runs[2];
        for (int r = 0; r < 2; ++r) {
            const QString in = world.path(QString("in%1").arg(r));
            for (int i = 0; i < 40; ++i)
                QVERIFY(makeImage(in + QString("/img%1.png").arg(i, 2, 10, QLatin1Char('0')), 8, 6, unsigned(r * 40 + i)));
        }
        for (int r = 0; r < 2; ++r) {
            useWorld(runs[r], world);
            runs[r].start(VEXL_EXE, batchArgs(world.path(QString("in%1").arg(r)), ini));
        }
        for (QProcess &p : runs) {
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        QCOMPARE(filesIn(world.path("in0")).size() + filesIn(world.path("in1")).size(), 0);
        QCOMPARE(filesIn(world.path("data/Trash/files")).size(), 80);
        QCOMPARE(filesIn(out, QDir::Hidden).size(), 80); // no work or lock file left either
        QCOMPARE(filesIn(out).first(), "0001.png");
        QCOMPARE(filesIn(out).last(), "0080.png");
    }

    // A run killed mid-image leaves nothing under a final name that is not a
    // finished result; the next run removes its work files and goes on.
    void killedRun()
    {
        TestWorld world;
        const QString in = world.path("in");
        const QString out = world.path("out");
        QDir().mkpath(out);
        for (int i = 0; i < 12; ++i)
            QVERIFY(makeImage(in + QString("/b%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 1600, 1200, unsigned(i)));
        const QList<QByteArray> originals = sums(in);
        const QString ini = writeSettings(world, "RenamePrefix=th_\nDimensionMethod=4\nDimensionWidth=50\nDimensionHeight=40\n"
                                                 "MiscAntialias=0\nDeleteOld=1\nOutputDest=//DIFFDIR//\nOutputDir=" + out);
        QProcess p;
        useWorld(p, world);
        p.start(VEXL_EXE, batchArgs(in, ini));
        QVERIFY(p.waitForStarted(10000));
        // Killed while an image is being made (its work file is there), after a few are done.
        const auto working = [&] {
            return filesIn(out).size() >= 3 && !filesIn(out, QDir::Hidden).filter(".work.").isEmpty();
        };
        for (int i = 0; i < 20000 && !working() && p.state() == QProcess::Running; ++i)
            QTest::qWait(1);
        QVERIFY(working());
        p.kill(); // SIGKILL
        QVERIFY(p.waitForFinished(10000));

        const QList<QByteArray> kept = sums(in) + sums(world.path("data/Trash/files"));
        for (const QByteArray &sum : originals)
            QVERIFY(kept.contains(sum));
        for (const QString &name : filesIn(out))
            QCOMPARE(imageSize(out + '/' + name), qMakePair(50, 40));

        QCOMPARE(runProgram(world, batchArgs(in, ini)).code, 0);
        // the dead run's work files are gone
        QVERIFY2(filesIn(out, QDir::Hidden).size() == 12, qPrintable(filesIn(out, QDir::Hidden).join(' ')));
        QVERIFY(filesIn(in).isEmpty());
    }

    // An output folder the user may not write to, holding an older result: the
    // run says why in words and leaves the older result and the original alone.
    void unwritableOutputFolder()
    {
        TestWorld world;
        QFile::setPermissions(world.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                                | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        const QString in = world.path("in");
        const QString out = world.path("out");
        const QString home = world.path("home");
        QVERIFY(makeImage(in + "/a.png", 20, 10));
        QVERIFY(makeImage(out + "/th_a.png", 5, 5));
        QDir().mkpath(home + "/config");
        const QString ini = writeSettings(world, "RenamePrefix=th_\nMiscFlipVert=1\nMiscAntialias=0\nDeleteOld=1\n"
                                                 "OutputDest=//DIFFDIR//\nOutputDir=" + out);
        const QByteArray before = checksum(in + "/a.png");
        const QByteArray older = checksum(out + "/th_a.png");
        QString exe = VEXL_EXE;
        QStringList args = batchArgs(in, ini);
        if (::geteuid() == 0) {
            // The program runs as nobody, copied into a folder of its own (0755), with a home of its own.
            const QString bin = world.path("bin");
            QDir().mkpath(bin);
            QVERIFY(QFile::copy(exe, bin + "/vexl-dovo"));
            for (const QString &d : {home, home + "/config", in})
                QVERIFY(QProcess::execute("chown", {"-R", "nobody", d}) == 0);
            args = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", bin + "/vexl-dovo"} + args;
            exe = "setpriv";
        } else {
            QVERIFY(QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner));
        }
        QProcess p;
        useWorld(p, world);
        QProcessEnvironment env = p.processEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/config");
        env.insert("XDG_DATA_HOME", home);
        p.setProcessEnvironment(env);
        p.start(exe, args);
        QVERIFY(p.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(p.readAllStandardOutput());
        QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(said.contains("Copy Error: ") && said.contains("Permission denied"),
                 qPrintable(said + QString::fromLocal8Bit(p.readAllStandardError())));
        QCOMPARE(checksum(in + "/a.png"), before);
        QCOMPARE(checksum(out + "/th_a.png"), older);
        QCOMPARE(filesIn(out, QDir::Hidden), QStringList{"th_a.png"});
    }
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_clibatch.moc"
