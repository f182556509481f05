// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WholeFiles.h"

#include "FileTarget.h"
#include "NativeFileName.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString failure(const QString& path, const QString& reason)
{
    //: %1 is the file's name, %2 why it was not saved: one of the reasons in this context, or the
    //: system's own words for a failure they do not name.
    return QCoreApplication::translate("WholeFiles", "Soubor „%1“ se nepodařilo uložit: %2")
        .arg(shown(path), reason);
}

// The names of the temporaries and the kept earlier files there are at this moment, for the
// handler of the signals that end a program (a logout, kill, Ctrl+C in a terminal), which
// removes them before the program ends. A handler reaches nothing but such a static table.
// Several files are written at once (a picture and its curves), each with two such names.
constexpr std::size_t nameSlots = 8;
std::array<std::atomic<const char*>, nameSlots> liveNames{};

void remember(const QByteArray& name)
{
    for (auto& slot : liveNames) {
        const char* empty = nullptr;
        if (slot.compare_exchange_strong(empty, name.constData())) {
            return;
        }
    }
}

// Before the name is removed, renamed or its bytes freed.
void forget(const QByteArray& name)
{
    for (auto& slot : liveNames) {
        const char* mine = name.constData();
        slot.compare_exchange_strong(mine, nullptr);
    }
}

constexpr std::array endingSignals{SIGTERM, SIGINT, SIGHUP};

extern "C" void removeLiveNamesAndEnd(int signal)
{
    for (auto& slot : liveNames) {
        if (const char* name = slot.exchange(nullptr)) {
            ::unlink(name);
        }
    }
    // The signal's usual end, with its status, as though no handler had been there.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// While it lives, the signals that end a program first remove the names remembered; a signal
// the program was told to ignore stays ignored.
class LeftoversRemovedOnSignal
{
public:
    LeftoversRemovedOnSignal()
    {
        struct sigaction action
        {};
        action.sa_handler = removeLiveNamesAndEnd;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < endingSignals.size(); ++i) {
            m_installed[i] = ::sigaction(endingSignals[i], nullptr, &m_earlier[i]) == 0 &&
                             m_earlier[i].sa_handler != SIG_IGN &&
                             ::sigaction(endingSignals[i], &action, nullptr) == 0;
        }
    }
    ~LeftoversRemovedOnSignal()
    {
        for (std::size_t i = 0; i < endingSignals.size(); ++i) {
            if (m_installed[i]) {
                ::sigaction(endingSignals[i], &m_earlier[i], nullptr);
            }
        }
    }
    LeftoversRemovedOnSignal(const LeftoversRemovedOnSignal&) = delete;
    LeftoversRemovedOnSignal& operator=(const LeftoversRemovedOnSignal&) = delete;

private:
    std::array<struct sigaction, endingSignals.size()> m_earlier{};
    std::array<bool, endingSignals.size()> m_installed{};
};

// A file being written: where it really goes and what is kept of the earlier one meanwhile.
struct Pending
{
    const FileToWrite* file = nullptr;
    QByteArray real; // links followed
    bool existed = false;
    mode_t mode = 0;
    QByteArray temporary; // the new bytes, until they take the real file's place
    QByteArray backup;    // the earlier file, until every new one is in place
    bool replaced = false;
};

// The file a path names, links followed; for a file yet to be made, its folder's real path.
QByteArray realPath(const QByteArray& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) != nullptr) {
        return resolved;
    }
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
    if (::realpath(folder.constData(), resolved) == nullptr) {
        return path; // opening it will say why
    }
    QByteArray real(resolved);
    if (!real.endsWith('/')) {
        real += '/';
    }
    return real + path.mid(slash + 1);
}

// A name in the folder of next for a file of our own: next's name, cut where a longer one would
// pass the longest name the folder takes, and a random ending.
QByteArray nameBeside(const QByteArray& next)
{
    constexpr int randomLength = 8;
    const qsizetype slash = next.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : next.left(std::max<qsizetype>(slash, 1));
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype room = (longest > 0 ? longest : NAME_MAX) - 1 - randomLength;
    const QByteArray name = next.mid(slash + 1);
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray ending(randomLength, '\0');
    for (char& letter : ending) {
        letter = letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
    }
    return next.left(slash + 1) + name.left(std::max<qsizetype>(room, 1)) + '.' + ending;
}

// A new file in the folder of next, with a name nobody else uses; -1 with errno on failure.
// The name is remembered before the file exists, so that no signal finds it unknown.
int uniqueBeside(const QByteArray& next, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = nameBeside(next);
        remember(name);
        const int descriptor =
            ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (descriptor >= 0) {
            return descriptor;
        }
        const int error = errno;
        forget(name);
        name.clear();
        errno = error;
        if (error != EEXIST) {
            return -1;
        }
    }
    return -1;
}

bool writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        done += written;
    }
    return true;
}

// Writes bytes to a new file beside real, with the mode the file is to have; its name in
// temporary. False with errno set on failure, leaving nothing behind.
bool writeBeside(const QByteArray& real, const QByteArray& bytes, mode_t mode,
                 QByteArray& temporary)
{
    const int descriptor = uniqueBeside(real, temporary);
    if (descriptor < 0) {
        return false;
    }
    // The data reach the disk before the name does, so a crash leaves the old file or the new.
    const bool ok =
        ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int error = errno;
    if (::close(descriptor) != 0 || !ok) {
        const int closeError = errno;
        forget(temporary);
        ::unlink(temporary.constData());
        temporary.clear();
        errno = ok ? closeError : error;
        return false;
    }
    return true;
}

// Keeps the earlier file under a second name: a hard link where the system allows one, else
// a copy.
bool keepEarlier(Pending& p)
{
    QByteArray name;
    int descriptor = uniqueBeside(p.real, name);
    if (descriptor < 0) {
        return false;
    }
    // The name stays remembered while the earlier file is linked under it.
    ::close(descriptor);
    ::unlink(name.constData());
    if (::link(p.real.constData(), name.constData()) == 0) {
        p.backup = name;
        return true;
    }
    forget(name);
    const int source = ::open(p.real.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        return false;
    }
    QByteArray bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(source, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(source);
            errno = error;
            return false;
        }
        bytes.append(buffer, got);
    }
    ::close(source);
    return writeBeside(p.real, bytes, p.mode, p.backup);
}

void removeLeftovers(std::vector<Pending>& pending)
{
    for (Pending& p : pending) {
        for (QByteArray* name : {&p.temporary, &p.backup}) {
            if (!name->isEmpty()) {
                forget(*name);
                ::unlink(name->constData());
                name->clear();
            }
        }
    }
}

// Puts back the earlier files of those already replaced.
void rollBack(std::vector<Pending>& pending)
{
    for (Pending& p : pending) {
        if (!p.replaced) {
            continue;
        }
        forget(p.backup);
        if (p.existed && ::rename(p.backup.constData(), p.real.constData()) == 0) {
            p.backup.clear();
        } else if (!p.existed) {
            ::unlink(p.real.constData());
        }
    }
    removeLeftovers(pending);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString reasonFor(FileTargetProblem problem)
{
    switch (problem) {
    case FileTargetProblem::DanglingLink:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "je to odkaz na soubor, který neexistuje");
    case FileTargetProblem::NotRegular:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles",
                                           "není to obyčejný soubor (je to třeba složka nebo "
                                           "zařízení), a tak se nepřepisuje");
    case FileTargetProblem::WriteProtected:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles",
                                           "je chráněný proti zápisu, a tak se nepřepisuje");
    }
    return {};
}

// Why the files cannot be written at all, before anything is touched.
std::optional<QString> refusal(std::vector<Pending>& pending)
{
    for (std::size_t i = 0; i < pending.size(); ++i) {
        Pending& p = pending[i];
        const QString& path = p.file->path;
        if (p.file->bytes.isEmpty()) {
            //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
            return failure(path, QCoreApplication::translate(
                                     "WholeFiles", "jeho obsah se nepodařilo vytvořit, nejspíš pro "
                                                   "nedostatek paměti"));
        }
        const QByteArray native = nativeFileName(path);
        if (const auto problem = fileTargetProblem(native)) {
            return failure(path, reasonFor(*problem));
        }
        struct stat target
        {};
        p.existed = ::stat(native.constData(), &target) == 0;
        p.real = realPath(native);
        p.mode = p.existed ? (target.st_mode & 07777) : newFileMode();
        for (std::size_t j = 0; j < i; ++j) {
            struct stat earlier
            {};
            const bool same = pending[j].real == p.real ||
                              (p.existed && ::stat(pending[j].real.constData(), &earlier) == 0 &&
                               earlier.st_dev == target.st_dev && earlier.st_ino == target.st_ino);
            if (same) {
                //: Two of the files to be saved at once name one file; %1 and %2 are their names.
                return QCoreApplication::translate(
                           "WholeFiles",
                           "Soubory „%1“ a „%2“ jsou jeden a týž soubor; nic se neuložilo.")
                    .arg(shown(pending[j].file->path), shown(path));
            }
        }
    }
    return std::nullopt;
}
} // namespace

QString whyNotWritten(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "disk je plný");
    case EACCES:
    case EPERM:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "k zápisu chybí oprávnění");
    case ENOENT:
    case ENOTDIR:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "taková složka neexistuje");
    case EROFS:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "disk je jen pro čtení");
    case EFBIG:
        //: Why, after "Soubor „%1“ se nepodařilo uložit: …".
        return QCoreApplication::translate("WholeFiles", "soubor by byl příliš velký");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

std::optional<QString> writeWhole(const std::vector<FileToWrite>& files)
{
    std::vector<Pending> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        pending[i].file = &files[i];
    }
    if (const auto refused = refusal(pending)) {
        return refused;
    }
    const LeftoversRemovedOnSignal removedOnSignal;
    for (Pending& p : pending) {
        if (!writeBeside(p.real, p.file->bytes, p.mode, p.temporary) ||
            (p.existed && !keepEarlier(p))) {
            const QString message = failure(p.file->path, whyNotWritten(errno));
            removeLeftovers(pending);
            return message;
        }
    }
    // Only now do the real files change, each in one step; a later one that cannot be replaced
    // puts the earlier ones back.
    for (Pending& p : pending) {
        if (::rename(p.temporary.constData(), p.real.constData()) != 0) {
            const QString message = failure(p.file->path, whyNotWritten(errno));
            rollBack(pending);
            return message;
        }
        forget(p.temporary);
        p.temporary.clear();
        p.replaced = true;
    }
    removeLeftovers(pending);
    return std::nullopt;
}
