#pragma once

#include <QList>
#include <QString>

namespace vexl {

// The process-wide message table: 112 texts under fixed keys. Texts are read at
// the moment of use, so a language change applies to every text composed later.
// The English text is the translation source; untranslated rows stay English.
struct MessageRow
{
    const char *key;
    const char *english;
};

const QList<MessageRow> &messageTable();

// The text of `key` in the current language, with its "\n" escapes as typed.
QString Msg(const char *key);
// Msg(key) with every two-character "\n" turned into a line break.
QString MsgX(const char *key);
// Replaces every two-character sequence backslash-n by CR LF.
QString ExpandNewlines(const QString &text);

} // namespace vexl
