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

// Answers dialogs from a script and records each one. Installed as the current
// dialog service while it lives. Unscripted questions get `defaultAnswer`
// (unscripted message boxes with only OK get OK).
class ScriptedDialogService final : public DialogService
{
public:
    ScriptedDialogService();
    ~ScriptedDialogService() override;

    void answer(MsgAnswer a) { m_answers.push_back(a); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    MsgAnswer defaultAnswer = MsgAnswer::No;

    QList<ShownDialog> shown;
    QStringList titles() const;
    int count(const QString &title) const;
    void clear() { shown.clear(); }

    MsgAnswer message(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    void showErrorReport(const vexl::ErrorReport &report) override;
    std::optional<QString> chooseFolder(const QString &start, const QString &title) override;
    void answerFolder(std::optional<QString> folder) { m_folders.push_back(std::move(folder)); }
    // The login prompt: recorded as kind Login with the server as text; answered
    // from the script, cancelled when it runs out.
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                           const QString &password) override;
    void answerLogin(std::optional<LoginAnswer> login) { m_logins.push_back(std::move(login)); }

    // Font and colour dialogs: unscripted ones are cancelled. The preset shown
    // is recorded as the dialog's text ("face,size" or the colour value).
    std::optional<FontChoice> chooseFont(const QString &face, int size) override;
    std::optional<qint32> chooseColour(qint32 colour) override;
    void answerFont(std::optional<FontChoice> font) { m_fonts.push_back(std::move(font)); }
    void answerColour(std::optional<qint32> colour) { m_colours.push_back(colour); }

private:
    std::deque<std::optional<LoginAnswer>> m_logins;
    std::deque<std::optional<FontChoice>> m_fonts;
    std::deque<std::optional<qint32>> m_colours;
    std::deque<std::optional<QString>> m_folders;
    std::deque<MsgAnswer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
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
    int progressMax = -1;
    bool ftpMode = false;
    std::function<void(int position, int count, const QString &item)> onImage;
    // The FTP panel and the login prompt (answered from `logins`, cancelled when it runs out).
    QStringList ftpLog;
    QStringList ftpStatuses;
    std::function<void(int percent)> onFtpProgress;
    std::deque<std::optional<LoginAnswer>> logins;
    int loginPrompts = 0;

    QStringList titles() const;
    int count(const QString &title) const;

    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    void reportError(const vexl::ErrorReport &report) override { errors << report; }
    void setCaption(const QString &c) override { m_caption = c; }
    QString caption() const override { return m_caption; }
    void setStatus(const QString &) override {}
    void setImageText(const QString &) override {}
    void setSceneText(const QString &) override {}
    void setProgressRange(int, int maximum) override { progressMax = maximum; }
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
    void setFtpTransfer(const QString &) override {}
    void setFtpProgress(int percent) override
    {
        if (onFtpProgress)
            onFtpProgress(percent);
    }
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                           const QString &password) override;

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
    QString configFile() const; // the user's settings file
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
