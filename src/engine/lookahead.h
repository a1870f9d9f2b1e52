#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace vexl {

class EngineWorkerPool;

// Work done ahead for a batch: while the run commits image N in list order
// (its questions, names, publishing), idle workers already apply to images
// N+1, N+2, ... the engine steps image N needed, each on a private copy in
// the Temp folder. When the run then makes the same step on a file with the
// same bytes and the same arguments, it takes the result instead of working it
// out again.
//
// A result is only ever taken for exactly the bytes and arguments it was made
// from, so what the run writes is what a serial run writes; a guess that does
// not fit (another format, a step that failed, a file changed meanwhile) is
// simply not used. Nothing is written outside the Temp folder, so a run that
// ends early leaves no trace of the work done ahead.
class LookAhead
{
public:
    // `threads`: how many images are worked on ahead at once.
    LookAhead(EngineWorkerPool *pool, int threads, const QString &tempFolder);
    ~LookAhead();
    // Removes the copies and results a killed run left in `tempFolder`.
    static void removeLeftovers(const QString &tempFolder);
    LookAhead(const LookAhead &) = delete;
    LookAhead &operator=(const LookAhead &) = delete;

    // The run starts on image `index`: the steps it makes from now on are
    // recorded. `nextSource` (the full path of image index+1, if any) is
    // worked on step by step alongside the first image that makes steps, so no
    // worker waits for that image's recipe to be complete.
    void beginImage(int index, const QString &nextSource = QString());
    // The run is done with image `index` (0-based, list order): when it made
    // steps, they become the recipe for the images still to come
    // (`upcomingSources`: full paths of images index+1, index+2, ...), which
    // are worked on ahead as threads become free.
    void endImage(int index, const QStringList &upcomingSources);

    // A Mogrify step of the run on `file` with `options` (the arguments before
    // the file name). Returns true when a result made ahead was put in place of
    // the file (the step is then done); false when the step must be made.
    // While the current image is being worked on ahead, waits for that rather
    // than making the same step twice. Call it off the window's thread.
    bool takeMogrify(const QStringList &options, const QString &file);
    // Records the step for the current image's recipe.
    void recordMogrify(const QStringList &options, const QString &file);
    // The same for an Identify call: its text is read ahead too, when its
    // format asks only for what the file's bytes decide (sizes, colours,
    // scenes), not for its name or times.
    bool takeIdentify(const QStringList &options, const QString &file, QString *text);
    void recordIdentify(const QStringList &options, const QString &file);
    // The same for a Composite of `overlay` over `file` in place (a stamp):
    // the overlay's bytes are part of the step. `kind`: 'c' the first scene,
    // 's' every scene, 'a' every frame of an animation.
    bool takeComposite(const QStringList &options, const QString &overlay, const QString &file, char kind);
    void recordComposite(const QStringList &options, const QString &overlay, const QString &file, char kind);
    // The run copied `source` (in the state `sourceState` read before the
    // copy) to `copy`, the current image's working file. While neither
    // changes, the copy's bytes are known to be the source's without reading
    // them again.
    void noteCopy(const QString &source, const QByteArray &sourceState, const QString &copy);

    // Numbers for tests and the benchmark.
    int threads() const { return m_ahead; }
    int taken() const { return m_taken.load(); }
    int madeAhead() const { return m_made.load(); }
    // A result made ahead for image `index` is held.
    bool holds(int index) const;

    static constexpr qint64 kMaxHeldBytes = 96LL * 1024 * 1024;

private:
    struct Step
    {
        QStringList options;
        QString suffix; // the file name's suffix, so the format chosen by name is the same
        char kind = 'm'; // 'm' Mogrify, 'i' Identify, or a Composite's kind
        QByteArray overlay; // a Composite's overlay file
        QString overlaySuffix;
        bool identify() const { return kind == 'i'; }
        bool composite() const { return kind != 'm' && kind != 'i'; }
    };
    static Step compositeStep(const QStringList &options, const QString &overlay, const QString &file, char kind,
                              bool *ok);
    struct Result;
    bool putInPlace(const Result &result, const QString &file);
    static bool identifyMadeAhead(const QStringList &options);
    static QString keyOf(const QByteArray &inputHash, const Step &step);
    static QByteArray hashFile(const QString &path, bool *ok);
    static QByteArray copyKey(const QString &source, const QByteArray &sourceState);
    QByteArray inputKey(const QString &file, bool *ok) const;
    void record(const Step &step);
    // Works `recipe` on image `index`; with `live`, the steps are those the
    // run records for the image before it, taken as they come.
    void workAhead(const QString &source, const QList<Step> &recipe, int index, bool live);
    bool nextStep(bool live, const QList<Step> &recipe, qsizetype i, Step *step);
    struct Result
    {
        QByteArray text;    // Identify's text
        QString file;       // or the file after the step, kept in the Temp folder
        QByteArray fileState; // `file` as it was kept (see keptState)
        qint64 size = 0;
        int index = -1;     // the image it was made for
        QByteArray bytesKey; // what a file holding the result is known by
    };
    // Removes a result's kept file.
    static void discard(const Result &result);
    // Waits for and takes the result for `key` (see takeMogrify).
    bool takeResult(const QString &key, Result *result);

    EngineWorkerPool *m_pool;
    QString m_tempFolder;
    QThreadPool m_threads;
    int m_ahead;

    mutable std::mutex m_mutex;
    std::condition_variable m_jobDone;
    QSet<int> m_running; // images being worked on ahead now
    int m_current = -1;
    int m_imagesDone = 0;
    QHash<QString, Result> m_results; // key -> the file after the step
    qint64 m_heldBytes = 0;
    QList<Step> m_recording;
    QString m_nextSource;
    // The first recipe, followed step by step while it is being recorded.
    bool m_liveStarted = false;
    bool m_liveOpen = false;
    QList<Step> m_live;
    std::condition_variable m_stepRecorded;
    struct Copy
    {
        QByteArray key;   // the source's identity
        QByteArray state; // the copy's state when it was made
    };
    QHash<QString, Copy> m_copies; // the current image's working file
    QSet<int> m_scheduled; // images already worked on ahead (or being)
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_taken{0};
    std::atomic<int> m_made{0};
    std::atomic<quint64> m_resultSerial{0};
};

} // namespace vexl
