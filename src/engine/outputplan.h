#pragma once

// The plan of a run before its first image: the output name(s) of every ticked
// image in list order and the images whose result would overwrite another
// image or another image's result. The batch asks about these before it starts;
// a preview of names and a dry run read the same plan.

#include "settings/processsettings.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexl {

struct BatchInput;

// The name and folder an image's output gets (before meta values are resolved).
struct PlannedName
{
    QString folder; // with its trailing "/"
    QString base;   // the new name without extension
    QString ext;    // the new extension
    QString path;   // folder + base + "." + ext
};

// Works out an output name from the settings, as the run does for each image.
// Throws VexlError for a zero fill that is no number.
PlannedName PlanOutputName(const ProcessSettings &s, const QString &outputBase, bool isFTP,
                           const QString &subFolder, const QString &fileName, qint16 seqNumber);

enum class CollisionKind {
    None,
    SharedOutput,      // an earlier image in the list gets the same output path
    OverwritesInput,   // the output path is another ticked image
    CaseRenameOntoOther, // a rename in letter case only onto another existing file
};

struct PlannedImage
{
    int index = 0;        // position among the ticked images
    QString item;         // the list item
    QString input;        // full input path
    QStringList outputs;  // planned output paths (each scene of an animated GIF split into scenes)
    bool nameKnown = true; // false: the name holds meta values, known only during the run
    CollisionKind collision = CollisionKind::None;
    QString contested;    // the contested output path
};

class OutputPlanner
{
public:
    // `outputBase` is the run's output folder (the staging folder for an FTP destination).
    OutputPlanner(const ProcessSettings &s, const BatchInput &input, const QString &outputBase, bool isFTP);

    // Every ticked image in list order with its output path(s) and collision mark.
    QList<PlannedImage> plan() const;

    // One line per contested name ("a.jpg, a.png -> th_a.png"), at most `limit`
    // lines, then "and N more".
    static QStringList collisionLines(const QList<PlannedImage> &plan, const QString &outputBase, int limit = 10);
    // The "Name Collision" question's text, or "" when nothing collides.
    static QString collisionQuestion(const QList<PlannedImage> &plan, const QString &outputBase);

private:
    const ProcessSettings &m_s;
    const BatchInput &m_in;
    QString m_outputBase;
    bool m_isFTP;
};

// Whether a name holds a meta value resolved only while the image is processed.
bool NameHoldsMeta(const QString &name);

} // namespace vexl
