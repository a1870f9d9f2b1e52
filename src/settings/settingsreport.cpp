#include "settingsreport.h"

#include "processsettings.h"

namespace vexl {

namespace {
QString tf(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
QString n(int v)
{
    return QString::number(v);
}
QString chk(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QString GetSettingsReport(const ProcessSettings &s, const ReportExtras &x)
{
    const std::pair<const char *, QString> lines[] = {
        {"cmbResizeMethod.ListIndex", n(s.DimensionMethod)},
        {"txtWidth.Text", s.DimensionWidth},
        {"txtHeight.Text", s.DimensionHeight},
        {"chkDimensionPC.Value", chk(s.DimensionPC)},
        {"cmbCase.ListIndex", n(s.Case)},
        {"cmbSpaces.ListIndex", n(s.Spaces)},
        {"txtPrefix.Text", s.RenamePrefix},
        {"txtSuffix.Text", s.RenameSuffix},
        {"chkSequentialNumber.Value", chk(s.SequentialNumber)},
        {"txtStartNumber.Text", s.StartNumber},
        {"txtZeroFill.Text", s.ZeroFill},
        {"chkAntialias.Value", chk(s.MiscAntialias)},
        {"chkBevel.Value", chk(s.MiscBevel)},
        {"chkFlipH.Value", chk(s.MiscFlipHoriz)},
        {"chkFlipV.Value", chk(s.MiscFlipVert)},
        {"chkInvert.Value", chk(s.MiscInvert)},
        {"chkGreyscale.Value", chk(s.MiscGreyscale)},
        {"txtBevelWidth.Text", s.MiscBevelWidth},
        {"txtRotate.Text", s.MiscRotateAngle},
        {"chkTextOverlay.Value", chk(s.TextOverlay)},
        {"txtTextOverlay.Text", s.TextOverlayText},
        {"txtTextOverlay.Font", s.TextOverlayFace},
        {"mnuSetBGTrans.Checked", tf(s.TextOverlayBGTrans)},
        {"txtTextOverlay.BGCol", n(s.TextOverlayBGColour)},
        {"txtTextOverlay.ForeCol", n(s.TextOverlayColour)},
        {"cmbTextOverlayPosition.ListIndex", n(s.TextOverlayPosition)},
        {"cmbOutputFormat.ListIndex", n(s.OutputFormat)},
        {"txtJPGQuality.Text", s.JpgQuality},
        {"chkDeleteOld.Value", chk(s.DeleteOld)},
        {"lblLoading.Caption", x.loadingCaption},
        {"mnuPreviewImages.Checked", tf(x.previewImages)},
        {"is98Build", tf(x.is98Build)},
    };
    QString out;
    for (const auto &[name, value] : lines)
        out += QLatin1String(name) + QStringLiteral(" = \"") + value + QStringLiteral("\"\r\n");
    return out;
}

} // namespace vexl
