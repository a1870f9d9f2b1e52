#pragma once

// The program run as a process, as the user runs it, inside a test world.

#include "testsupport.h"

#include <QProcess>

namespace vexl::test {

struct ProgramRun
{
    int code = -1; // -1: crashed or did not end in time
    QString out;
    QString err;
};

// The world's settings and data folders (so the trash is the world's own), no
// display (the command line needs none); workers confined unless told not to be.
inline void useWorld(QProcess &p, const TestWorld &world, bool confined = true)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", world.path("config"));
    env.insert("XDG_DATA_HOME", world.path("data"));
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("VEXL_NO_SANDBOX");
    if (!confined)
        env.insert("VEXL_NO_SANDBOX", "1");
    p.setProcessEnvironment(env);
}

inline ProgramRun runProgram(const TestWorld &world, const QStringList &args, const QString &program = VEXL_EXE,
                             bool confined = true)
{
    QProcess p;
    useWorld(p, world, confined);
    p.start(program, args);
    ProgramRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace vexl::test
