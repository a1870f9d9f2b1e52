#include "processsettings.h"

#include "settingsstore.h"
#include "support/vexlerror.h"

#include <optional>
#include <variant>

namespace vexl {

namespace {

enum class Kind {
    Check,  // "1" / "0"
    List,   // decimal index, 0 .. maxIndex
    Text,   // as typed
    Int16,  // decimal, 16-bit
    Int32,  // decimal, 32-bit
    Flag,   // "True" / "False"
};

using Member = std::variant<QString ProcessSettings::*, int ProcessSettings::*, bool ProcessSettings::*>;

struct Field
{
    const char *name;
    Kind kind;
    Member member;
    std::optional<QString> reset; // no value: "Reset All Settings" leaves it
    int maxIndex = 0;             // List: highest index
};

// DimensionMethod .. ReplicateSubDirs in load order, then the later options, with
// their reset values.
// First-run defaults are the member initialisers of ProcessSettings.
const Field kOptions[] = {
    {"DimensionMethod", Kind::List, &ProcessSettings::DimensionMethod, QStringLiteral("0"), 4},
    {"DimensionWidth", Kind::Text, &ProcessSettings::DimensionWidth, QStringLiteral("100")},
    {"DimensionHeight", Kind::Text, &ProcessSettings::DimensionHeight, QStringLiteral("100")},
    {"DimensionPC", Kind::Check, &ProcessSettings::DimensionPC, QStringLiteral("0")},
    {"TextOverlay", Kind::Check, &ProcessSettings::TextOverlay, QStringLiteral("0")},
    {"TextOverlayText", Kind::Text, &ProcessSettings::TextOverlayText, QString()},
    {"TextOverlayPosition", Kind::List, &ProcessSettings::TextOverlayPosition, QStringLiteral("0"), 8},
    {"TextOverlayFace", Kind::Text, &ProcessSettings::TextOverlayFace, std::nullopt},
    {"TextOverlaySize", Kind::Int16, &ProcessSettings::TextOverlaySize, std::nullopt},
    {"TextOverlayColour", Kind::Int32, &ProcessSettings::TextOverlayColour, std::nullopt},
    {"TextOverlayBGColour", Kind::Int32, &ProcessSettings::TextOverlayBGColour, std::nullopt},
    {"TextOverlayBGTrans", Kind::Flag, &ProcessSettings::TextOverlayBGTrans, std::nullopt},
    {"Case", Kind::List, &ProcessSettings::Case, QStringLiteral("0"), 5},
    {"Spaces", Kind::List, &ProcessSettings::Spaces, QStringLiteral("0"), 5},
    {"SequentialNumber", Kind::Check, &ProcessSettings::SequentialNumber, QStringLiteral("0")},
    {"StartNumber", Kind::Text, &ProcessSettings::StartNumber, QStringLiteral("0")},
    {"ZeroFill", Kind::Text, &ProcessSettings::ZeroFill, QStringLiteral("0")},
    {"RenameSuffix", Kind::Text, &ProcessSettings::RenameSuffix, QString()},
    {"RenamePrefix", Kind::Text, &ProcessSettings::RenamePrefix, QString()},
    {"MiscAntialias", Kind::Check, &ProcessSettings::MiscAntialias, QStringLiteral("0")},
    {"MiscBevel", Kind::Check, &ProcessSettings::MiscBevel, QStringLiteral("0")},
    {"MiscBevelWidth", Kind::Text, &ProcessSettings::MiscBevelWidth, QStringLiteral("5")},
    {"MiscRotate", Kind::Check, &ProcessSettings::MiscRotate, QStringLiteral("0")},
    {"MiscRotateAngle", Kind::Text, &ProcessSettings::MiscRotateAngle, QStringLiteral("90")},
    {"MiscFlipHoriz", Kind::Check, &ProcessSettings::MiscFlipHoriz, QStringLiteral("0")},
    {"MiscFlipVert", Kind::Check, &ProcessSettings::MiscFlipVert, QStringLiteral("0")},
    {"MiscInvert", Kind::Check, &ProcessSettings::MiscInvert, QStringLiteral("0")},
    {"MiscGreyscale", Kind::Check, &ProcessSettings::MiscGreyscale, QStringLiteral("0")},
    {"OutputFormat", Kind::List, &ProcessSettings::OutputFormat, QStringLiteral("0"), 9},
    {"JpgQuality", Kind::Text, &ProcessSettings::JpgQuality, QStringLiteral("75")},
    {"DeleteOld", Kind::Check, &ProcessSettings::DeleteOld, QStringLiteral("0")},
    {"ReplicateSubDirs", Kind::Check, &ProcessSettings::ReplicateSubDirs, QStringLiteral("1")},
    // Added later than the rest; stored after AniExtractAllScenes.
    {"DimensionShrinkOnly", Kind::Check, &ProcessSettings::DimensionShrinkOnly, QStringLiteral("0")},
    {"MiscAutoOrient", Kind::Check, &ProcessSettings::MiscAutoOrient, QStringLiteral("0")},
};

// The save order of the record's values (window values are written by the window).
const char *const kSaveOrder[] = {
    "FileDir", "DimensionMethod", "DimensionWidth", "DimensionHeight", "DimensionPC", "TextOverlay",
    "TextOverlayText", "TextOverlayPosition", "TextOverlayFace", "TextOverlaySize", "TextOverlayColour",
    "TextOverlayBGColour", "TextOverlayBGTrans", "Case", "Spaces", "SequentialNumber", "StartNumber",
    "ZeroFill", "RenamePrefix", "RenameSuffix", "MiscAntialias", "MiscBevel", "MiscBevelWidth",
    "MiscRotate", "MiscRotateAngle", "MiscFlipHoriz", "MiscFlipVert", "MiscInvert", "MiscGreyscale",
    "OutputDir", "OutputFormat", "JpgQuality", "DeleteOld", "ReplicateSubDirs", "OutputDest",
    "AniExtractAllScenes", "DimensionShrinkOnly", "MiscAutoOrient",
};

VexlError invalidValue(const QString &name, const QString &text)
{
    return VexlError{380, QStringLiteral("Invalid property value (%1 = \"%2\")").arg(name, text),
                     QStringLiteral("GetSettings"), 0};
}

VexlError overflow(const QString &name, const QString &text)
{
    return VexlError{6, QStringLiteral("Overflow (%1 = \"%2\")").arg(name, text),
                     QStringLiteral("GetSettings"), 0};
}

// Converts `text` for `f` and stores it; throws VexlError when it cannot.
void assign(ProcessSettings &s, const Field &f, const QString &text)
{
    const QString name = QLatin1String(f.name);
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<T, QString>) {
                s.*member = text;
            } else if constexpr (std::is_same_v<T, bool>) {
                if (f.kind == Kind::Flag)
                    s.*member = SettingsStore::toFlag(text, name);
                else
                    s.*member = SettingsStore::toNumber(text, name) != 0;
            } else {
                const qint64 n = SettingsStore::toNumber(text, name);
                if (f.kind == Kind::List && (n < 0 || n > f.maxIndex))
                    throw invalidValue(name, text);
                if (f.kind == Kind::Int16 && (n < -32768 || n > 32767))
                    throw overflow(name, text);
                if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
                    throw overflow(name, text);
                s.*member = static_cast<T>(n);
            }
        },
        f.member);
}

QString textOf(const ProcessSettings &s, const Field &f)
{
    return std::visit(
        [&](auto member) -> QString {
            using T = std::remove_cvref_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<T, QString>)
                return s.*member;
            else if constexpr (std::is_same_v<T, bool>)
                return f.kind == Kind::Flag ? QString::fromLatin1((s.*member) ? "True" : "False")
                                            : QString::fromLatin1((s.*member) ? "1" : "0");
            else
                return QString::number(s.*member);
        },
        f.member);
}

const Field *findField(const char *name)
{
    for (const Field &f : kOptions)
        if (qstrcmp(f.name, name) == 0)
            return &f;
    return nullptr;
}

} // namespace

const QStringList &OutputFormatItems()
{
    static const QStringList items = {QStringLiteral("Don't Change"), QStringLiteral("BMP"),
                                      QStringLiteral("GIF"),          QStringLiteral("JPG"),
                                      QStringLiteral("PCX"),          QStringLiteral("PNG"),
                                      QStringLiteral("TIFF"),         QStringLiteral("MIFF"),
                                      QStringLiteral("TGA"),          QStringLiteral("WEBP")};
    return items;
}

const QString &ImageFileFilter()
{
    static const QString filter = QStringLiteral(
        "*.png|*.bmp|*.jpg|*.jpeg|*.gif|*.tif|*.tiff|*.tga|*.miff|*.pcx|*.webp|*.heic|*.heif|*.avif");
    return filter;
}

QString OutputFormatExtension(int index)
{
    if (index <= 0 || index >= OutputFormatItems().size())
        return QString();
    return OutputFormatItems().at(index).toLower();
}

const QStringList &PlacementTable()
{
    static const QStringList table =
        QStringLiteral("NorthWest|North|NorthEast|West|Center|East|SouthWest|South|SouthEast")
            .split(QLatin1Char('|'));
    return table;
}

void ResetProcessSettings(ProcessSettings &s)
{
    for (const Field &f : kOptions)
        if (f.reset)
            assign(s, f, *f.reset);
}

bool IsOnlyRenameSettings(const ProcessSettings &s)
{
    return !(s.DimensionMethod >= 1 || s.MiscAntialias || s.MiscBevel || s.MiscFlipHoriz
             || s.MiscFlipVert || s.MiscInvert || s.MiscGreyscale || s.MiscRotate || s.TextOverlay
             || s.OutputFormat >= 1 || s.MiscAutoOrient);
}

void LoadProcessOptions(SettingsStore &store, ProcessSettings &s, const SettingsErrorHandler &onError)
{
    const QString group = QLatin1String(SettingsStore::SettingsGroup);
    for (const Field &f : kOptions) {
        const QString name = QLatin1String(f.name);
        if (!store.contains(group, name))
            continue;
        try {
            assign(s, f, store.groupText(group, name));
        } catch (const VexlError &e) {
            if (onError)
                onError(name, e);
        }
    }
}

void LoadProcessTail(SettingsStore &store, ProcessSettings &s, const QString &currentFolder,
                     const SettingsErrorHandler &onError)
{
    Q_UNUSED(onError);
    s.OutputDest = store.text(QStringLiteral("OutputDest"), QStringLiteral("//SAMEDIR//"));
    s.OutputDir = store.text(QStringLiteral("OutputDir"), currentFolder);
    const QString scenes = store.text(QStringLiteral("AniExtractAllScenes"), QStringLiteral("0"));
    bool ok = false;
    s.AniExtractAllScenes = scenes.trimmed().toDouble(&ok) == 1.0 && ok;
}

void SaveProcessSettings(SettingsStore &store, const ProcessSettings &s)
{
    for (const char *name : kSaveOrder) {
        const QString key = QLatin1String(name);
        if (const Field *f = findField(name)) {
            store.setText(key, textOf(s, *f));
        } else if (key == QLatin1String("FileDir")) {
            store.setText(key, s.FileDir);
        } else if (key == QLatin1String("OutputDir")) {
            store.setText(key, s.OutputDir);
        } else if (key == QLatin1String("OutputDest")) {
            store.setText(key, s.OutputDest);
        } else if (key == QLatin1String("AniExtractAllScenes")) {
            store.setText(key, s.AniExtractAllScenes ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
}

QString DestinationToken(int index, const QString &itemText)
{
    if (index == 0)
        return QStringLiteral("//SAMEDIR//");
    if (index == 1)
        return QStringLiteral("//DIFFDIR//");
    return QStringLiteral("//") + itemText + QStringLiteral("//");
}

int DestinationIndexForToken(const QString &token, const QStringList &items)
{
    if (!token.startsWith(QLatin1String("//")) || !token.endsWith(QLatin1String("//")))
        return 0;
    if (token == QLatin1String("//SAMEDIR//"))
        return 0;
    if (token == QLatin1String("//DIFFDIR//"))
        return 1;
    QString name = token;
    name.remove(QStringLiteral("//"));
    for (int i = 2; i < items.size() - 1; ++i)
        if (items.at(i) == name)
            return i;
    return 0;
}

} // namespace vexl
