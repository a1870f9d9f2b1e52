// Meta variables: image facts read with identify and substituted for the
// bracketed tokens of the prefix, the suffix and the overlay text.
#include "metavariables.h"

#include "batchrun.h"

#include "support/messages.h"

#include <QLocale>
#include <QRegularExpression>

namespace vexl {

namespace {
QString localeNumber(double value, int decimals)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

bool mentions(const ProcessSettings &s, QLatin1String token)
{
    return s.RenamePrefix.contains(token, Qt::CaseInsensitive) || s.RenameSuffix.contains(token, Qt::CaseInsensitive)
        || (s.TextOverlay && s.TextOverlayText.contains(token, Qt::CaseInsensitive));
}

bool mentionsColourCount(const ProcessSettings &s)
{
    return mentions(s, QLatin1String("[NUMCOL]"));
}

bool toNumber(const QString &text, qint32 *out)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || text.trimmed().isEmpty() || v < -2147483648.0 || v > 2147483647.0)
        return false;
    *out = static_cast<qint32>(std::nearbyint(v));
    return true;
}
} // namespace

bool MentionsCaptureInfo(const ProcessSettings &s)
{
    return mentions(s, QLatin1String("[DATE]")) || mentions(s, QLatin1String("[TIME]"))
        || mentions(s, QLatin1String("[CAMERA]"));
}

QString FormatMegaPixels(qint32 width, qint32 height)
{
    const qint64 product = qint64(width) * qint64(height);
    if (product > 2147483647LL || product < -2147483648LL)
        throw VexlError{6, QStringLiteral("Overflow (megapixels)"), QStringLiteral("FormatMegaPixels"), 1};
    const double value = double(product) / 1000000.0;
    if (localeNumber(value, 1) == localeNumber(0.0, 1))
        return localeNumber(value, 2);
    return localeNumber(value, 1);
}

QString FormatBytes(qint32 n)
{
    if (n >= 1073741824)
        return localeNumber(n / 1073741824.0, 2) + QStringLiteral(" Gb");
    if (n >= 1048576)
        return localeNumber(n / 1048576.0, 2) + QStringLiteral(" Mb");
    if (n < 1024)
        return localeNumber(n, 2) + QStringLiteral(" b");
    return localeNumber(n / 1024.0, 2) + QStringLiteral(" Kb");
}

void BatchRun::GetMetaData()
{
    m_metaFailed = false;
    op(QStringLiteral("Identify ") + m_outputPath);
    // The colour count is by far the costliest value: it is read only when a
    // name or the stamp asks for it; otherwise it keeps its previous value.
    const bool colours = mentionsColourCount(*m_s);
    const QString format = colours ? QStringLiteral("%w %h %k %b bleh") : QStringLiteral("%w %h - %b bleh");
    // A file ImageMagick has just written, untouched since, is read only for
    // its header: its size and byte count are all that is asked. Any other
    // file is decoded whole, so a damaged one still raises its question.
    QStringList args{QStringLiteral("-format"), format, m_workPath};
    if (!colours && !m_stepWroteState.isEmpty() && FileState(m_workPath) == m_stepWroteState)
        args.prepend(QStringLiteral("-ping"));
    QString result;
    try {
        // A scene just extracted is described by the extraction itself.
        if (!writtenSceneMeta(format, &result))
            result = m_engine->Identify(args);
    } catch (const VexlError &e) {
        QString text = MsgX("msgIdentifyFailed");
        text.replace(QStringLiteral("[IMAGE]"), m_outputPath).replace(QStringLiteral("[ERROR]"), e.withLine());
        askContinue(QStringLiteral("Identify Error"), text);
        m_skipRest = true;
        m_metaFailed = true;
    }
    op(QStringLiteral("Got From Identify: [") + result + QLatin1Char(']'));
    if (m_metaFailed)
        return;
    op(QStringLiteral("Not Get Meta Failed"));
    const QStringList fields = result.split(QLatin1Char(' '));
    if (result.isEmpty())
        return;
    op(QStringLiteral("Not IsArrayEmpty indentifyStr"));
    qint32 v = 0;
    if (fields.size() > 0 && toNumber(fields.at(0), &v)) {
        m_meta.width = v;
        op(QStringLiteral("Setting Width [%1]").arg(v));
    }
    if (fields.size() > 1 && toNumber(fields.at(1), &v)) {
        m_meta.height = v;
        op(QStringLiteral("Setting Width [%1]").arg(v));
    }
    if (fields.size() > 2 && toNumber(fields.at(2), &v)) {
        m_meta.numCol = v;
        op(QStringLiteral("Setting Width [%1]").arg(v));
    }
    if (fields.size() > 3) {
        m_meta.fsize = QString(fields.at(3)).remove(QLatin1Char('\n'));
        op(QStringLiteral("Setting Width [%1]").arg(m_meta.fsize));
    }
}

QString BatchRun::ReplaceMetaForName(const QString &text)
{
    m_log.AddCurrOp(QStringLiteral("ReplaceMeta"), text, QString());
    QString out = text;
    const auto sub = [&out](const char *token, const QString &value) {
        out.replace(QLatin1String(token), value, Qt::CaseInsensitive);
    };
    sub("[EXT]", m_meta.ext);
    sub("[SELNUM]", QString::number(m_meta.selNum));
    sub("[SEQNUM]", QString::number(m_meta.seqNum));
    sub("[FSIZE]", m_meta.fsize);
    sub("[WIDTH]", QString::number(m_meta.width));
    sub("[HEIGHT]", QString::number(m_meta.height));
    sub("[NUMCOL]", QString::number(m_meta.numCol));
    if (out.contains(QLatin1String("[MEGAPIX]"), Qt::CaseInsensitive))
        sub("[MEGAPIX]", FormatMegaPixels(m_meta.width, m_meta.height));
    sub("[DATE]", m_meta.date);
    sub("[TIME]", m_meta.time);
    // Texts from the file last and in one pass, so a token inside them stays
    // as it is.
    static const QRegularExpression fileTokens(QStringLiteral("\\[(CAMERA|ORIGNAME)\\]"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (out.contains(fileTokens)) {
        QString replaced;
        qsizetype last = 0;
        for (const QRegularExpressionMatch &m : fileTokens.globalMatch(out)) {
            replaced += out.mid(last, m.capturedStart() - last);
            replaced += m.captured(1).compare(QLatin1String("CAMERA"), Qt::CaseInsensitive) == 0 ? m_meta.camera
                                                                                               : m_meta.origName;
            last = m.capturedEnd();
        }
        out = replaced + out.mid(last);
    }
    out.remove(QLatin1String("\\n"));
    out.remove(QLatin1String("\\r"));
    return out;
}

QString BatchRun::ReplaceMeta(const QString &text)
{
    QString out = ReplaceMetaForName(text);
    out.replace(QLatin1Char('%'), QLatin1String("\\%"));
    return out;
}

} // namespace vexl
