#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vexl {

// The first complete reply at the start of `buffer` (control-connection bytes
// not yet acted on). Only whole lines count. A single-line reply is a line
// "ddd text"; a multi-line reply opens with "ddd-" and ends only at a line that
// starts with the same three digits followed by a space (or nothing). Lines
// that are not part of a reply are skipped. A multi-line 221 (the server says
// goodbye and may close at once) is complete with whatever lines have come.
struct FtpReply
{
    int code = 0;          // 0: no complete reply in the buffer yet
    qsizetype length = 0;  // bytes of the buffer the reply takes, through its final line
    QByteArray text;       // the reply as received, every line with its CR LF
    bool multiLine = false;
    QString message;       // multi-line: the continuation lines' texts, CR LF between them
};
FtpReply TakeReply(const QByteArray &buffer);

// Host and port of a 227 reply: the six numbers between the parentheses (or,
// without parentheses, the first run of digits and commas after the code).
// Nothing when a number is missing, not a number or above 255.
struct PasvAddress
{
    QString host;
    int port = 0;
};
std::optional<PasvAddress> ParsePasvReply(const QString &reply);

// The directory of a 257 reply: the text between the first two double quotes,
// backslashes turned into "/". Nothing for a reply shorter than 7 characters
// or without two double quotes.
std::optional<QString> GetDirFromResponse(const QString &reply);

// The client's text for an error reply code ("Not logged in." for 530 ...);
// empty for codes without one.
QString FtpReplyText(int code);

// True when `text` holds a carriage return, a line feed or a NUL: such a value
// would end the command line early and smuggle in another command.
bool HasLineBreakOrNul(const QString &text);

} // namespace vexl
