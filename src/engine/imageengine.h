#pragma once

#include <QString>
#include <QStringList>

namespace vexl {

// ImageMagick reached as four command-style operations. Each takes its argument
// list exactly as the command-line tool of that name does (options first, then
// the files) and runs in process. A failure throws VexlError carrying
// ImageMagick's text.
//
// File arguments are data, never patterns: exactly the named file is read and
// written, whatever characters its name holds. An intended scene suffix
// ("name.gif[0]" for a file name.gif) keeps its meaning.
//
// File positions: Convert  ... input output
//                 Composite ... overlay base output
//                 Mogrify  ... file (changed in place)
//                 Identify "-format" fmt file
// An input of the form "label:text" is the label coder, not a file.
class ImageEngine
{
public:
    ImageEngine();
    ~ImageEngine();
    ImageEngine(const ImageEngine &) = delete;
    ImageEngine &operator=(const ImageEngine &) = delete;

    void Convert(const QStringList &args);
    void Composite(const QStringList &args);
    void Mogrify(const QStringList &args);
    QString Identify(const QStringList &args);

    // When on, each call runs on a worker thread while the calling thread keeps
    // serving its event loop (blocked in it, not spinning), so a window stays
    // painted and its buttons work during a long call.
    void setServeEventsWhileWorking(bool on) { m_serveEvents = on; }

    // Starts ImageMagick once per process: resource limits and the coder
    // allow-list that make hostile files fail fast. Safe to call repeatedly.
    static void initialize();
    // Number of engine calls made in this process (tests count preview calls).
    static quint64 callCount();

private:
    bool m_serveEvents = false;
};

} // namespace vexl
