#include "settingsstore.h"

#include "support/vexlerror.h"

#include <QStandardPaths>
#include <QStringList>

namespace vexl {

namespace {
VexlError typeMismatch(const QString &name, const QString &text)
{
    return VexlError{13, QStringLiteral("Type mismatch (%1 = \"%2\")").arg(name, text),
                     QStringLiteral("SettingsStore"), 0};
}
} // namespace

QString SettingsStore::userFile()
{
    // QSettings' own IniFormat/UserScope file would be VEXLLite.ini, and it reads
    // XDG_CONFIG_HOME only once per process; the path is made here instead.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/VEXLLite/VEXLLite.conf");
}

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(userFile(), QSettings::IniFormat))
{
}

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

bool SettingsStore::contains(const QString &group, const QString &name)
{
    return m_settings->contains(group + QLatin1Char('/') + name);
}

QString SettingsStore::groupText(const QString &group, const QString &name, const QString &defaultValue)
{
    const QVariant v = m_settings->value(group + QLatin1Char('/') + name);
    if (!v.isValid())
        return defaultValue;
    // An unquoted text with commas, written by hand, reads back as a list.
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

void SettingsStore::setGroupText(const QString &group, const QString &name, const QString &value)
{
    m_settings->setValue(group + QLatin1Char('/') + name, value);
}

void SettingsStore::remove(const QString &group, const QString &name)
{
    m_settings->remove(group + QLatin1Char('/') + name);
}

qint64 SettingsStore::toNumber(const QString &text, const QString &name)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qint64 n = t.toLongLong(&ok);
    if (ok)
        return n;
    const double d = t.toDouble(&ok);
    if (ok && d >= -9.2e18 && d <= 9.2e18)
        return qRound64(d);
    throw typeMismatch(name, text);
}

double SettingsStore::toReal(const QString &text, const QString &name)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok)
        throw typeMismatch(name, text);
    return d;
}

bool SettingsStore::toFlag(const QString &text, const QString &name)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return toNumber(t, name) != 0;
}

qint64 SettingsStore::number(const QString &name, qint64 defaultValue)
{
    if (!contains(QLatin1String(SettingsGroup), name))
        return defaultValue;
    return toNumber(text(name), name);
}

double SettingsStore::real(const QString &name, double defaultValue)
{
    if (!contains(QLatin1String(SettingsGroup), name))
        return defaultValue;
    return toReal(text(name), name);
}

bool SettingsStore::flag(const QString &name, bool defaultValue)
{
    if (!contains(QLatin1String(SettingsGroup), name))
        return defaultValue;
    return toFlag(text(name), name);
}

} // namespace vexl
