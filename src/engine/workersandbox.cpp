#include "workersandbox.h"

#include "support/fontfile.h"
#include "support/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <wand/MagickWand.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <link.h>
#include <linux/landlock.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vexl {

namespace {

// The system's <linux/landlock.h> may predate the later ABIs: their rights and
// the longer ruleset description are spelled out here, and every right is
// masked by the ABI the kernel reports.
#ifndef __NR_landlock_create_ruleset
#define __NR_landlock_create_ruleset 444
#endif
#ifndef __NR_landlock_add_rule
#define __NR_landlock_add_rule 445
#endif
#ifndef __NR_landlock_restrict_self
#define __NR_landlock_restrict_self 446
#endif

constexpr quint64 kFsExecute = 1ULL << 0;
constexpr quint64 kFsWriteFile = 1ULL << 1;
constexpr quint64 kFsReadFile = 1ULL << 2;
constexpr quint64 kFsReadDir = 1ULL << 3;
constexpr quint64 kFsRemoveDir = 1ULL << 4;
constexpr quint64 kFsRemoveFile = 1ULL << 5;
constexpr quint64 kFsMakeChar = 1ULL << 6;
constexpr quint64 kFsMakeDir = 1ULL << 7;
constexpr quint64 kFsMakeReg = 1ULL << 8;
constexpr quint64 kFsMakeSock = 1ULL << 9;
constexpr quint64 kFsMakeFifo = 1ULL << 10;
constexpr quint64 kFsMakeBlock = 1ULL << 11;
constexpr quint64 kFsMakeSym = 1ULL << 12;
constexpr quint64 kFsRefer = 1ULL << 13;    // ABI 2
constexpr quint64 kFsTruncate = 1ULL << 14; // ABI 3
constexpr quint64 kFsIoctlDev = 1ULL << 15; // ABI 5
constexpr quint64 kNetBindTcp = 1ULL << 0;    // ABI 4
constexpr quint64 kNetConnectTcp = 1ULL << 1; // ABI 4
constexpr quint64 kScopeAbstractUnixSocket = 1ULL << 0; // ABI 6
constexpr quint64 kScopeSignal = 1ULL << 1;             // ABI 6

constexpr quint64 kRead = kFsReadFile | kFsReadDir;
constexpr quint64 kWrite = kRead | kFsWriteFile | kFsRemoveDir | kFsRemoveFile | kFsMakeDir | kFsMakeReg
                           | kFsMakeSym | kFsRefer | kFsTruncate;
// The rights a rule on a file (not a folder) may carry.
constexpr quint64 kFileRights = kFsExecute | kFsWriteFile | kFsReadFile | kFsTruncate | kFsIoctlDev;

struct RulesetAttr // struct landlock_ruleset_attr as of ABI 6
{
    quint64 handledAccessFs;
    quint64 handledAccessNet;
    quint64 scoped;
};

quint64 fsRightsOf(int abi)
{
    quint64 rights = kFsExecute | kFsWriteFile | kFsReadFile | kFsReadDir | kFsRemoveDir | kFsRemoveFile
                     | kFsMakeChar | kFsMakeDir | kFsMakeReg | kFsMakeSock | kFsMakeFifo | kFsMakeBlock | kFsMakeSym;
    if (abi >= 2)
        rights |= kFsRefer;
    if (abi >= 3)
        rights |= kFsTruncate;
    if (abi >= 5)
        rights |= kFsIoctlDev;
    return rights;
}

SandboxState &state()
{
    static SandboxState s;
    return s;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(strerror(error));
}

// The libraries mapped into this process, and the program itself.
int addLibrary(dl_phdr_info *info, size_t, void *data)
{
    if (info->dlpi_name && *info->dlpi_name)
        static_cast<QStringList *>(data)->append(QFile::decodeName(info->dlpi_name));
    return 0;
}

class Ruleset
{
public:
    Ruleset(int fd, quint64 handled) : m_fd(fd), m_handled(handled) {}
    ~Ruleset() { ::close(m_fd); }

    // Missing paths are skipped: there is nothing there to reach.
    void allow(const QString &path, quint64 rights)
    {
        if (path.isEmpty())
            return;
        const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat st = {};
        if (::fstat(fd, &st) == 0) {
            landlock_path_beneath_attr rule = {};
            rule.allowed_access = rights & m_handled & (S_ISDIR(st.st_mode) ? ~0ULL : kFileRights);
            rule.parent_fd = fd;
            if (rule.allowed_access != 0)
                ::syscall(__NR_landlock_add_rule, m_fd, LANDLOCK_RULE_PATH_BENEATH, &rule, 0);
        }
        ::close(fd);
    }
    void allowFolderOf(const QString &file, quint64 rights)
    {
        const QString real = QFileInfo(file).canonicalFilePath();
        if (!real.isEmpty())
            allow(QFileInfo(real).absolutePath(), rights);
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
    quint64 m_handled;
};

void allowSystem(Ruleset &rules)
{
    constexpr quint64 kReadExecute = kRead | kFsExecute;
    // The program and every library it has mapped; modules ImageMagick loads
    // later come from the same folders or from its module folders below.
    rules.allowFolderOf(QStringLiteral("/proc/self/exe"), kReadExecute);
    QStringList libraries;
    dl_iterate_phdr(addLibrary, &libraries);
    for (const QString &library : std::as_const(libraries))
        rules.allowFolderOf(library, kReadExecute);

    // ImageMagick's configuration, coder and filter modules, shared files.
    for (const char *option : {"LIBRARY_PATH", "CODER_PATH", "FILTER_PATH", "CONFIGURE_PATH", "SHARE_PATH",
                               "SHAREARCH_PATH"}) {
        if (char *value = GetConfigureOption(option)) {
            rules.allow(QFile::decodeName(value), kReadExecute);
            RelinquishMagickMemory(value);
        }
    }
    for (const char *variable : {"MAGICK_CONFIGURE_PATH", "MAGICK_CODER_MODULE_PATH", "MAGICK_CODER_FILTER_PATH"})
        for (const QString &path : QString::fromLocal8Bit(qgetenv(variable)).split(QLatin1Char(':'), Qt::SkipEmptyParts))
            rules.allow(path, kReadExecute);

    // Fonts for the text overlay, as fontconfig finds them.
    for (const QString &folder : FontConfigFolders())
        rules.allow(folder, kRead);

    // What no library can be asked for: the loader's cache, the locale and
    // time zone data, the processor list OpenMP counts, the process's own
    // /proc entries and the harmless devices.
    for (const char *path : {"/etc/ld.so.cache", "/usr/share/locale", "/usr/lib/locale", "/etc/localtime",
                             "/usr/share/zoneinfo", "/sys/devices/system/cpu", "/proc/self", "/dev/urandom",
                             "/dev/zero"})
        rules.allow(QString::fromLatin1(path), kRead);
    rules.allow(QStringLiteral("/dev/null"), kFsReadFile | kFsWriteFile | kFsTruncate);
}

} // namespace

WorkerFolders RunFolders(const QString &input, const QString &output, const QStringList &items)
{
    WorkerFolders folders;
    const auto clean = [](const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
    if (!output.isEmpty())
        folders.write << clean(output);
    if (input.isEmpty())
        return folders;
    if (!folders.write.contains(clean(input)))
        folders.read << clean(input);
    const QString real = QFileInfo(input).canonicalFilePath() + QLatin1Char('/');
    for (const QString &item : items) {
        const QFileInfo info(QDir(input).filePath(item));
        if (!info.isSymLink())
            continue;
        const QString target = QFileInfo(info.canonicalFilePath()).absolutePath();
        if (!info.canonicalFilePath().isEmpty() && !(target + QLatin1Char('/')).startsWith(real)
            && !folders.read.contains(target))
            folders.read << target;
    }
    return folders;
}

int LandlockAbi()
{
    const long abi = ::syscall(__NR_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    return abi < 0 ? 0 : int(abi);
}

bool SandboxDisabled()
{
    return qEnvironmentVariableIntValue("VEXL_NO_SANDBOX") != 0;
}

QString SandboxShortfall()
{
    if (SandboxDisabled())
        return MsgX("msgSandboxSwitchedOff");
    const int abi = LandlockAbi();
    if (abi < 1)
        return MsgX("msgSandboxUnavailable");
    if (abi < 4)
        return MsgX("msgSandboxNoNetwork").replace(QStringLiteral("[ABI]"), QString::number(abi));
    return QString();
}

SandboxState ConfineWorker(const WorkerFolders &folders, const QString &temp)
{
    SandboxState &s = state();
    s = SandboxState();
    s.abi = LandlockAbi();
    if (s.abi < 1) {
        s.problem = QStringLiteral("this kernel offers no Landlock");
        return s;
    }
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        s.problem = QStringLiteral("no_new_privs: ") + errnoText(errno);
        return s;
    }
    RulesetAttr attr = {};
    attr.handledAccessFs = fsRightsOf(s.abi);
    size_t size = sizeof attr.handledAccessFs;
    if (s.abi >= 4) {
        attr.handledAccessNet = kNetBindTcp | kNetConnectTcp; // and no rule allows either
        size = offsetof(RulesetAttr, scoped);
    }
    if (s.abi >= 6) {
        attr.scoped = kScopeAbstractUnixSocket | kScopeSignal;
        size = sizeof attr;
    }
    const long fd = ::syscall(__NR_landlock_create_ruleset, &attr, size, 0);
    if (fd < 0) {
        s.problem = QStringLiteral("landlock_create_ruleset: ") + errnoText(errno);
        return s;
    }
    Ruleset rules(int(fd), attr.handledAccessFs);
    allowSystem(rules);
    for (const QString &folder : folders.read)
        rules.allow(folder, kRead);
    for (const QString &folder : folders.write)
        rules.allow(folder, kWrite);
    rules.allow(temp, kWrite);
    if (::syscall(__NR_landlock_restrict_self, rules.fd(), 0) != 0) {
        s.problem = QStringLiteral("landlock_restrict_self: ") + errnoText(errno);
        return s;
    }
    // The rules bind this thread and the threads it starts from now on, not
    // threads already running: there must be none.
    const qsizetype threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    if (threads != 1) {
        s.problem = QStringLiteral("%1 threads were running when the rules were put in force").arg(threads);
        return s;
    }
    s.active = true;
    s.network = s.abi >= 4;
    return s;
}

QString ProbeConfinement(const QStringList &args)
{
    const auto verdict = [](bool ok, int error) {
        if (ok)
            return QStringLiteral("allowed");
        if (error == EACCES || error == EPERM)
            return QStringLiteral("denied");
        return QStringLiteral("error: ") + errnoText(error);
    };
    QStringList lines;
    lines << QStringLiteral("abi=%1").arg(LandlockAbi())
          << QStringLiteral("active=%1").arg(state().active ? QStringLiteral("yes") : QStringLiteral("no"))
          << QStringLiteral("problem=") + state().problem;

    const int in = ::open(QFile::encodeName(args.value(0)).constData(), O_RDONLY | O_CLOEXEC);
    int error = errno;
    lines << QStringLiteral("read=") + verdict(in >= 0, error);
    if (in >= 0)
        ::close(in);

    const QByteArray probe = QFile::encodeName(args.value(1) + QStringLiteral("/written-by-worker-%1").arg(::getpid()));
    const int out = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    error = errno;
    lines << QStringLiteral("write=") + verdict(out >= 0, error);
    if (out >= 0) {
        ::close(out);
        ::unlink(probe.constData());
    }

    const int sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(quint16(args.value(2).toUInt()));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = sock >= 0 && ::connect(sock, reinterpret_cast<sockaddr *>(&to), sizeof to) == 0;
    error = errno;
    lines << QStringLiteral("tcp=") + verdict(connected, error);
    if (sock >= 0)
        ::close(sock);
    return lines.join(QLatin1Char('\n'));
}

} // namespace vexl
