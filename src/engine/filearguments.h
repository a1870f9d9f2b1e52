#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace vexl {

// Where a tool's file arguments are. Write is no tool of ImageMagick's: its one
// argument is an output file written by the program's own call.
enum class MagickTool { Convert, Composite, Mogrify, Identify, Write };

// ImageMagick's command functions treat a file argument as a pattern: they
// expand "*", "?", "[...]" and "{...}", read "name[3]" as scene 3 of "name",
// fill "%d" in output names, take "-x" for an option, "@list" for a file list,
// "png:x" for a coder prefix and "~" for the home folder. File names on Linux may
// hold all of these, so this class hands ImageMagick names it takes literally:
//
// - an input whose name is not plain is reached through a symbolic link with a
//   plain name in a private folder (same extension, so format detection works);
//   an intended scene suffix, "name.gif[2]" where no file of that name exists
//   but name.gif does, is kept on the link;
// - an output is written to a work file beside its target (same extension) and
//   renamed over the target only when the call succeeded;
// - Mogrify's file is copied to a work file beside it, changed there and renamed
//   back over it when the call succeeded ("-format x" included: the result keeps
//   the file's own name).
//
// So a failed call leaves outputs and Mogrify's file as they were, and no other
// file is read or written. Folders whose path is not plain are reached through
// /proc/self/fd. Work files are hidden (".vexl-work-...") and removed afterwards.
//
// A Convert input "label:text" is the label coder: the text is drawn exactly as
// given (a closing "[...]", "%", "\" and any UTF-8 included), except that
// "\%" stands for "%".
//
// File positions: Convert ... input output   (input "label:text" is the label coder)
//                 Composite ... overlay base output
//                 Mogrify ... file
//                 Identify ... file
class FileArguments
{
public:
    // Prepares the work names; throws VexlError when a folder or work file
    // cannot be made.
    FileArguments(MagickTool tool, const QStringList &args);
    ~FileArguments();
    FileArguments(const FileArguments &) = delete;
    FileArguments &operator=(const FileArguments &) = delete;

    // The arguments to give ImageMagick.
    const QStringList &arguments() const { return m_args; }
    // Image options (defines) to set on the command's ImageInfo before it runs.
    const QList<QPair<QByteArray, QByteArray>> &options() const { return m_options; }
    // The caller's names of the files read.
    const QStringList &inputs() const { return m_inputs; }
    // After a successful call: moves the result over the named file (throws
    // VexlError when that fails). Without it the work files are just removed.
    void commit();
    // ImageMagick's texts name the work files; this puts the caller's names back.
    QString restoreNames(QString text) const;

    // True when ImageMagick takes the argument literally as a file name.
    static bool isPlainName(const QString &arg);
    // The process's private folder for links to inputs, made on first use;
    // empty when it could not be made.
    static QString linkFolder();

private:
    class Folder;
    struct Written
    {
        Folder *folder = nullptr;
        QString stem;       // work file name up to its extension
        QString work;       // work file as ImageMagick sees it
        QString produced;   // what ImageMagick writes (differs from work with "-format")
        QString target;     // the real file it becomes
        QString shownAs;    // the caller's name
        bool allowParts = false; // several scenes into a one-scene format: name-0.ext, name-1.ext, ...
    };

    QString input(const QString &arg, bool sceneAllowed);
    QString output(const QString &arg);
    QString inPlace(const QString &arg, const QString &format);
    Folder *folderFor(const QString &dir, const QString &shownAs);
    void commitParts();
    void removeWorkFiles();

    QStringList m_args;
    QStringList m_inputs;
    QStringList m_links;
    std::vector<std::unique_ptr<Folder>> m_folders;
    std::optional<Written> m_written;
    QList<QPair<QString, QString>> m_names; // work name -> caller's name
    QList<QPair<QByteArray, QByteArray>> m_options;
    bool m_committed = false;
};

} // namespace vexl
