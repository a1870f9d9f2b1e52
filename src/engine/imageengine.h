#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace vexl {

class EngineWorkerPool;
class LookAhead;

// ImageMagick reached as four command-style operations. Each takes its argument
// list exactly as the command-line tool of that name does (options first, then
// the files) and runs in process. A failure throws VexlError carrying
// ImageMagick's text.
//
// File arguments are data, never patterns: exactly the named file is read and
// written, whatever characters its name holds ("c?.jpg", "photo[1].jpg",
// "50%.png", "-x.jpg", "@list.png"). An intended scene suffix ("name.gif[0]"
// where no file of that name exists but name.gif does) keeps its meaning.
// Outputs, and Mogrify's file, are replaced only when the call succeeds;
// Mogrify with "-format x" rewrites the file in format x under its own name.
//
// Hostile input fails fast: ImageMagick runs under resource limits and reads and
// writes only the program's image types (png bmp jpg/jpeg gif tif/tiff tga miff
// pcx webp heic/heif avif) and label:. Damaged image data (a truncated JPEG) is a failure too.
//
// File positions: Convert  ... input output
//                 Composite ... overlay base output
//                 Mogrify  ... file (changed in place)
//                 Identify "-format" fmt file
// Inputs may carry a scene suffix. A Convert input of the form "label:text" is
// the label coder, not a file ("@file" texts are refused).
class ImageEngine
{
public:
    ImageEngine();
    ~ImageEngine();
    ImageEngine(const ImageEngine &) = delete;
    ImageEngine &operator=(const ImageEngine &) = delete;

    void Convert(const QStringList &args);
    void Composite(const QStringList &args);
    // Composite's arguments, the overlay laid on every scene of the base (a
    // multi-page or animated image) instead of the first alone. With
    // `animation` the scenes are first made whole pictures (coalesced), so an
    // optimised GIF's partial frames are stamped like the frames users see.
    // Frame delays and the loop count stay.
    void CompositeScenes(const QStringList &args, bool animation);
    void Mogrify(const QStringList &args);
    QString Identify(const QStringList &args);

    // When on, each call runs on a worker thread while the calling thread keeps
    // serving its event loop (blocked in it, not spinning), so a window stays
    // painted and its buttons work during a long call.
    // Without a QCoreApplication the call simply runs on the calling thread.
    void setServeEventsWhileWorking(bool on) { m_serveEvents = on; }
    bool serveEventsWhileWorking() const { return m_serveEvents; }

    // When set, every call runs in one of the pool's worker processes instead
    // of this one (a decoder crash then costs the call, not the program).
    void setWorkerPool(EngineWorkerPool *pool) { m_pool = pool; }
    EngineWorkerPool *workerPool() const { return m_pool; }
    // The pool every engine made afterwards starts with (the program sets one
    // at start-up; without it, calls run in this process).
    static void setDefaultWorkerPool(EngineWorkerPool *pool);

    // A batch's work done ahead: Mogrify takes a result made ahead for the
    // same bytes and arguments, and records its steps as the recipe for later
    // images.
    void setLookAhead(LookAhead *lookAhead) { m_lookAhead = lookAhead; }

    // Runs one call by tool name ("convert", "composite", "mogrify",
    // "identify") in this process: what a worker process does for its caller.
    static QString runHere(const QString &tool, const QStringList &args);

    // Starts ImageMagick once per process: resource limits and the coder
    // allow-list that make hostile files fail fast. Safe to call repeatedly, from
    // any thread; every operation calls it. Throws VexlError when the policy
    // could not be put in force (the engine then refuses to work).
    static void initialize();
    // Number of engine calls made in this process (tests count preview calls).
    static quint64 callCount();

private:
    static QStringList withJpegSizeHint(const QStringList &args);
    bool m_serveEvents = false;
    EngineWorkerPool *m_pool = nullptr;
    LookAhead *m_lookAhead = nullptr;
};

// The scenes of one image file (the frames of a GIF, the pages of a TIFF),
// decoded once: each can then be written to a file of its own without reading
// the source again. With `animation` the scenes are coalesced first, so each is
// the whole picture users see (an optimised GIF's later frames are only the
// parts that change). `firstOnly` reads the first scene alone.
// Runs under the engine's limits and literal-name rules; failures throw
// VexlError with ImageMagick's text. With a worker pool the source is decoded
// and its scenes written in the workers (each worker that writes some of them
// decodes it once and keeps it until the source is done with), never here.
class SceneSource
{
public:
    SceneSource(const QString &path, bool animation, bool firstOnly, bool serveEvents,
                EngineWorkerPool *pool = nullptr);
    ~SceneSource();
    SceneSource(const SceneSource &) = delete;
    SceneSource &operator=(const SceneSource &) = delete;

    const QString &path() const { return m_path; }
    int count() const;
    // Writes scene `index` (0-based) to `output` in the format its extension
    // names, with `quality` ("-quality") when it is a number.
    void write(int index, const QString &output, const QString &quality = QString());
    // Writes scene indexes[i] to outputs[i], as many at a time as there are
    // cores; whether each was written (a failed one leaves no file).
    QList<bool> writeSeveral(const QList<int> &indexes, const QStringList &outputs,
                             const QString &quality = QString());
    // What identify's "%w %h - %b bleh" gives for scene `index` written to a
    // file of `fileBytes` bytes: the scene's size is known without reading the
    // file again.
    QString describe(int index, qint64 fileBytes) const;

    // A worker's side of it: "scenes" writes scenes of the source it holds
    // decoded (decoding it first when it holds another); "scenes-forget"
    // lets the decoded source go.
    static QString runScenesHere(const QString &tool, const QStringList &args);

private:
    QList<bool> writeInWorkers(const QList<int> &indexes, const QStringList &outputs, const QString &quality,
                               QStringList *failures);
    struct Data;
    QString m_path;
    bool m_serveEvents = false;
    std::unique_ptr<Data> m_data;
};

} // namespace vexl
