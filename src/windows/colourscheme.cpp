#include "colourscheme.h"

#include "support/fontfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

namespace vexl {

namespace {
// Dark blue, 0xC00000 in the 0x00BBGGRR form.
constexpr qint32 kFrameText = 0xC00000;

// System colour n (0x80000000 + n) as the palette role that shows the same thing.
QColor systemColour(int n, const QPalette &p)
{
    switch (n) {
    case 2: case 13: case 27: case 29: return p.color(QPalette::Highlight);   // caption, highlight
    case 3: case 16: case 28: return p.color(QPalette::Mid);                   // inactive caption, button shadow
    case 5: return p.color(QPalette::Base);                                    // window background
    case 6: case 21: return p.color(QPalette::Shadow);                         // frame, dark shadow
    case 7: return p.color(QPalette::WindowText);                              // menu text
    case 8: return p.color(QPalette::Text);                                    // window text
    case 9: case 14: return p.color(QPalette::HighlightedText);
    // The inactive border has no role of its own: its usual value.
    case 11: return QColor(0xD4, 0xD0, 0xC8);
    case 12: return p.color(QPalette::Dark);                                   // application workspace
    case 0: case 15: return p.color(QPalette::Button);                         // scroll bar, button face
    case 17: return p.color(QPalette::Disabled, QPalette::Text);               // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return p.color(QPalette::Light);
    case 22: return p.color(QPalette::Midlight);
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);                            // tooltip background
    case 26: return p.color(QPalette::Link);
    default: return p.color(QPalette::Window);                                 // desktop, menu, borders, ...
    }
}

void setAllGroups(QPalette &p, QPalette::ColorRole role, const QColor &c)
{
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, role, c);
}

void copyRole(QPalette &to, const QPalette &from, QPalette::ColorRole role)
{
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        to.setColor(g, role, from.color(g, role));
}

// Greyed text that stays readable on the scheme's background: half way
// between the text colour and the background.
QColor greyedOn(const QColor &text, const QColor &back)
{
    return QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2, (text.blue() + back.blue()) / 2);
}

void setFamily(QWidget *w, const QString &family, const QFont &base)
{
    QFont f = base;
    f.setFamily(family);
    w->setFont(f);
}
} // namespace

QColor WinColour(qint32 value)
{
    return WinColour(value, QApplication::palette());
}

QColor WinColour(qint32 value, const QPalette &palette)
{
    const quint32 v = quint32(value);
    if (v & 0x80000000u)
        return systemColour(int(v & 0xFFu), palette);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 ToWinColour(const QColor &colour)
{
    return qint32(quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16));
}

QString SchemeFontFamily(const QString &face)
{
    if (QFontDatabase::hasFamily(face))
        return face;
    // Faces of like metrics first, so that the panels keep their proportions.
    static const std::pair<const char *, QStringList> kStandIns[] = {
        {"ms sans serif", {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {"arial", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")}},
        {"tahoma", {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        {"verdana", {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")}},
    };
    const QString key = face.toLower();
    for (const auto &[name, standIns] : kStandIns) {
        if (key != QLatin1String(name))
            continue;
        for (const QString &f : standIns)
            if (QFontDatabase::hasFamily(f))
                return f;
    }
    const QString matched = FontFamilyName(face);
    return matched.isEmpty() ? face : matched;
}

void SetCols(qint32 first, qint32 second, const QString &face, QWidget *target)
{
    if (!target)
        return;
    const QPalette base = QApplication::palette(target);
    const QColor back = WinColour(first, base);
    const QColor buttons = WinColour(second, base);
    const QColor frameText = WinColour(kFrameText, base);
    const QString family = SchemeFontFamily(face);
    const QFont baseFont = target->font();

    QPalette windowPalette = target->palette();
    setAllGroups(windowPalette, QPalette::Window, back);
    copyRole(windowPalette, base, QPalette::WindowText);
    target->setPalette(windowPalette);

    const QList<QWidget *> children = target->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (w->window() != target)
            continue; // dialogs owned by the window are styled on their own
        QPalette p = QApplication::palette(w);
        if (qobject_cast<QGroupBox *>(w)
            || (w->metaObject() == &QFrame::staticMetaObject && w->objectName().startsWith(QLatin1String("fra")))) {
            setAllGroups(p, QPalette::Window, back);
            // The caption is dark blue (some styles draw it in the text colour);
            // a plain frame has no caption, and its border keeps its colour.
            if (qobject_cast<QGroupBox *>(w)) {
                setAllGroups(p, QPalette::WindowText, frameText);
                setAllGroups(p, QPalette::Text, frameText);
            } else {
                copyRole(p, base, QPalette::WindowText);
            }
            w->setPalette(p);
            w->setAutoFillBackground(true);
            setFamily(w, family, baseFont);
        } else if ((qobject_cast<QLabel *>(w) && w->objectName() != QLatin1String("lblLoadingList"))
                   || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            setAllGroups(p, QPalette::Window, back);
            copyRole(p, base, QPalette::WindowText);
            copyRole(p, base, QPalette::Text);
            p.setColor(QPalette::Disabled, QPalette::WindowText, greyedOn(base.color(QPalette::WindowText), back));
            w->setPalette(p);
            setFamily(w, family, baseFont);
        } else if (qobject_cast<QAbstractButton *>(w)) {
            setAllGroups(p, QPalette::Button, buttons);
            copyRole(p, base, QPalette::WindowText);
            copyRole(p, base, QPalette::Text);
            w->setPalette(p);
            setFamily(w, family, baseFont);
        } else if (w->objectName() != QLatin1String("lblLoadingList") && !w->objectName().isEmpty()
                   && !w->objectName().startsWith(QLatin1String("qt_"))) {
            // Fields, lists and trees: their own colours and the window's font.
            copyRole(p, base, QPalette::WindowText);
            copyRole(p, base, QPalette::Text);
            w->setPalette(p);
            w->setFont(baseFont);
        }
    }
}

} // namespace vexl
