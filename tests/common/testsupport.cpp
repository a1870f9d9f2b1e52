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

ScriptedDialogService::ScriptedDialogService()
{
    DialogService::setCurrent(this);
}

ScriptedDialogService::~ScriptedDialogService()
{
    DialogService::setCurrent(nullptr);
}

QStringList ScriptedDialogService::titles() const
{
    QStringList t;
    for (const ShownDialog &d : shown)
        t << d.title;
    return t;
}

int ScriptedDialogService::count(const QString &title) const
{
    return int(std::count_if(shown.begin(), shown.end(), [&](const ShownDialog &d) { return d.title == title; }));
}

MsgAnswer ScriptedDialogService::message(const QString &text, MsgButtons buttons, MsgIcon icon,
                                         const QString &title)
{
    ShownDialog d;
    d.kind = ShownDialog::Message;
    d.text = text;
    d.title = title;
    d.buttons = buttons;
    d.icon = icon;
    shown << d;
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (m_answers.empty())
        return defaultAnswer;
    const MsgAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogService::input(const QString &prompt, const QString &title,
                                                    const QString &defaultText)
{
    ShownDialog d;
    d.kind = ShownDialog::Input;
    d.text = prompt;
    d.title = title;
    shown << d;
    Q_UNUSED(defaultText);
    std::optional<QString> a;
    if (!m_inputs.empty()) {
        a = std::move(m_inputs.front());
        m_inputs.pop_front();
    }
    return a;
}

std::optional<QString> ScriptedDialogService::chooseFolder(const QString &start, const QString &title)
{
    ShownDialog d;
    d.kind = ShownDialog::Input;
    d.text = start;
    d.title = title;
    shown << d;
    std::optional<QString> a;
    if (!m_folders.empty()) {
        a = std::move(m_folders.front());
        m_folders.pop_front();
    }
    return a;
}

namespace {
std::optional<LoginAnswer> takeLogin(std::deque<std::optional<LoginAnswer>> &script)
{
    if (script.empty() || !script.front()) {
        if (!script.empty())
            script.pop_front();
        return std::nullopt;
    }
    const LoginAnswer a = *script.front();
    script.pop_front();
    return a;
}
} // namespace

std::optional<LoginAnswer> ScriptedDialogService::promptLogin(const QString &server, const QString &, const QString &)
{
    ShownDialog d;
    d.kind = ShownDialog::Login;
    d.text = server;
    d.title = QStringLiteral("Server Login");
    shown << d;
    return takeLogin(m_logins);
}

std::optional<LoginAnswer> ScriptedBatchHost::promptLogin(const QString &, const QString &, const QString &)
{
    ++loginPrompts;
    return takeLogin(logins);
}

std::optional<FontChoice> ScriptedDialogService::chooseFont(const QString &face, int size)
{
    ShownDialog d;
    d.kind = ShownDialog::Font;
    d.text = face + QLatin1Char(',') + QString::number(size);
    shown << d;
    std::optional<FontChoice> a;
    if (!m_fonts.empty()) {
        a = std::move(m_fonts.front());
        m_fonts.pop_front();
    }
    return a;
}

std::optional<qint32> ScriptedDialogService::chooseColour(qint32 colour)
{
    ShownDialog d;
    d.kind = ShownDialog::Colour;
    d.text = QString::number(colour);
    shown << d;
    std::optional<qint32> a;
    if (!m_colours.empty()) {
        a = m_colours.front();
        m_colours.pop_front();
    }
    return a;
}

void ScriptedDialogService::showErrorReport(const vexl::ErrorReport &report)
{
    ShownDialog d;
    d.kind = ShownDialog::ErrorReport;
    d.text = report.description;
    d.title = report.title;
    d.report = report;
    shown << d;
}

QStringList ScriptedBatchHost::titles() const
{
    QStringList t;
    for (const ShownDialog &d : asked)
        t << d.title;
    return t;
}

int ScriptedBatchHost::count(const QString &title) const
{
    return int(std::count_if(asked.begin(), asked.end(), [&](const ShownDialog &d) { return d.title == title; }));
}

MsgAnswer ScriptedBatchHost::ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    ShownDialog d;
    d.text = text;
    d.title = title;
    d.buttons = buttons;
    d.icon = icon;
    asked << d;
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers.empty())
        return defaultAnswer;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
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
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("program/Temp"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
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

QString TestWorld::configFile() const
{
    return path(QStringLiteral("config/VEXLLite/VEXLLite.conf"));
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
    if (!s.isValid())
        return {-1, -1};
    return {s.width(), s.height()};
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray checksum(const QString &path)
{
    return QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

} // namespace vexl::test
