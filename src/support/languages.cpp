#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vexl {

namespace {
QTranslator *&current()
{
    static QTranslator *translator = nullptr;
    return translator;
}
// Qt's own texts (message-box buttons, the edit menus of text fields) in the
// same language, from the system's Qt translations.
QTranslator *&currentQt()
{
    static QTranslator *translator = nullptr;
    return translator;
}
QString &currentCode()
{
    static QString code;
    return code;
}
} // namespace

QString LanguageCode(const QString &key)
{
    static const std::pair<const char *, const char *> keys[] = {
        {"German", "de"},  {"Deutsch", "de"},    {"Spanish", "es"},    {"Español", "es"},
        {"French", "fr"},  {"Français", "fr"},   {"Italian", "it"},    {"Italiano", "it"},
        {"Dutch", "nl"},   {"Nederlands", "nl"},
    };
    for (const auto &[name, code] : keys)
        if (key == QString::fromUtf8(name))
            return QLatin1String(code);
    return QString();
}

bool InstallLanguage(const QString &code)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    for (QTranslator **slot : {&current(), &currentQt()}) {
        if (QTranslator *old = *slot) {
            QCoreApplication::removeTranslator(old);
            delete old;
            *slot = nullptr;
        }
    }
    currentCode().clear();
    if (code.isEmpty()) {
        // Removing a translator already told every window; with none installed
        // they still need to hear that English is back.
        QEvent event(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &event);
        return true;
    }
    auto *translator = new QTranslator(app);
    if (!translator->load(QStringLiteral(":/i18n/vexl_%1.qm").arg(code))) {
        delete translator;
        return false;
    }
    // Missing Qt translations leave Qt's texts in English, nothing more.
    auto *qtTranslator = new QTranslator(app);
    if (qtTranslator->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTranslator);
        currentQt() = qtTranslator;
    } else {
        delete qtTranslator;
    }
    QCoreApplication::installTranslator(translator);
    current() = translator;
    currentCode() = code;
    return true;
}

QString InstalledLanguage()
{
    return currentCode();
}

} // namespace vexl
