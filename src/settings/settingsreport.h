#pragma once

#include <QString>

namespace vexl {

struct ProcessSettings;

// The few window values the settings dump shows besides the options.
struct ReportExtras
{
    QString loadingCaption = QStringLiteral("Loading....");
    bool previewImages = true;
    bool is98Build = false;
};

// The main-window settings dump: 32 lines `name = "value"`, each ended by CR LF.
QString GetSettingsReport(const ProcessSettings &s, const ReportExtras &extras);

} // namespace vexl
