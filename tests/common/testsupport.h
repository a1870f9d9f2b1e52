#pragma once

#include "engine/batchhost.h"
#include "support/dialogservice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>

namespace vexl::test {

// One dialog the program showed.
struct ShownDialog
{
    enum Kind { Message, Input, ErrorReport, Login, Font, Colour } kind = Message;
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    vexl::ErrorReport report;
};

QStringList titlesOf(const QList<ShownDialog> &dialogs);
// The next scripted answer, or `fallback` when the script has run out.
template <class T>
T takeNext(std::deque<T> &script, T fallback = T())
{
    if (!script.empty()) {
        fallback = std::move(script.front());
        script.pop_front();
    }
    return fallback;
}

// Answers dialogs from a script and records each one, as the current dialog
// service while it lives. Unscripted questions get `defaultAnswer` (OK-only
// boxes get OK); other unscripted dialogs are cancelled.
class ScriptedDialogService final : public DialogService
{
public:
    ScriptedDialogService() { DialogService::setCurrent(this); }
    ~ScriptedDialogService() override { DialogService::setCurrent(nullptr); }

    void answer(MsgAnswer a) { m_answers.push_back(a); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void answerFolder(std::optional<QString> folder) { m_folders.push_back(std::move(folder)); }
    void answerFile(std::optional<QString> file) { m_files.push_back(std::move(file)); }
    void answerLogin(std::optional<LoginAnswer> login) { m_logins.push_back(std::move(login)); }
    void answerFont(std::optional<FontChoice> font) { m_fonts.push_back(std::move(font)); }
    void answerColour(std::optional<qint32> colour) { m_colours.push_back(colour); }
    MsgAnswer defaultAnswer = MsgAnswer::No;

    QList<ShownDialog> shown;
    QStringList titles() const { return titlesOf(shown); }
    int count(const QString &title) const { return int(titles().count(title)); }
    void clear() { shown.clear(); }

    MsgAnswer message(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &) override
    {
        record(ShownDialog::Input, prompt, title);
        return takeNext(m_inputs);
    }
    std::optional<QString> chooseFolder(const QString &start, const QString &title) override
    {
        record(ShownDialog::Input, start, title);
        return takeNext(m_folders);
    }
    std::optional<QString> chooseFile(bool, const QString &title, const QString &start, const QString &) override
    {
        record(ShownDialog::Input, start, title);
        return takeNext(m_files);
    }
    void showErrorReport(const vexl::ErrorReport &report) override
    {
        record(ShownDialog::ErrorReport, report.description, report.title).report = report;
    }
    // Recorded with the server as text.
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &, const QString &) override
    {
        record(ShownDialog::Login, server, QStringLiteral("Server Login"));
        return takeNext(m_logins);
    }
    // Recorded with the preset shown as text ("face,size" or the colour value).
    std::optional<FontChoice> chooseFont(const QString &face, int size) override
    {
        record(ShownDialog::Font, face + QLatin1Char(',') + QString::number(size), QString());
        return takeNext(m_fonts);
    }
    std::optional<qint32> chooseColour(qint32 colour) override
    {
        record(ShownDialog::Colour, QString::number(colour), QString());
        return takeNext(m_colours);
    }

private:
    ShownDialog &record(ShownDialog::Kind kind, const QString &text, const QString &title);
    std::deque<MsgAnswer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<QString>> m_folders;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<LoginAnswer>> m_logins;
    std::deque<std::optional<FontChoice>> m_fonts;
    std::deque<std::optional<qint32>> m_colours;
};

// A batch host that answers questions from a script and records everything the
// run shows. `onImage` runs when an image starts (e.g. to press Stop).
class ScriptedBatchHost final : public BatchHost
{
public:
    std::deque<MsgAnswer> answers;
    MsgAnswer defaultAnswer = MsgAnswer::No;
    QList<ShownDialog> asked;
    QList<vexl::ErrorReport> errors;
    QList<int> progressValues;
    bool ftpMode = false;
    std::function<void(int position, int count, const QString &item)> onImage;
    // The FTP panel and the login prompt (answered from `logins`, cancelled when it runs out).
    QStringList ftpLog;
    QStringList ftpStatuses;
    std::function<void(int percent)> onFtpProgress;
    std::deque<std::optional<LoginAnswer>> logins;
    int loginPrompts = 0;

    QStringList titles() const { return titlesOf(asked); }
    int count(const QString &title) const { return int(titles().count(title)); }

    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    void reportError(const vexl::ErrorReport &report) override { errors << report; }
    void setCaption(const QString &c) override { m_caption = c; }
    QString caption() const override { return m_caption; }
    void setStatus(const QString &) override {}
    void report(const QString &line) override { reports << line; }
    QStringList reports; // the lines the run reported
    std::optional<vexl::RunSummary> summary; // what the run told at its end
    void runFinished(const vexl::RunSummary &s) override
    {
        summary = s;
        BatchHost::runFinished(s);
    }
    void setImageText(const QString &) override {}
    void setSceneText(const QString &) override {}
    void setProgressRange(int, int) override {}
    void setProgressValue(int v) override { progressValues << v; }
    void setFtpMode(bool ftp) override { ftpMode = ftp; }
    void doEvents() override {}
    void imageStarted(int position, int count, const QString &item) override
    {
        if (onImage)
            onImage(position, count, item);
    }
    void clearFtpLog() override { ftpLog.clear(); }
    void ftpLogLine(const QString &text, int) override { ftpLog << text; }
    void setFtpStatus(const QString &text) override { ftpStatuses << text; }
    void setFtpProgress(int percent) override
    {
        if (onFtpProgress)
            onFtpProgress(percent);
    }
    std::optional<LoginAnswer> promptLogin(const QString &, const QString &, const QString &) override
    {
        ++loginPrompts;
        return takeNext(logins);
    }

private:
    QString m_caption = QStringLiteral("Processing Images");
};

// Takes the addresses the program asks the desktop to open (web pages, mail,
// files) while it lives, instead of opening them.
class UrlCatcher final : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// A private world for one test: settings store (XDG_CONFIG_HOME), data folder
// (XDG_DATA_HOME) and program folder (with Temp/) inside one temporary folder.
class TestWorld
{
public:
    TestWorld();
    ~TestWorld();
    QString path(const QString &relative = QString()) const;
    QString programFolder() const { return path(QStringLiteral("program")); }
private:
    QTemporaryDir m_dir;
};

// Writes a WxH image whose format follows the extension (png, jpg, bmp, ...),
// a smooth gradient so that resizing and colour counts mean something.
bool makeImage(const QString &path, int width, int height, unsigned seed = 1);
// Runs ImageMagick's own command-line `convert` (to make GIFs and the like).
bool runConvert(const QStringList &args);
// An animated GIF of `scenes` frames of WxH.
bool makeAnimatedGif(const QString &path, int scenes, int width = 24, int height = 16);
// Width and height of an image file (via Qt), {-1,-1} when unreadable.
QPair<int, int> imageSize(const QString &path);
QByteArray fileBytes(const QString &path);
QByteArray checksum(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace vexl::test
