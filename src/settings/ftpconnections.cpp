#include "ftpconnections.h"

#include "support/dialogservice.h"
#include "support/vexlerror.h"

#include <QRandomGenerator>
#include <QSettings>

#include <optional>

namespace vexl {

namespace {
const QString kGroup = QStringLiteral("FTPConnections");
const char *const kFields[] = {".DefaultPath", ".IsAnnonymous", ".IsPassive", ".Timeout",
                               ".Password",    ".Port",         ".Server",    ".Username"};

QString readText(QSettings &store, const QString &key, const QString &defaultValue)
{
    const QVariant v = store.value(key);
    if (!v.isValid())
        return defaultValue;
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

VexlError mismatch(const QString &key, const QString &text)
{
    return VexlError{13, QStringLiteral("Type mismatch (%1 = \"%2\")").arg(key, text),
                     QStringLiteral("LoadFTPConnections"), 0};
}

qint64 toNumber(const QString &key, const QString &text, qint64 low, qint64 high)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok)
        throw mismatch(key, text);
    const qint64 n = qRound64(d);
    if (n < low || n > high)
        throw VexlError{6, QStringLiteral("Overflow (%1 = \"%2\")").arg(key, text), QStringLiteral("LoadFTPConnections"), 0};
    return n;
}

bool toBool(const QString &key, const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return toNumber(key, t, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()) != 0;
}

QString hex2(int v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

// Characters as the 8-bit codes of a Western code page.
int code(QChar c)
{
    const ushort u = c.unicode();
    return u < 256 ? int(u) : int('?');
}

int wrap(int v)
{
    if (v > 255)
        v -= 255;
    if (v < 0)
        v += 255;
    return v;
}
} // namespace

FtpState &Ftp()
{
    static FtpState state;
    return state;
}

FTPConnectionList LoadFTPConnections(QSettings &store)
{
    FTPConnectionList list;
    const QString names = readText(store, QStringLiteral("Settings/FTPServers"), QString());
    for (const QString &name : names.split(QStringLiteral("\r\n"))) {
        if (name.isEmpty())
            continue;
        const QString base = kGroup + QLatin1Char('/') + name;
        FTPConnection c;
        c.Name = name;
        c.DefaultPath = readText(store, base + QStringLiteral(".DefaultPath"), QString());
        c.IsAnnonymous = toBool(base + QStringLiteral(".IsAnnonymous"),
                                readText(store, base + QStringLiteral(".IsAnnonymous"), QStringLiteral("False")));
        c.IsPassive = toBool(base + QStringLiteral(".IsPassive"),
                             readText(store, base + QStringLiteral(".IsPassive"), QStringLiteral("True")));
        c.Timeout = qint16(toNumber(base + QStringLiteral(".Timeout"),
                                    readText(store, base + QStringLiteral(".Timeout"), QStringLiteral("30")), -32768, 32767));
        const QString password = readText(store, base + QStringLiteral(".Password"), QString());
        c.Password = password.isEmpty() ? QString() : DecryptPassword(password);
        const QString port = readText(store, base + QStringLiteral(".Port"), QString());
        c.Port = port.trimmed().isEmpty() ? 0
                                          : qint32(toNumber(base + QStringLiteral(".Port"), port, std::numeric_limits<qint32>::min(),
                                                            std::numeric_limits<qint32>::max()));
        c.Server = readText(store, base + QStringLiteral(".Server"), QString());
        c.Username = readText(store, base + QStringLiteral(".Username"), QString());
        if (!c.Server.isEmpty() && c.Port > 0 && (!c.Username.isEmpty() || c.IsAnnonymous))
            list << c;
    }
    return list;
}

void SaveFTPConnections(QSettings &store, const FTPConnectionList &list)
{
    QString names;
    const auto tf = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    for (const FTPConnection &c : list) {
        const QString base = kGroup + QLatin1Char('/') + c.Name;
        store.setValue(base + QStringLiteral(".DefaultPath"), c.DefaultPath);
        store.setValue(base + QStringLiteral(".IsAnnonymous"), tf(c.IsAnnonymous));
        store.setValue(base + QStringLiteral(".IsPassive"), tf(c.IsPassive));
        store.setValue(base + QStringLiteral(".Timeout"), QString::number(c.Timeout));
        store.setValue(base + QStringLiteral(".Password"), c.Password.isEmpty() ? QString() : EncryptPassword(c.Password));
        store.setValue(base + QStringLiteral(".Port"), QString::number(c.Port));
        store.setValue(base + QStringLiteral(".Server"), c.Server);
        store.setValue(base + QStringLiteral(".Username"), c.Username);
        names += c.Name + QStringLiteral("\r\n");
    }
    store.setValue(QStringLiteral("Settings/FTPServers"), names);
    store.sync();
}

void DeleteFTPConnectionValues(QSettings &store, const QString &name)
{
    for (const char *field : kFields)
        store.remove(kGroup + QLatin1Char('/') + name + QLatin1String(field));
}

std::pair<FTPConnection, int> FindFTPConnection(const FTPConnectionList &list, const QString &name)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).Name == name)
            return {list.at(i), i};
    FTPConnection none;
    none.Name.clear();
    return {none, -1};
}

bool AddFTPConnection(FTPConnectionList &list, const FTPConnection &record)
{
    if (FindFTPConnection(list, record.Name).second >= 0)
        return false;
    list << record;
    return true;
}

bool UpdateFTPConnection(FTPConnectionList &list, const FTPConnection &record)
{
    const int i = FindFTPConnection(list, record.Name).second;
    if (i < 0)
        return false;
    list[i] = record;
    return true;
}

bool RemoveFTPConnection(FTPConnectionList &list, QSettings &store, const QString &name)
{
    const int i = FindFTPConnection(list, name).second;
    if (i < 0)
        return false;
    list.removeAt(i);
    DeleteFTPConnectionValues(store, name);
    return true;
}

void SortFTPConnections(FTPConnectionList &list)
{
    for (int i = 0; i + 1 < list.size(); ++i)
        for (int j = i + 1; j < list.size(); ++j)
            if (list.at(i).Name.compare(list.at(j).Name, Qt::CaseInsensitive) > 0)
                list.swapItemsAt(i, j);
}

namespace {
// The scramble of a sequence of 8-bit codes: an eight-digit random key and a
// random pattern saying which key digits go in front and which at the end;
// the codes alternately plus and minus the key digits, as hex pairs.
QString scramble(const QList<int> &codes)
{
    QRandomGenerator *random = QRandomGenerator::global();
    QString key;
    QString pattern;
    for (int i = 0; i < 8; ++i) {
        key += QString::number(int(random->bounded(16)), 16).toUpper();
        pattern += random->bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
    }
    QString text;
    bool add = true;
    for (int i = 0; i < codes.size(); ++i) {
        const int k = code(key.at(i % 8));
        const int v = wrap(add ? codes.at(i) + k : codes.at(i) - k);
        text += hex2(v);
        add = !add;
    }
    for (int i = 0; i < 8; ++i) {
        if (pattern.at(i) == QLatin1Char('1'))
            text.prepend(key.at(i));
        else
            text.append(key.at(i));
    }
    return hex2(pattern.toInt(nullptr, 2)) + text;
}

std::optional<QList<int>> unscramble(const QString &scrambled)
{
    bool ok = false;
    const int patternValue = scrambled.left(2).toInt(&ok, 16);
    if (!ok || scrambled.size() < 10)
        return std::nullopt;
    const QString pattern = QStringLiteral("%1").arg(patternValue, 8, 2, QLatin1Char('0'));
    QString text = scrambled.mid(2);
    QString key(8, QLatin1Char('0'));
    for (int i = 7; i >= 0; --i) {
        if (pattern.at(i) == QLatin1Char('1')) {
            key[i] = text.at(0);
            text.remove(0, 1);
        } else {
            key[i] = text.at(text.size() - 1);
            text.chop(1);
        }
    }
    QList<int> codes;
    bool subtract = true;
    for (int i = 0, n = 0; i + 1 < text.size(); i += 2, ++n) {
        const int value = text.mid(i, 2).toInt(nullptr, 16);
        const int k = code(key.at(n % 8));
        codes << wrap(subtract ? value - k : value + k);
        subtract = !subtract;
    }
    return codes;
}
} // namespace

QString EncryptPassword(const QString &password)
{
    if (password.isEmpty())
        return QString();
    QList<int> codes;
    bool latin1 = true;
    for (const QChar c : password) {
        latin1 = latin1 && c.unicode() < 256;
        codes << int(c.unicode());
    }
    if (latin1)
        return scramble(codes);
    // Beyond Latin-1 the UTF-8 bytes are scrambled, marked by a leading "U"
    // (the Latin-1 form starts with an upper-case hex digit).
    codes.clear();
    for (const char byte : password.toUtf8())
        codes << int(uchar(byte));
    return QLatin1Char('U') + scramble(codes);
}

QString DecryptPassword(const QString &scrambled)
{
    if (scrambled.isEmpty())
        return QString();
    const bool utf8 = scrambled.startsWith(QLatin1Char('U'));
    const std::optional<QList<int>> codes = unscramble(utf8 ? scrambled.mid(1) : scrambled);
    if (!codes)
        return QString();
    if (utf8) {
        QByteArray bytes;
        for (int c : *codes)
            bytes += char(c);
        return QString::fromUtf8(bytes);
    }
    QString out;
    for (int c : *codes)
        out += QChar(c);
    return out;
}

QString GetFTPSettingsReport(const FTPConnection &c, const QString &path)
{
    const auto tf = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    const std::pair<const char *, QString> lines[] = {
        {"FTPName", c.Name},
        {"FTPServer", c.Server},
        {"FTPPort", QString::number(c.Port)},
        {"FTPDefaultPath", c.DefaultPath},
        {"FTPPath", path},
        {"FTPIsPassive", tf(c.IsPassive)},
        {"FTPTimeout", QString::number(c.Timeout)},
        {"FTPIsAnnonymous", tf(c.IsAnnonymous)},
    };
    QString out;
    for (const auto &[name, value] : lines)
        out += QLatin1String(name) + QStringLiteral(" = \"") + value + QStringLiteral("\"\r\n");
    return out;
}

bool AskFtpLogin(const QString &server, const QString &username, const QString &password)
{
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
    if (const std::optional<LoginAnswer> answer = DialogService::current().promptLogin(server, username, password)) {
        ftp.LoginUsername = answer->username;
        ftp.LoginPassword = answer->password;
        ftp.RememberLogin = answer->remember;
    }
    return !ftp.LoginUsername.isEmpty() && !ftp.LoginPassword.isEmpty();
}

} // namespace vexl
