#pragma once

#include <QString>
#include <QStringList>

namespace vexl {

// Image workers confine themselves with Landlock before they decode anything.
// An exploited decoder can then read only the run's input folders and the
// system folders the worker needs (the program and its libraries, ImageMagick's
// configuration and modules, fonts, the locale), write only the run's output
// and work folders and the program's Temp folder, and - where the kernel's
// Landlock knows network rights (ABI 4 and later) - open no TCP connection.
//
// VEXL_NO_SANDBOX=1 leaves workers unconfined: for measuring what the
// confinement costs, nothing else.

// The folders of the user's that a run's workers may use.
struct WorkerFolders
{
    QStringList read;  // input folders (read only)
    QStringList write; // output and work folders (read and write)
    friend bool operator==(const WorkerFolders &, const WorkerFolders &) = default;
};

// The folders of a run over `input` writing into `output` (a batch, the
// preview with no output, and the sandbox check that stands in for a batch).
// `items` (names under `input`) that are links out of it add the folders they
// lead to, read only.
WorkerFolders RunFolders(const QString &input, const QString &output, const QStringList &items = {});

// The Landlock ABI this kernel offers; 0 when it offers none (or Landlock is off).
int LandlockAbi();
// True when VEXL_NO_SANDBOX asks for unconfined workers.
bool SandboxDisabled();
// The log's line when workers cannot be fully confined here (no Landlock, no
// network rights, or switched off); empty when they are.
QString SandboxShortfall();

// ---- inside the worker -------------------------------------------------

// What the worker got: the ABI, whether its rules are in force, whether they
// include the network, and why not when they are not.
struct SandboxState
{
    int abi = 0;
    bool active = false;
    bool network = false;
    QString problem;
};

// Confines the calling process for good: `folders` plus the system folders it
// needs (found from the running process: mapped libraries, ImageMagick's
// configured paths, fontconfig's folders), `temp` writable. Call after
// ImageMagick has started and before the first decode.
SandboxState ConfineWorker(const WorkerFolders &folders, const QString &temp);

// The sandbox check's probes, run inside a worker: args are a file outside the
// allowed folders, a folder outside them and a TCP port on 127.0.0.1 that
// listens. Answers "key=value" lines: abi, active, problem (why not active),
// read, write, tcp; each probe
// "denied", "allowed" or "error: <reason>".
QString ProbeConfinement(const QStringList &args);

} // namespace vexl
