#include "processlog.h"

#include "apppaths.h"
#include "vexlerror.h"

namespace vexl {

QString ProcessLog::logFilePath()
{
    return AddBackslash(AppPaths::programFolder()) + QStringLiteral("vexl.log");
}

void ProcessLog::OpenProcessLog()
{
    if (m_file.isOpen())
        m_file.close();
    m_file.setFileName(logFilePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw VexlError{75, QStringLiteral("Path/File access error: %1").arg(m_file.errorString()),
                        QStringLiteral("ProcessLog.OpenProcessLog"), 1};
    m_enabled = true;
    AddCurrOp(QStringLiteral("Form_Activate"), QString(), QStringLiteral("Process Started"), false);
    m_enabled = false;
}

void ProcessLog::AddCurrOp(const QString &procedureName, const QString &argumentsText,
                           const QString &text, bool resetCounter)
{
    if (!m_enabled)
        return;
    if (resetCounter)
        m_counter = 1;
    const QString prefix = (procedureName.isEmpty() || procedureName == QLatin1String("Form_Activate"))
        ? QStringLiteral("MAIN")
        : procedureName + QLatin1Char('(') + argumentsText + QLatin1Char(')');
    const QString line = text.isEmpty()
        ? QString::number(m_counter) + QStringLiteral("> ") + prefix + QStringLiteral("CALLED")
        : QString::number(m_counter) + QStringLiteral("> ") + prefix + QStringLiteral(" - ") + text;
    m_currentOperation = line;
    if (m_file.isOpen()) {
        const QByteArray bytes = line.toUtf8() + "\r\n";
        if (m_file.write(bytes) != bytes.size() || !m_file.flush())
            throw VexlError{61, QStringLiteral("Disk full: %1").arg(m_file.errorString()),
                            QStringLiteral("ProcessLog.AddCurrOp"), 4};
    }
    ++m_counter;
}

void ProcessLog::AddNotice(const QString &text)
{
    if (!m_file.isOpen())
        return;
    const QByteArray bytes = (QString::number(m_counter) + QStringLiteral("> MAIN - ") + text).toUtf8() + "\r\n";
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        throw VexlError{61, QStringLiteral("Disk full: %1").arg(m_file.errorString()),
                        QStringLiteral("ProcessLog.AddNotice"), 4};
    ++m_counter;
}

void ProcessLog::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_enabled = false;
}

QString ProcessLog::ReadProcessLog()
{
    QFile f(logFilePath());
    if (!f.open(QIODevice::ReadOnly))
        throw VexlError{53, QStringLiteral("File not found: %1").arg(f.fileName()),
                        QStringLiteral("ProcessLog.ReadProcessLog"), 1};
    QString out;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray l = lines.at(i);
        if (i == lines.size() - 1 && l.isEmpty())
            break; // the text after the last line end
        if (l.endsWith('\r'))
            l.chop(1);
        out += QString::fromUtf8(l) + QStringLiteral("\r\n");
    }
    return out;
}

} // namespace vexl
