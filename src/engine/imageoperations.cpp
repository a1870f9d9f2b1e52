// Image operations: resize, the miscellaneous effects and the format change,
// each one engine call that rewrites the output file in place.
#include "batchrun.h"

#include "captureinfo.h"
#include "support/messages.h"

#include <QFileInfo>
#include <QtMath>

namespace vexl {

namespace {
bool isNumeric(const QString &text, double *value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok && !text.trimmed().isEmpty();
}

// Whole-number conversion of a field as typed ("100" -> 100); a text that is no
// number is a type mismatch for the run.
qint32 toInt32(const QString &text, const char *what)
{
    double v = 0;
    if (!isNumeric(text, &v))
        throw VexlError{13, QStringLiteral("Type mismatch (%1 \"%2\")").arg(QLatin1String(what), text),
                        QStringLiteral("frmGo"), 14};
    const double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw VexlError{6, QStringLiteral("Overflow (%1)").arg(QLatin1String(what)), QStringLiteral("frmGo"), 14};
    return static_cast<qint32>(r);
}

// The size a resize geometry gives an image of `iw` x `ih` with the shrink-only
// flag: the image is resized only when it is larger than the box in a
// dimension the method uses. Returns false when it is left as it is.
bool shrunkSize(int method, qint64 boxW, qint64 boxH, qint64 iw, qint64 ih, qint64 *w, qint64 *h)
{
    if (iw <= 0 || ih <= 0)
        return false;
    switch (method) {
    case 1:
        if (iw <= boxW && ih <= boxH)
            return false;
        if (boxW * ih <= boxH * iw) { // the width limits
            *w = boxW;
            *h = qMax<qint64>(1, qRound64(double(ih) * boxW / iw));
        } else {
            *h = boxH;
            *w = qMax<qint64>(1, qRound64(double(iw) * boxH / ih));
        }
        return true;
    case 2:
        if (iw <= boxW)
            return false;
        *w = boxW;
        *h = qMax<qint64>(1, qRound64(double(ih) * boxW / iw));
        return true;
    case 3:
        if (ih <= boxH)
            return false;
        *h = boxH;
        *w = qMax<qint64>(1, qRound64(double(iw) * boxH / ih));
        return true;
    case 4:
        if (iw <= boxW && ih <= boxH)
            return false;
        *w = boxW;
        *h = boxH;
        return true;
    default:
        return false;
    }
}
} // namespace

void BatchRun::mogrifyStep(const QStringList &args)
{
    try {
        m_engine->Mogrify(args);
        if (!args.isEmpty() && args.last() == m_workPath)
            m_stepWroteState = FileState(m_workPath);
    } catch (const VexlError &e) {
        QString text = MsgX("msgImageEngineFailed");
        text.replace(QStringLiteral("[CURROP]"), m_log.CurrentOperation()).replace(QStringLiteral("[ERROR]"), e.withLine());
        askContinue(QStringLiteral("ImageMagick Error"), text);
        m_skipRest = true;
    }
}

void BatchRun::AutoOrient()
{
    // Only a photo whose camera recorded it held sideways or upside down is
    // turned (JPEG, TIFF and WebP keep the orientation in their EXIF data;
    // HEIC and AVIF come out of their decoder upright already). ImageMagick
    // resets the tag, so no viewer turns the picture a second time.
    const int orientation = ReadExifFacts(m_workPath).orientation;
    op(QStringLiteral("Auto-Orient %1").arg(orientation));
    if (orientation < 2)
        return;
    status(QStringLiteral("Applying miscellaneous operations to ") + m_outputImageFName + QStringLiteral("..."));
    mogrifyStep({QStringLiteral("-quality"), m_jpgQuality, QStringLiteral("-auto-orient"), m_workPath});
}

void BatchRun::Resize()
{
    const ProcessSettings &s = *m_s;
    qint32 w = 0;
    qint32 h = 0;
    qint64 imageW = -1; // the image's size when it is known
    qint64 imageH = -1;
    if (s.DimensionPC) {
        status(QStringLiteral("Percent Dimension, Resizing ") + m_outputImageFName + QStringLiteral("..."));
        op(QStringLiteral("Identify ") + m_outputPath);
        QStringList fields;
        QString error;
        try {
            const QString result = m_engine->Identify({QStringLiteral("-format"), QStringLiteral("%w %h bleh"), m_workPath});
            op(QStringLiteral("Got From Identify: [") + result + QLatin1Char(']'));
            fields = result.split(QLatin1Char(' '));
        } catch (const VexlError &e) {
            error = e.withLine();
        }
        double fw = 0;
        double fh = 0;
        if (error.isEmpty() && (fields.size() < 2 || !isNumeric(fields.at(0), &fw) || !isNumeric(fields.at(1), &fh)))
            error = QStringLiteral("(14) Could not read the image size");
        if (!error.isEmpty()) {
            QString text = MsgX("msgIdentifyFailed");
            text.replace(QStringLiteral("[IMAGE]"), m_outputPath).replace(QStringLiteral("[ERROR]"), error);
            askContinue(QStringLiteral("Identify Error"), text);
            m_skipRest = true;
            m_metaFailed = true;
            return; // the image ends here
        }
        op(QStringLiteral("Getting Image Size for Percentage - %1x%2").arg(fields.at(0), fields.at(1)));
        m_meta.width = static_cast<qint32>(fw);
        m_meta.height = static_cast<qint32>(fh);
        imageW = qint64(fw);
        imageH = qint64(fh);
        // Rounded to the nearest whole number, halves to the even neighbour.
        w = static_cast<qint32>(std::nearbyint(toInt32(s.DimensionWidth, "Width") / 100.0 * fw));
        h = static_cast<qint32>(std::nearbyint(toInt32(s.DimensionHeight, "Height") / 100.0 * fh));
    } else {
        op(QStringLiteral("Not Percentage Resize"));
        w = toInt32(s.DimensionWidth, "Width");
        h = toInt32(s.DimensionHeight, "Height");
    }

    QString geometry;
    switch (s.DimensionMethod) {
    case 1: geometry = QStringLiteral("%1x%2").arg(w).arg(h); break;
    case 2: geometry = QStringLiteral("%1x").arg(w); break;
    case 3: geometry = QStringLiteral("x%1").arg(h); break;
    case 4: geometry = QStringLiteral("%1x%2!").arg(w).arg(h); break;
    default: return;
    }

    const qint64 area = qint64(w) * qint64(h);
    if (area > 2147483647LL || area < -2147483648LL)
        throw VexlError{6, QStringLiteral("Overflow (width x height)"), QStringLiteral("frmGo"), 14};
    QString dimensions = geometry;
    bool large = double(area) / 1000000.0 > 6.0;
    if (s.DimensionShrinkOnly) {
        // ">": an image is only ever made smaller, so the warning is about the
        // size really produced - none when the image is left as it is.
        geometry += QLatin1Char('>');
        dimensions = geometry;
        if (large && !m_ignoreMegapixelWarning && imageW < 0) {
            try {
                const QStringList size =
                    m_engine->Identify({QStringLiteral("-format"), QStringLiteral("%w %h bleh"), m_workPath})
                        .split(QLatin1Char(' '));
                if (size.size() >= 2) {
                    imageW = size.at(0).toLongLong();
                    imageH = size.at(1).toLongLong();
                }
            } catch (const VexlError &) {
                // unknown: the box decides, as without the flag
            }
        }
        qint64 producedW = 0;
        qint64 producedH = 0;
        if (imageW > 0 && imageH > 0) {
            const bool resized = shrunkSize(s.DimensionMethod, w, h, imageW, imageH, &producedW, &producedH);
            large = resized && double(producedW) * double(producedH) / 1000000.0 > 6.0;
            if (resized)
                dimensions = QStringLiteral("%1x%2").arg(producedW).arg(producedH);
        }
    }
    if (!m_ignoreMegapixelWarning && large) {
        QString text = MsgX("msgLargeImageWarning");
        text.replace(QStringLiteral("[DIMENSIONS]"), dimensions);
        const MsgAnswer a = ask(text, MsgButtons::YesNoCancel, MsgIcon::Question, QStringLiteral("VEXL Dovo"));
        if (a == MsgAnswer::Cancel) {
            endFinished(RunSummaryRow::Kind::Skipped);
        } else if (a == MsgAnswer::No) {
            m_imageKind = RunSummaryRow::Kind::Skipped;
            m_skipRest = true;
            return;
        }
        m_ignoreMegapixelWarning = true;
    }
    op(QStringLiteral("Resize ") + geometry);
    mogrifyStep(writeOptions() + QStringList{QStringLiteral("-geometry"), geometry, m_workPath});
}

void BatchRun::MiscOperations()
{
    const ProcessSettings &s = *m_s;
    status(QStringLiteral("Applying miscellaneous operations to ") + m_outputImageFName + QStringLiteral("..."));
    const QStringList q = writeOptions();
    const QString f = m_workPath;
    if (s.MiscAntialias) {
        op(QStringLiteral("Antialias"));
        mogrifyStep(q + QStringList{QStringLiteral("-antialias"), f});
    }
    if (s.MiscRotate) {
        op(QStringLiteral("Rotate ") + s.MiscRotateAngle);
        mogrifyStep(q + QStringList{QStringLiteral("-rotate"), s.MiscRotateAngle, f});
    }
    if (s.MiscBevel) {
        op(QStringLiteral("Raise ") + s.MiscBevelWidth);
        try {
            m_engine->Mogrify(q + QStringList{QStringLiteral("-raise"),
                                              s.MiscBevelWidth + QLatin1Char('x') + s.MiscBevelWidth, f});
        } catch (const VexlError &) {
            QString text = MsgX("msgBevelFailed");
            text.replace(QStringLiteral("[WIDTH]"), s.MiscBevelWidth);
            askContinue(QStringLiteral("Bevel Error"), text);
        }
    }
    if (s.MiscFlipHoriz) {
        op(QStringLiteral("Flop"));
        mogrifyStep(q + QStringList{QStringLiteral("-flop"), f});
    }
    if (s.MiscFlipVert) {
        op(QStringLiteral("Flip"));
        mogrifyStep(q + QStringList{QStringLiteral("-flip"), f});
    }
    if (s.MiscInvert) {
        op(QStringLiteral("Negate"));
        mogrifyStep(q + QStringList{QStringLiteral("-negate"), f});
    }
    if (s.MiscGreyscale) {
        op(QStringLiteral("Grayscale"));
        mogrifyStep(q + QStringList{QStringLiteral("-type"), QStringLiteral("grayscale"), f});
    }
}

void BatchRun::ChangeFormat()
{
    // An extracted scene was written in the output format, with the quality, by
    // the extraction and every step since: writing it again would only cost
    // time (a thousand-frame GIF) and, for JPEG, a second loss of quality.
    if (m_aniToNonAni) {
        op(QStringLiteral("Scene Already in Format"));
        return;
    }
    // ImageMagick writes a "-format" result under the file's name with its
    // extension replaced by the format text as given. The output name already
    // carries the format as its extension, perhaps upper-cased by the case rule
    // ("PHOTO.TIFF"); spelling the format as that extension keeps the result in
    // this very file. Spelled otherwise, a case-sensitive file system gets a
    // second file ("PHOTO.tiff", possibly a neighbour overwritten) and the
    // output keeps its old data. Format names are the same in any letter case.
    QString format = OutputFormatExtension(m_s->OutputFormat);
    const QString ext = QFileInfo(m_workPath).suffix();
    if (ext.compare(format, Qt::CaseInsensitive) == 0)
        format = ext;
    status(QStringLiteral("Changing format of ") + m_outputImageFName + QStringLiteral("..."));
    op(QStringLiteral("Mogrify Format ") + format);
    mogrifyStep(writeOptions() + QStringList{QStringLiteral("-format"), format, m_workPath});
}

} // namespace vexl
