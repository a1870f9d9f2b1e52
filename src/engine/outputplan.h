#pragma once

// The plan of a run before its first image: the output name(s) of every ticked
// image in list order and the images whose result would overwrite another
// image or another image's result. The batch asks about these before it starts;
// a preview of names and a dry run read the same plan.

#include "settings/processsettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
    // One file per scene whose count was not read (planned without opening
    // images): `outputs` holds the name the scene numbers are added to.
    bool perScene = false;
    QList<int> skippedNumbers; // sequential numbers passed over: a file of that name exists
    CollisionKind collision = CollisionKind::None;
    QString contested;    // the contested output path
};

// How a plan treats files that may hold several scenes.
enum class ScenePlanning {
    Count,   // reads the scene count of each (the run)
    OneRow,  // opens no image: one row, marked per scene (previews, dry runs)
};

class OutputPlanner
{
public:
    // `outputBase` is the run's output folder (the staging folder for an FTP destination).
    OutputPlanner(const ProcessSettings &s, const BatchInput &input, const QString &outputBase, bool isFTP);

    // Every ticked image in list order with its output path(s) and collision mark.
    QList<PlannedImage> plan(ScenePlanning scenes = ScenePlanning::Count) const;

    // The folder a run writes into: the listed folder for "Output in Same
    // Folder", the staging folder for an FTP destination, else OutputDir.
    static QString runOutputBase(const ProcessSettings &s, const BatchInput &input);

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

// "3, 4, 7-12": numbers in order, runs of three or more as a range.
QString NumberList(const QList<int> &numbers);

// The types whose files may hold several scenes (GIF frames, TIFF and MIFF
// pages), by extension, spelled one way for each type; nothing for the others.
std::optional<QString> MultiSceneType(const QString &extension);

} // namespace vexl
