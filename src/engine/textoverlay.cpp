// Text overlay: the stamp rendered into a label image and composited over the
// output file in place.
#include "textoverlay.h"

#include "batchrun.h"
#include "imageengine.h"
#include "support/apppaths.h"
#include "support/fontfile.h"
#include "support/messages.h"

namespace vexl {

QString LongToRGB(qint32 colour)
{
    const QString hex = (QStringLiteral("000000") + QString::number(quint32(colour), 16).toUpper()).right(6);
    const qint64 r = HexToDec(hex.mid(4, 2));
    const qint64 g = HexToDec(hex.mid(2, 2));
    const qint64 b = HexToDec(hex.mid(0, 2));
    return QStringLiteral("rgb(%1,%2,%3)").arg(r).arg(g).arg(b);
}

qint64 HexToDec(const QString &hexText)
{
    QString hex = hexText;
    if (hex.startsWith(QLatin1Char('#')))
        hex.remove(0, 1);
    qint64 value = 0;
    for (int i = 0; i < hex.size(); ++i) {
        const int code = hex.at(i).unicode();
        const int digit = code < 64 ? code - '0' : code - 55;
        qint64 weight = 1;
        for (int k = 0; k < hex.size() - 1 - i; ++k)
            weight *= 16;
        value += digit * weight;
    }
    return value;
}

bool MakeTextLabel(const QString &labelPath, const QString &text, const OverlayFont &font)
{
    try {
        const QString fill = LongToRGB(font.colour);
        const QString box = LongToRGB(font.boxColour);
        const QString fontFile = FontFileName(font.face);
        const QString background = font.boxTransparent ? QStringLiteral("none") : box;
        ImageEngine engine;
        engine.setServeEventsWhileWorking(true);
        // Without the time it was made in, the label's bytes follow from its
        // text and font alone: the stamp worked ahead with one image's label
        // is then taken for the next image's equal label.
        engine.Convert({QStringLiteral("-quality"), QStringLiteral("100"), QStringLiteral("-background"), background,
                        QStringLiteral("-fill"), fill, QStringLiteral("-font"), fontFile, QStringLiteral("-pointsize"),
                        QString::number(font.size), QStringLiteral("-define"), QStringLiteral("png:exclude-chunks=date,time"),
                        QStringLiteral("label:") + text, labelPath});
        return true;
    } catch (const VexlError &) {
        return false;
    }
}

bool OverlayText(const QString &sourcePath, const QString &outputPath, const QString &text, const QString &gravity,
                 const OverlayFont &font, const QString &quality, OverlayScenes scenes, LookAhead *lookAhead)
{
    const QString label = AddBackslash(AppPaths::programFolder()) + QStringLiteral("Temp/ottmpimg.png");
    // A missing label makes the composite fail, which is what is reported.
    MakeTextLabel(label, text, font);
    try {
        ImageEngine engine;
        engine.setServeEventsWhileWorking(true);
        engine.setLookAhead(lookAhead);
        QStringList args;
        if (!quality.isEmpty())
            args << QStringLiteral("-quality") << quality;
        args << QStringLiteral("-background") << QStringLiteral("none") << QStringLiteral("-compose")
             << QStringLiteral("Over") << QStringLiteral("-gravity") << gravity << label << sourcePath << outputPath;
        if (scenes == OverlayScenes::First)
            engine.Composite(args);
        else
            engine.CompositeScenes(args, scenes == OverlayScenes::EveryFrame);
        return true;
    } catch (const VexlError &) {
        return false;
    }
}

void BatchRun::OverlayStep()
{
    const ProcessSettings &s = *m_s;
    op(QStringLiteral("Overlay Text"));
    status(QStringLiteral("Stamping Image ") + m_outputImageFName + QStringLiteral("..."));
    QString text = ReplaceMeta(s.TextOverlayText);
    text.replace(QStringLiteral("[FNAME]"), ReplaceMeta(m_baseName), Qt::CaseInsensitive);
    op(QStringLiteral("Overlay [") + text + QLatin1Char(']'));
    OverlayFont font;
    font.face = s.TextOverlayFace;
    font.size = s.TextOverlaySize;
    font.colour = s.TextOverlayColour;
    font.boxColour = s.TextOverlayBGColour;
    font.boxTransparent = s.TextOverlayBGTrans;
    const int position = qBound(0, s.TextOverlayPosition, int(PlacementTable().size()) - 1);
    if (!OverlayText(m_workPath, m_workPath, text, PlacementTable().at(position), font, m_jpgQuality,
                     sceneKind(), m_lookAhead.get())) {
        op(QStringLiteral("Error Overlaying Text"));
        QString question = MsgX("msgOverlayFailed");
        question.replace(QStringLiteral("[IMAGE]"), m_outputPath);
        askContinue(QStringLiteral("Overlay Image Error"), question);
        return;
    }
    op(QStringLiteral("All good"));
}

} // namespace vexl
