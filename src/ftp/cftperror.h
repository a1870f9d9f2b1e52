#pragma once

#include <QString>

namespace vexl {

// The last error of an asynchronous FTP method: 16000 + the reply code for a
// refused command, 16001 for an unreadable PWD reply, 16002 for an unreadable
// listing, a socket error's Winsock number, or one of the client's own numbers
// (see CFtpClient). Cleared when a method begins.
class CFtpError
{
public:
    int Number() const { return m_number; }
    void setNumber(int number) { m_number = number; }
    QString Description() const { return m_description; }
    void setDescription(const QString &description) { m_description = description; }
    QString Source() const { return m_source; }
    void setSource(const QString &source) { m_source = source; }

    void set(int number, const QString &description, const QString &source)
    {
        m_number = number;
        m_description = description;
        m_source = source;
    }
    void clear() { set(0, QString(), QString()); }

private:
    int m_number = 0;
    QString m_description;
    QString m_source;
};

} // namespace vexl
