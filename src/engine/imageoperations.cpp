// Image operations: resize, the miscellaneous effects and the format change,
// each one engine call that rewrites the output file in place.
#include "batchrun.h"

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
} // namespace

void BatchRun::mogrifyStep(const QStringList &args)
{
    try {
        m_engine->Mogrify(args);
    } catch (const VexlError &e) {
        QString text = MsgX("msgImageEngineFailed");
        text.replace(QStringLiteral("[CURROP]"), m_log.CurrentOperation()).replace(QStringLiteral("[ERROR]"), e.withLine());
        askContinue(QStringLiteral("ImageMagick Error"), text);
        m_skipRest = true;
    }
}

void BatchRun::Resize()
{
    const ProcessSettings &s = *m_s;
    qint32 w = 0;
    qint32 h = 0;
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
    if (!m_ignoreMegapixelWarning && double(area) / 1000000.0 > 6.0) {
        QString text = MsgX("msgLargeImageWarning");
        text.replace(QStringLiteral("[DIMENSIONS]"), geometry);
        const MsgAnswer a = ask(text, MsgButtons::YesNoCancel, MsgIcon::Question, QStringLiteral("VEXL Dovo"));
        if (a == MsgAnswer::Cancel) {
            endFinished();
        } else if (a == MsgAnswer::No) {
            m_skipRest = true;
            return;
        }
        m_ignoreMegapixelWarning = true;
    }
    op(QStringLiteral("Resize ") + geometry);
    mogrifyStep({QStringLiteral("-quality"), m_jpgQuality, QStringLiteral("-geometry"), geometry, m_workPath});
}

void BatchRun::MiscOperations()
{
    const ProcessSettings &s = *m_s;
    status(QStringLiteral("Applying miscellaneous operations to ") + m_outputImageFName + QStringLiteral("..."));
    const QString q = m_jpgQuality;
    const QString f = m_workPath;
    if (s.MiscAntialias) {
        op(QStringLiteral("Antialias"));
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-antialias"), f});
    }
    if (s.MiscRotate) {
        op(QStringLiteral("Rotate ") + s.MiscRotateAngle);
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-rotate"), s.MiscRotateAngle, f});
    }
    if (s.MiscBevel) {
        op(QStringLiteral("Raise ") + s.MiscBevelWidth);
        try {
            m_engine->Mogrify({QStringLiteral("-quality"), q, QStringLiteral("-raise"),
                               s.MiscBevelWidth + QLatin1Char('x') + s.MiscBevelWidth, f});
        } catch (const VexlError &) {
            QString text = MsgX("msgBevelFailed");
            text.replace(QStringLiteral("[WIDTH]"), s.MiscBevelWidth);
            askContinue(QStringLiteral("Bevel Error"), text);
        }
    }
    if (s.MiscFlipHoriz) {
        op(QStringLiteral("Flop"));
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-flop"), f});
    }
    if (s.MiscFlipVert) {
        op(QStringLiteral("Flip"));
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-flip"), f});
    }
    if (s.MiscInvert) {
        op(QStringLiteral("Negate"));
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-negate"), f});
    }
    if (s.MiscGreyscale) {
        op(QStringLiteral("Grayscale"));
        mogrifyStep({QStringLiteral("-quality"), q, QStringLiteral("-type"), QStringLiteral("grayscale"), f});
    }
}

void BatchRun::ChangeFormat()
{
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
    mogrifyStep({QStringLiteral("-quality"), m_jpgQuality, QStringLiteral("-format"), format, m_workPath});
}

} // namespace vexl
