#pragma once

#include <QString>

namespace vexl {

// The outcome of the numeric-field filter for one change of a field.
struct NumberCheck
{
    QString text;              // what the field holds afterwards
    int removedBeforeCaret = 0; // characters removed before the caret (to keep it in place)
    bool numbersOnlyError = false; // show "Only numbers are allowed into this field!"
    bool zeroError = false;        // show "Number not allowed to be 0!" (instead)
};

// The filter run on every change of a numeric field: removes anything but
// digits (and a per cent sign where allowed, kept at the end), turns a refused 0
// into "1", and gives the previous text back when the value exceeds `maximum`
// (below 1: no maximum). `previous` is the field's last accepted text.
NumberCheck CheckRemoveNonNumbers(const QString &text, bool zeroAllowed, bool percentAllowed, qint32 maximum,
                                  const QString &previous, int caret = -1);

} // namespace vexl
