#include "lookahead.h"

#include "engineworker.h"
#include "imageengine.h"

#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace vexl {

namespace {
QString suffixOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1) : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// A kept result's identity and content: its inode, size and modification time.
// Unlike FileState it leaves out the change time, which a link or an unlink
// of another name of the same file moves.
QByteArray keptState(const QString &path, qint64 *size = nullptr)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    if (size)
        *size = st.st_size;
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' '
        + QByteArray::number(qint64(st.st_size)) + ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(st.st_mtim.tv_nsec));
}
} // namespace

LookAhead::LookAhead(EngineWorkerPool *pool, int threads, const QString &tempFolder)
    : m_pool(pool)
    , m_tempFolder(tempFolder)
    , m_ahead(qMax(1, threads))
{
    m_threads.setMaxThreadCount(m_ahead);
}

void LookAhead::removeLeftovers(const QString &tempFolder)
{
    static const QRegularExpression stale(QStringLiteral("^\\.ahead-(\\d+)-\\d+"));
    const QDir dir(tempFolder);
    for (const QString &name : dir.entryList({QStringLiteral(".ahead-*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = stale.match(name);
        if (m.hasMatch() && m.captured(1).toLongLong() != RunProcessId() && !ProcessAlive(m.captured(1).toLongLong()))
            QFile::remove(dir.filePath(name));
    }
}

LookAhead::~LookAhead()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancel = true;
    }
    m_stepRecorded.notify_all();
    m_threads.clear();
    m_threads.waitForDone();
    for (const Result &r : std::as_const(m_results))
        discard(r);
}

void LookAhead::discard(const Result &result)
{
    if (!result.file.isEmpty())
        QFile::remove(result.file);
}

QByteArray LookAhead::hashFile(const QString &path, bool *ok)
{
    QFile f(path);
    *ok = f.open(QIODevice::ReadOnly);
    if (!*ok)
        return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    *ok = hash.addData(&f);
    return hash.result() + QByteArray::number(f.size());
}

// A copy made from a source that did not change while it was copied has the
// source's bytes: it is known by the source's name and state, which is much
// cheaper than reading and hashing a photo twice per image.
QByteArray LookAhead::copyKey(const QString &source, const QByteArray &sourceState)
{
    return "copy of " + QFile::encodeName(QFileInfo(source).absoluteFilePath()) + '\0' + sourceState;
}

void LookAhead::noteCopy(const QString &source, const QByteArray &sourceState, const QString &copy)
{
    if (sourceState.isEmpty() || FileState(source) != sourceState)
        return;
    const QByteArray copyState = FileState(copy);
    if (copyState.isEmpty())
        return;
    std::lock_guard lock(m_mutex);
    m_copies.insert(copy, Copy{copyKey(source, sourceState), copyState});
}

QByteArray LookAhead::inputKey(const QString &file, bool *ok) const
{
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_copies.constFind(file);
        if (it != m_copies.cend() && FileState(file) == it->state) {
            *ok = true;
            return it->key;
        }
    }
    return hashFile(file, ok);
}

QString LookAhead::keyOf(const QByteArray &inputHash, const Step &step)
{
    QString key = QString::fromLatin1(inputHash.toHex()) + QLatin1Char('|') + step.suffix.toLower() + QLatin1Char('|')
        + QLatin1Char(step.kind) + QLatin1Char('|');
    if (step.composite())
        key += QString::fromLatin1(QCryptographicHash::hash(step.overlay, QCryptographicHash::Blake2b_256).toHex())
            + QLatin1Char('.') + step.overlaySuffix.toLower() + QLatin1Char('|');
    return key + step.options.join(QChar(0x1f));
}

// Identify's text is taken from work done ahead only when it depends on the
// file's bytes alone: a format of sizes, colours, scene count and byte count.
// A name, a folder or a time would be the copy's, not the file's.
bool LookAhead::identifyMadeAhead(const QStringList &options)
{
    qsizetype format = -1;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options.at(i) == QLatin1String("-format") && i + 1 < options.size())
            format = ++i;
        else if (options.at(i) != QLatin1String("-ping"))
            return false;
    }
    if (format < 0)
        return false;
    const QString &f = options.at(format);
    for (qsizetype i = 0; i < f.size(); ++i) {
        if (f.at(i) != QLatin1Char('%'))
            continue;
        if (i + 1 >= f.size() || !QStringLiteral("whkbn%").contains(f.at(i + 1)))
            return false;
        ++i;
    }
    return true;
}

void LookAhead::beginImage(int index, const QString &nextSource)
{
    std::lock_guard lock(m_mutex);
    m_recording.clear();
    m_copies.clear();
    m_current = index;
    m_nextSource = nextSource;
}

void LookAhead::recordMogrify(const QStringList &options, const QString &file)
{
    record(Step{options, suffixOf(file), 'm', {}, {}});
}

void LookAhead::recordIdentify(const QStringList &options, const QString &file)
{
    if (identifyMadeAhead(options))
        record(Step{options, suffixOf(file), 'i', {}, {}});
}

// A stamp's overlay is small (a label): it is kept with the step, so the images
// ahead get exactly the overlay this image got.
LookAhead::Step LookAhead::compositeStep(const QStringList &options, const QString &overlay, const QString &file,
                                         char kind, bool *ok)
{
    Step step{options, suffixOf(file), kind, {}, {}};
    QFile f(overlay);
    *ok = f.open(QIODevice::ReadOnly);
    if (*ok)
        step.overlay = f.readAll();
    step.overlaySuffix = suffixOf(overlay);
    return step;
}

void LookAhead::recordComposite(const QStringList &options, const QString &overlay, const QString &file, char kind)
{
    bool ok = false;
    const Step step = compositeStep(options, overlay, file, kind, &ok);
    if (ok)
        record(step);
}

bool LookAhead::takeComposite(const QStringList &options, const QString &overlay, const QString &file, char kind)
{
    bool ok = false;
    const Step step = compositeStep(options, overlay, file, kind, &ok);
    const QByteArray input = ok ? inputKey(file, &ok) : QByteArray();
    Result result;
    if (!ok || !takeResult(keyOf(input, step), &result) || !putInPlace(result, file))
        return false;
    ++m_taken;
    return true;
}

// The first image's steps are recorded before each is made, so the next image
// can make each step on the other worker at the same time instead of waiting
// for the whole recipe.
void LookAhead::record(const Step &step)
{
    std::lock_guard lock(m_mutex);
    m_recording.append(step);
    if (m_liveOpen) {
        m_live.append(step);
        m_stepRecorded.notify_all();
    } else if (!m_liveStarted && m_imagesDone == 0 && !m_nextSource.isEmpty() && !m_cancel) {
        m_liveStarted = m_liveOpen = true;
        m_live = m_recording;
        const int image = m_current + 1;
        m_scheduled.insert(image);
        m_threads.start([this, source = m_nextSource, image] { workAhead(source, {}, image, true); });
    }
}

bool LookAhead::nextStep(bool live, const QList<Step> &recipe, qsizetype i, Step *step)
{
    if (!live) {
        if (i >= recipe.size())
            return false;
        *step = recipe.at(i);
        return true;
    }
    std::unique_lock lock(m_mutex);
    m_stepRecorded.wait(lock, [&] { return i < m_live.size() || !m_liveOpen || m_cancel; });
    if (i >= m_live.size() || m_cancel)
        return false;
    *step = m_live.at(i);
    return true;
}

bool LookAhead::takeResult(const QString &key, Result *result)
{
    std::unique_lock lock(m_mutex);
    m_jobDone.wait(lock, [&] { return m_results.contains(key) || !m_running.contains(m_current); });
    auto it = m_results.find(key);
    if (it == m_results.end())
        return false;
    *result = it.value();
    m_heldBytes -= result->size;
    m_results.erase(it);
    return true;
}

bool LookAhead::takeIdentify(const QStringList &options, const QString &file, QString *text)
{
    if (!identifyMadeAhead(options))
        return false;
    bool ok = false;
    const QByteArray input = inputKey(file, &ok);
    Result result;
    if (!ok || !takeResult(keyOf(input, Step{options, suffixOf(file), 'i', {}, {}}), &result))
        return false;
    *text = QString::fromUtf8(result.text);
    ++m_taken;
    return true;
}

bool LookAhead::takeMogrify(const QStringList &options, const QString &file)
{
    bool ok = false;
    const QByteArray hash = inputKey(file, &ok);
    if (!ok)
        return false;
    Result result;
    if (!takeResult(keyOf(hash, Step{options, suffixOf(file), 'm', {}, {}}), &result) || !putInPlace(result, file))
        return false;
    ++m_taken;
    return true;
}

// Replaced the way a step replaces its file: the result copied under a hidden
// name beside it, then one rename. A kept result that changed since it was
// made is not used.
bool LookAhead::putInPlace(const Result &result, const QString &file)
{
    const QFileInfo info(file);
    const QString work = info.absolutePath() + QStringLiteral("/.%1.%2.ahead").arg(info.fileName()).arg(RunProcessId());
    QFile::remove(work);
    const bool copied = !result.fileState.isEmpty() && keptState(result.file) == result.fileState
        && CopyToNewFile(result.file, work, false).isEmpty();
    discard(result);
    if (!copied) {
        QFile::remove(work);
        return false;
    }
    QFile::setPermissions(work, QFile::permissions(file));
    if (::rename(QFile::encodeName(work).constData(), QFile::encodeName(file).constData()) != 0) {
        QFile::remove(work);
        return false;
    }
    // The file now holds bytes known by their key: a later step on it needs no hash.
    const QByteArray state = FileState(file);
    if (!state.isEmpty() && !result.bytesKey.isEmpty()) {
        std::lock_guard lock(m_mutex);
        m_copies.insert(file, Copy{result.bytesKey, state});
    }
    return true;
}

bool LookAhead::holds(int index) const
{
    std::lock_guard lock(m_mutex);
    for (const Result &r : m_results)
        if (r.index == index)
            return true;
    return false;
}

void LookAhead::endImage(int index, const QStringList &upcomingSources)
{
    std::lock_guard lock(m_mutex);
    if (m_liveOpen) {
        m_liveOpen = false;
        m_stepRecorded.notify_all();
    }
    // Results for images already done will not be asked for any more.
    for (auto it = m_results.begin(); it != m_results.end();) {
        if (it.value().index <= index) {
            m_heldBytes -= it.value().size;
            discard(it.value());
            it = m_results.erase(it);
        } else {
            ++it;
        }
    }
    if (m_recording.isEmpty())
        return;
    // A batch whose steps do not repeat from image to image (a stamp with the
    // file name, a step after the overlay) gains nothing from work done ahead:
    // after two images without a result taken, the guessing stops; until the
    // first one is taken, it stays one image per thread ahead.
    ++m_imagesDone;
    if (m_taken == 0 && m_imagesDone > 2)
        return;
    const int horizon = m_taken > 0 ? int(upcomingSources.size()) : qMin<int>(m_ahead, int(upcomingSources.size()));
    const QList<Step> recipe = m_recording;
    for (int j = 0; j < horizon; ++j) {
        const int image = index + 1 + j;
        if (m_scheduled.contains(image))
            continue;
        m_scheduled.insert(image);
        const QString source = upcomingSources.at(j);
        m_threads.start([this, source, recipe, image] { workAhead(source, recipe, image, false); });
    }
}

void LookAhead::workAhead(const QString &source, const QList<Step> &recipe, int index, bool live)
{
    Step first;
    {
        std::lock_guard lock(m_mutex);
        if (m_cancel || (recipe.isEmpty() && !live) || index <= m_current)
            return; // the run got there first
        first = live ? m_live.first() : recipe.first();
        m_running.insert(index);
    }
    struct Done
    {
        LookAhead *self;
        int index;
        ~Done()
        {
            {
                std::lock_guard lock(self->m_mutex);
                self->m_running.remove(index);
            }
            self->m_jobDone.notify_all();
        }
    } done{this, index};
    const QString suffix = first.suffix;
    const QString work = QDir(m_tempFolder).filePath(
        QStringLiteral(".ahead-%1-%2%3").arg(RunProcessId()).arg(index).arg(suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
    QFile::remove(work);
    const QByteArray sourceState = FileState(source);
    // A scratch copy: flushing it to disk (as QFile::copy does) would write
    // every photo to the disk once more for nothing.
    if (sourceState.isEmpty() || !CopyToNewFile(source, work, false).isEmpty())
        return;
    QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner);
    // The first step's input is known by its source, the later ones by their bytes.
    QByteArray firstKey;
    if (FileState(source) == sourceState)
        firstKey = copyKey(source, sourceState);
    ImageEngine engine;
    engine.setWorkerPool(m_pool);
    bool ok = !firstKey.isEmpty();
    QByteArray input = ok ? firstKey : hashFile(work, &ok); // what the next step reads
    Step step;
    for (qsizetype i = 0; ok && nextStep(live, recipe, i, &step); ++i) {
        if (m_cancel || step.suffix != suffix)
            break;
        Result result;
        result.index = index;
        try {
            if (step.identify()) {
                result.text = engine.Identify(step.options + QStringList{work}).toUtf8();
                result.size = result.text.size();
            } else {
                if (step.composite()) {
                    const QString overlay = work + QStringLiteral("-overlay.") + step.overlaySuffix;
                    const bool written = writeFile(overlay, step.overlay);
                    const QStringList args = step.options + QStringList{overlay, work, work};
                    try {
                        if (!written)
                            throw VexlError{0, QString(), QString(), 0};
                        if (step.kind == 'c')
                            engine.Composite(args);
                        else
                            engine.CompositeScenes(args, step.kind == 'a');
                    } catch (...) {
                        QFile::remove(overlay);
                        throw;
                    }
                    QFile::remove(overlay);
                } else {
                    engine.Mogrify(step.options + QStringList{work});
                }
                // The result is kept under a name of its own, not read into
                // memory: a step replaces its file with a new one (see
                // FileArguments), so the next step leaves this one as it is.
                const quint64 serial = ++m_resultSerial;
                result.file = QDir(m_tempFolder).filePath(QStringLiteral(".ahead-%1-%2-%3%4")
                                                              .arg(RunProcessId())
                                                              .arg(index)
                                                              .arg(serial)
                                                              .arg(suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
                const QByteArray w = QFile::encodeName(work), k = QFile::encodeName(result.file);
                if (::link(w.constData(), k.constData()) != 0 && !CopyToNewFile(work, result.file, false).isEmpty())
                    break;
                result.fileState = keptState(result.file, &result.size);
                if (result.fileState.isEmpty()) {
                    discard(result);
                    break;
                }
                // These bytes exist only here: a name of their own tells them
                // apart as surely as a hash of them would, without reading them.
                result.bytesKey = "made ahead " + QByteArray::number(serial);
            }
        } catch (const VexlError &) {
            break; // the run meets the same failure itself, in its own order
        }
        std::lock_guard lock(m_mutex);
        if (m_heldBytes + result.size > kMaxHeldBytes) {
            discard(result);
            break;
        }
        const QString key = keyOf(input, step);
        if (!m_results.contains(key)) {
            m_results.insert(key, result);
            m_heldBytes += result.size;
        } else {
            discard(result);
        }
        if (!step.identify())
            input = result.bytesKey;
        ++m_made;
        m_jobDone.notify_all();
    }
    QFile::remove(work);
}

} // namespace vexl
