#pragma once

#include <QFile>
#include <QString>

namespace vexl {

// The numbered log of one batch run, vexl.log in the program's folder. The run
// switches the log on for its start line only, so a run's file holds one line and
// CurrentOperation keeps that line for the whole run.
class ProcessLog
{
public:
    ProcessLog() = default;
    ProcessLog(const ProcessLog &) = delete;
    ProcessLog &operator=(const ProcessLog &) = delete;

    // Opens (truncating) vexl.log and writes the start line "N> MAIN - Process Started".
    // Throws VexlError when the file cannot be opened.
    void OpenProcessLog();
    // Writes one line while the log is enabled; does nothing at all otherwise.
    void AddCurrOp(const QString &procedureName, const QString &argumentsText,
                   const QString &text, bool resetCounter = false);
    // Writes one line whether or not the log is enabled, leaving
    // CurrentOperation as it is: a fact about the whole run.
    void AddNotice(const QString &text);
    // Closes the file and switches the log off.
    void close();

    const QString &CurrentOperation() const { return m_currentOperation; }

    static QString logFilePath();
    // Every line of vexl.log, each followed by CR LF ("" for an empty file).
    // Throws VexlError when the file cannot be read.
    static QString ReadProcessLog();

private:
    QFile m_file;
    bool m_enabled = false;
    qint32 m_counter = 0;
    QString m_currentOperation;
};

} // namespace vexl
