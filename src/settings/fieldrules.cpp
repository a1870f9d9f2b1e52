#include "fieldrules.h"

namespace vexl {

NumberCheck CheckRemoveNonNumbers(const QString &input, bool zeroAllowed, bool percentAllowed, qint32 maximum,
                                  const QString &previous, int caret)
{
    NumberCheck r;
    QString text = input;
    if (caret < 0 || caret > text.size())
        caret = text.size();
    const auto removeAll = [&](QChar c) {
        r.removedBeforeCaret += int(text.left(caret).count(c));
        text.remove(c);
    };

    // 1. the per cent sign
    if (text.contains(QLatin1Char('%'))) {
        if (!percentAllowed) {
            removeAll(QLatin1Char('%'));
            r.text = text;
            r.numbersOnlyError = true;
            return r;
        }
        const bool onlyPercent = text.count(QLatin1Char('%')) == text.size();
        removeAll(QLatin1Char('%'));
        if (!onlyPercent)
            text += QLatin1Char('%');
    }

    // 2. everything but digits goes, every occurrence at once
    for (int i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if ((c.unicode() < 48 || c.unicode() >= 58) && c != QLatin1Char('%')) {
            removeAll(c);
            r.numbersOnlyError = true;
            continue;
        }
        ++i;
    }

    // 3. zero
    const QString digits = QString(text).remove(QLatin1Char('%'));
    const double value = digits.isEmpty() ? 0.0 : digits.toDouble();
    if (value == 0 && !text.isEmpty() && !zeroAllowed) {
        text = QStringLiteral("1");
        r.zeroError = true;
        r.removedBeforeCaret = 0;
    }

    // 4. maximum
    if (maximum >= 1 && value > maximum) {
        text = previous;
        r.removedBeforeCaret = 0;
    }

    // 5. a zero error is shown instead of the numbers-only one
    if (r.zeroError)
        r.numbersOnlyError = false;
    r.text = text;
    return r;
}

} // namespace vexl
