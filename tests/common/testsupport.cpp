#include "testsupport.h"

#include "support/apppaths.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTest>

namespace vexl::test {

QStringList titlesOf(const QList<ShownDialog> &dialogs)
{
    QStringList t;
    for (const ShownDialog &d : dialogs)
        t << d.title;
    return t;
}

namespace {
MsgAnswer recordQuestion(QList<ShownDialog> &log, std::deque<MsgAnswer> &script, MsgAnswer fallback,
                         const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    log << ShownDialog{ShownDialog::Message, text, title, buttons, icon, {}};
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : takeNext(script, fallback);
}
} // namespace

MsgAnswer ScriptedDialogService::message(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    return recordQuestion(shown, m_answers, defaultAnswer, text, buttons, icon, title);
}

ShownDialog &ScriptedDialogService::record(ShownDialog::Kind kind, const QString &text, const QString &title)
{
    shown << ShownDialog{kind, text, title, MsgButtons::Ok, MsgIcon::None, {}};
    return shown.last();
}

MsgAnswer ScriptedBatchHost::ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    return recordQuestion(asked, answers, defaultAnswer, text, buttons, icon, title);
}

UrlCatcher::UrlCatcher()
{
    for (const char *scheme : {"https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    for (const char *scheme : {"https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

TestWorld::TestWorld()
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    for (const char *folder : {"config", "program/Temp", "data"})
        QDir(m_dir.path()).mkpath(QLatin1String(folder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    // The folder verb's desktop entry goes to the data folder's applications/.
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    AppPaths::setProgramFolder(programFolder());
}

TestWorld::~TestWorld()
{
    AppPaths::setProgramFolder(QString());
}

QString TestWorld::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
}

bool makeImage(const QString &path, int width, int height, unsigned seed)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, qRgb((x * 255 / qMax(1, width - 1) + seed * 40) % 256,
                                    (y * 255 / qMax(1, height - 1) + seed * 70) % 256,
                                    (x + y + seed * 13) % 256));
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray format = suffix == QLatin1String("jpeg") ? "jpg" : suffix.toLatin1();
    return img.save(path, format.constData(), 90);
}

bool runConvert(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("convert"), args);
    if (!p.waitForFinished(60000))
        return false;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("convert failed: %s", p.readAllStandardError().constData());
        return false;
    }
    return true;
}

bool makeAnimatedGif(const QString &path, int scenes, int width, int height)
{
    QStringList args{QStringLiteral("-delay"), QStringLiteral("10")};
    for (int i = 0; i < scenes; ++i)
        args << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(width).arg(height)
             << QStringLiteral("xc:rgb(%1,%2,%3)").arg((i * 20) % 256).arg((i * 50) % 256).arg(255 - (i * 20) % 256);
    args << path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runConvert(args);
}

QPair<int, int> imageSize(const QString &path)
{
    QImageReader r(path);
    r.setDecideFormatFromContent(true);
    const QSize s = r.size();
    return s.isValid() ? qMakePair(s.width(), s.height()) : qMakePair(-1, -1);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray checksum(const QString &path)
{
    return QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace vexl::test
