#pragma once

#include <QString>

namespace vexl {

// The translation code of a stored language key: "de" for "German" or
// "Deutsch", "es", "fr", "it", "nl"; empty for English and any other key.
QString LanguageCode(const QString &key);

// Makes `code`'s translations current ("" for English). Every window receives
// a language-change event and re-applies its texts; messages read afterwards
// come in the new language, untranslated ones in English.
bool InstallLanguage(const QString &code);
QString InstalledLanguage();

} // namespace vexl
