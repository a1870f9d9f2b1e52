#include "ftpreply.h"

#include <QHash>
#include <QStringList>

namespace vexl {

namespace {

// The reply code of a line that starts with three digits, else 0.
int leadingCode(const QByteArray &line)
{
    if (line.size() < 3)
        return 0;
    for (int i = 0; i < 3; ++i)
        if (line.at(i) < '0' || line.at(i) > '9')
            return 0;
    return (line.at(0) - '0') * 100 + (line.at(1) - '0') * 10 + (line.at(2) - '0');
}

} // namespace

FtpReply TakeReply(const QByteArray &buffer)
{
    FtpReply reply;
    int opening = 0;
    QString message;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lf = buffer.indexOf('\n', pos);
        if (lf < 0)
            break;
        QByteArray line = buffer.mid(pos, lf - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        pos = lf + 1;
        const int code = leadingCode(line);
        const char fourth = line.size() > 3 ? line.at(3) : ' ';
        if (opening == 0) {
            if (code == 0)
                continue; // not a reply line
            if (fourth == ' ') {
                reply.code = code;
                reply.length = pos;
                reply.text = buffer.left(pos);
                return reply;
            }
            if (fourth == '-') {
                opening = code;
                message += QString::fromUtf8(line.mid(4)) + QLatin1String("\r\n");
            }
            continue;
        }
        if (code == opening && fourth == ' ') {
            message.chop(2);
            reply.code = opening;
            reply.length = pos;
            reply.text = buffer.left(pos);
            reply.multiLine = true;
            reply.message = message;
            return reply;
        }
        // A continuation line, whatever it starts with.
        message += QString::fromUtf8(code != 0 && fourth == '-' ? line.mid(4) : line) + QLatin1String("\r\n");
    }
    if (opening == 221) {
        message.chop(2);
        reply.code = 221;
        reply.length = pos;
        reply.text = buffer.left(pos);
        reply.multiLine = true;
        reply.message = message;
    }
    return reply;
}

std::optional<PasvAddress> ParsePasvReply(const QString &reply)
{
    QString numbers;
    const qsizetype open = reply.indexOf(QLatin1Char('('));
    const qsizetype close = reply.indexOf(QLatin1Char(')'));
    if (open >= 0 && close > open) {
        numbers = reply.mid(open + 1, close - open - 1);
    } else {
        qsizetype i = 4; // past "227 "
        while (i < reply.size() && !reply.at(i).isDigit())
            ++i;
        qsizetype j = i;
        while (j < reply.size() && (reply.at(j).isDigit() || reply.at(j) == QLatin1Char(',')))
            ++j;
        numbers = reply.mid(i, j - i);
    }
    const QStringList fields = numbers.split(QLatin1Char(','));
    if (fields.size() != 6)
        return std::nullopt;
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const QString f = fields.at(i).trimmed();
        bool ok = !f.isEmpty() && f.size() <= 3;
        for (const QChar c : f)
            ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        values[i] = ok ? f.toInt() : -1;
        if (!ok || values[i] > 255)
            return std::nullopt;
    }
    PasvAddress address;
    address.host = QStringLiteral("%1.%2.%3.%4").arg(values[0]).arg(values[1]).arg(values[2]).arg(values[3]);
    address.port = values[4] * 256 + values[5];
    if (address.port == 0)
        return std::nullopt;
    return address;
}

std::optional<QString> GetDirFromResponse(const QString &reply)
{
    if (reply.size() < 7)
        return std::nullopt;
    const qsizetype first = reply.indexOf(QLatin1Char('"'));
    if (first < 0)
        return std::nullopt;
    const qsizetype second = reply.indexOf(QLatin1Char('"'), first + 1);
    if (second < 0)
        return std::nullopt;
    QString dir = reply.mid(first + 1, second - first - 1);
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return dir;
}

QString FtpReplyText(int code)
{
    static const QHash<int, const char *> texts = {
        {120, "Service ready in nnn minutes."},
        {332, "Need account for login."},
        {350, "Requested file action pending further information."},
        {421, "Service not available, closing control connection."},
        {425, "Can 't open data connection."},
        {426, "Connection closed; transfer aborted."},
        {450, "Requested file action not taken."},
        {451, "Requested action aborted: local error in processing."},
        {452, "Requested action not taken."},
        {500, "Syntax error, command unrecognized."},
        {501, "Syntax error in parameters or arguments."},
        {502, "Command not implemented."},
        {503, "Bad sequence of commands."},
        {504, "Command not implemented for that parameter."},
        {530, "Not logged in."},
        {532, "Need account for storing files."},
        {550, "Requested action not taken."},
        {551, "Requested action aborted: page type unknown."},
        {552, "Requested file action aborted."},
        {553, "Requested action not taken."},
    };
    const char *text = texts.value(code, nullptr);
    return text ? QString::fromLatin1(text) : QString();
}

bool HasLineBreakOrNul(const QString &text)
{
    for (const QChar c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            return true;
    return false;
}

} // namespace vexl
