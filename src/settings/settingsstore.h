#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace vexl {

// The per-user settings store: QSettings in INI form, organisation and
// application "VEXLLite" (~/.config/VEXLLite/VEXLLite.conf), every value a text.
// The typed readers throw VexlError (number 13, "Type mismatch") when a stored
// text cannot be converted; a missing value gives the default.
class SettingsStore
{
public:
    SettingsStore();                              // the user's store
    // The user's store: $XDG_CONFIG_HOME (else ~/.config) + /VEXLLite/VEXLLite.conf.
    static QString userFile();
    explicit SettingsStore(const QString &iniFile); // another INI file, same groups and names

    static constexpr const char *SettingsGroup = "Settings";

    bool contains(const QString &group, const QString &name);
    QString groupText(const QString &group, const QString &name, const QString &defaultValue = QString());
    void setGroupText(const QString &group, const QString &name, const QString &value);
    void remove(const QString &group, const QString &name);

    // Convenience for the "Settings" group.
    QString text(const QString &name, const QString &defaultValue = QString())
    { return groupText(QLatin1String(SettingsGroup), name, defaultValue); }
    void setText(const QString &name, const QString &value)
    { setGroupText(QLatin1String(SettingsGroup), name, value); }
    qint64 number(const QString &name, qint64 defaultValue);
    double real(const QString &name, double defaultValue);
    // "True"/"False" in any case, or a number (0 false, anything else true).
    bool flag(const QString &name, bool defaultValue);

    QSettings &raw() { return *m_settings; }
    void sync() { m_settings->sync(); }

    static qint64 toNumber(const QString &text, const QString &name);
    static double toReal(const QString &text, const QString &name);
    static bool toFlag(const QString &text, const QString &name);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace vexl
