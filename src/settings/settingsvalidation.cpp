#include "settingsvalidation.h"

#include "ftpconnections.h"
#include "settingsstore.h"
#include "support/vexlerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <functional>
#include <optional>

namespace vexl {

namespace {

enum class Kind { Number, Signed, Index, Check, Flag };

struct Range
{
    const char *key;
    Kind kind;
    qint64 min;
    qint64 max;
    // When set: the value must be at least 1 while this holds for the file.
    std::function<bool(QSettings &)> inUse = nullptr;
};

QString valueOf(QSettings &ini, const char *key)
{
    const QVariant v = ini.value(QStringLiteral("Settings/") + QLatin1String(key));
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

bool ticked(QSettings &ini, const char *key)
{
    return valueOf(ini, key) == QLatin1String("1");
}

bool methodUses(QSettings &ini, std::initializer_list<int> methods)
{
    const QString m = valueOf(ini, "DimensionMethod");
    for (int i : methods)
        if (m == QString::number(i))
            return true;
    return false;
}

const Range kRanges[] = {
    {"DimensionMethod", Kind::Index, 0, 4},
    {"DimensionWidth", Kind::Number, 0, 2147483647, [](QSettings &i) { return methodUses(i, {1, 2, 4}); }},
    {"DimensionHeight", Kind::Number, 0, 2147483647, [](QSettings &i) { return methodUses(i, {1, 3, 4}); }},
    {"DimensionPC", Kind::Check, 0, 1},
    {"TextOverlay", Kind::Check, 0, 1},
    {"TextOverlayPosition", Kind::Index, 0, 8},
    {"TextOverlaySize", Kind::Number, 1, 32767},
    {"TextOverlayColour", Kind::Signed, -2147483648LL, 2147483647},
    {"TextOverlayBGColour", Kind::Signed, -2147483648LL, 2147483647},
    {"TextOverlayBGTrans", Kind::Flag, 0, 1},
    {"Case", Kind::Index, 0, 5},
    {"Spaces", Kind::Index, 0, 5},
    {"SequentialNumber", Kind::Check, 0, 1},
    {"StartNumber", Kind::Number, 0, 32767},
    {"ZeroFill", Kind::Number, 0, 32767},
    {"MiscAntialias", Kind::Check, 0, 1},
    {"MiscBevel", Kind::Check, 0, 1},
    {"MiscBevelWidth", Kind::Number, 0, 2147483647, [](QSettings &i) { return ticked(i, "MiscBevel"); }},
    {"MiscRotate", Kind::Check, 0, 1},
    {"MiscRotateAngle", Kind::Number, 0, 2147483647, [](QSettings &i) { return ticked(i, "MiscRotate"); }},
    {"MiscFlipHoriz", Kind::Check, 0, 1},
    {"MiscFlipVert", Kind::Check, 0, 1},
    {"MiscInvert", Kind::Check, 0, 1},
    {"MiscGreyscale", Kind::Check, 0, 1},
    {"OutputFormat", Kind::Index, 0, 8},
    {"JpgQuality", Kind::Number, 1, 100},
    {"DeleteOld", Kind::Check, 0, 1},
    {"ReplicateSubDirs", Kind::Check, 0, 1},
    {"AniExtractAllScenes", Kind::Check, 0, 1},
};

QString rangeText(const Range &r, qint64 min)
{
    switch (r.kind) {
    case Kind::Check: return QStringLiteral("0 or 1");
    case Kind::Flag: return QStringLiteral("True or False");
    case Kind::Index: return QStringLiteral("a list index from %1 to %2").arg(r.min).arg(r.max);
    case Kind::Number:
    case Kind::Signed: break;
    }
    if (r.kind == Kind::Number && r.max == 2147483647)
        return min > 0 ? QStringLiteral("digits only, at least %1").arg(min) : QStringLiteral("digits only");
    return QStringLiteral("%1 to %2%3").arg(min).arg(r.max).arg(r.kind == Kind::Number ? QStringLiteral(", digits only")
                                                                                         : QString());
}

bool inRange(const Range &r, const QString &text, qint64 min)
{
    switch (r.kind) {
    case Kind::Check: return text == QLatin1String("0") || text == QLatin1String("1");
    case Kind::Flag:
        return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0;
    case Kind::Number:
    case Kind::Index:
    case Kind::Signed: break;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    static const QRegularExpression signedDigits(QStringLiteral("^-?[0-9]{1,18}$"));
    if (!(r.kind == Kind::Signed ? signedDigits : digits).match(text).hasMatch())
        return false;
    const qint64 n = text.toLongLong();
    return n >= min && n <= r.max;
}

QStringList connectionNames(QSettings &store)
{
    QStringList names;
    try {
        for (const FTPConnection &c : LoadFTPConnections(store))
            names << c.Name;
    } catch (const VexlError &) {
    }
    return names;
}

} // namespace

QString ValidateSettingsFile(const QString &file, const QString &userStoreFile)
{
    const QList<SettingsProblem> problems = SettingsFileProblems(file, userStoreFile);
    return problems.isEmpty() ? QString() : problems.first().line;
}

QList<SettingsProblem> SettingsFileProblems(const QString &file, const QString &userStoreFile)
{
    QList<SettingsProblem> problems;
    const QString head = QStringLiteral("Settings file %1: ").arg(file);
    QFile probe(file);
    if (!QFileInfo(file).isFile() || !probe.open(QIODevice::ReadOnly))
        return {{QString(), head + QStringLiteral("cannot be read (%1)").arg(probe.errorString())}};
    probe.close();
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError || !ini.childGroups().contains(QLatin1String(SettingsStore::SettingsGroup)))
        return {{QString(), head + QStringLiteral("cannot be read: not a settings file with a [Settings] group")}};

    for (const Range &r : kRanges) {
        const QString key = QStringLiteral("Settings/") + QLatin1String(r.key);
        if (!ini.contains(key))
            continue;
        const qint64 min = (r.inUse && r.inUse(ini)) ? qMax<qint64>(r.min, 1) : r.min;
        const QString text = valueOf(ini, r.key);
        if (!inRange(r, text, min))
            problems << SettingsProblem{QLatin1String(r.key), head + QStringLiteral("%1 = \"%2\" is not allowed (allowed: %3)")
                                                                         .arg(QLatin1String(r.key), text, rangeText(r, min))};
    }

    const QString dest = valueOf(ini, "OutputDest");
    if (ini.contains(QStringLiteral("Settings/OutputDest")) && dest != QLatin1String("//SAMEDIR//")
        && dest != QLatin1String("//DIFFDIR//")) {
        static const QRegularExpression connection(QStringLiteral("^//FTP: (.+)//$"));
        const QRegularExpressionMatch m = connection.match(dest);
        bool known = false;
        if (m.hasMatch()) {
            QSettings user(userStoreFile, QSettings::IniFormat);
            known = connectionNames(ini).contains(m.captured(1)) || connectionNames(user).contains(m.captured(1));
        }
        if (!known)
            problems << SettingsProblem{QStringLiteral("OutputDest"),
                                        head + QStringLiteral("OutputDest = \"%1\" is not allowed (allowed: //SAMEDIR//, "
                                                              "//DIFFDIR//, or //FTP: name// of a saved connection)")
                                                   .arg(dest)};
    }
    return problems;
}

} // namespace vexl
