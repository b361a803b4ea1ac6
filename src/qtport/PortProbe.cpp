#include "qtport/PortProbe.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarvex1 {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32

std::string ReadSmallFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::string content;
    char buffer[256];
    in.read(buffer, sizeof buffer);
    content.assign(buffer, static_cast<std::size_t>(in.gcount()));
    return content;
}

std::string ProcessName(int pid) {
    std::string name = ReadSmallFile("/proc/" + std::to_string(pid) + "/comm");
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    return name;
}

bool ProcessAlive(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

std::string Resolved(const std::string &device) {
    std::error_code error;
    const fs::path path = fs::canonical(device, error);
    return error ? std::string() : path.string();
}

// The lock file names for a device: "LCK..ttyUSB0" as UUCP programs write it, and Qt's name, which keeps
// the path below /dev with its slashes turned into underscores ("LCK..serial_by-id_usb-...").
std::vector<std::string> LockNames(const std::string &device, const std::string &resolved) {
    std::vector<std::string> names;
    const auto add = [&](std::string name) {
        if (name.empty())
            return;
        for (char &c : name)
            if (c == '/')
                c = '_';
        name = "LCK.." + name;
        for (const std::string &known : names)
            if (known == name)
                return;
        names.push_back(name);
    };
    for (const std::string *path : {&resolved, &device}) {
        if (path->empty())
            continue;
        add(fs::path(*path).filename().string());
        add(path->rfind("/dev/", 0) == 0 ? path->substr(5) : *path);
    }
    return names;
}

std::optional<PortLock> LockFileHolder(const std::string &device, const std::string &resolved,
                                       const std::vector<std::string> &lockFolders) {
    const auto names = LockNames(device, resolved);
    for (const std::string &folder : lockFolders)
        for (const std::string &name : names) {
            const fs::path path = fs::path(folder) / name;
            std::error_code error;
            if (!fs::is_regular_file(path, error))
                continue;
            const auto owner = ParseLockFile(ReadSmallFile(path));
            // A stale lock (its program is gone) and our own do not count.
            if (!owner || owner->pid == ::getpid() || !ProcessAlive(owner->pid))
                continue;
            return PortLock{PortLock::Kind::LockFile, owner->pid,
                            owner->program.empty() ? ProcessName(owner->pid) : owner->program};
        }
    return std::nullopt;
}

// The first other process that has the device open.
PortLock ExclusiveHolder(const std::string &resolved) {
    PortLock lock{PortLock::Kind::Exclusive, 0, {}};
    std::error_code error;
    for (fs::directory_iterator proc("/proc", error), end; !error && proc != end; proc.increment(error)) {
        const std::string pidText = proc->path().filename().string();
        if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int pid = std::atoi(pidText.c_str());
        if (pid == ::getpid())
            continue;
        std::error_code fdError;
        for (fs::directory_iterator fd(proc->path() / "fd", fdError), fdEnd; !fdError && fd != fdEnd;
             fd.increment(fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd->path(), linkError).string() == resolved && !linkError) {
                lock.pid = pid;
                lock.program = ProcessName(pid);
                return lock;
            }
        }
    }
    return lock;
}

std::string UserName() {
    if (const passwd *entry = ::getpwuid(::geteuid()))
        return entry->pw_name;
    const char *user = std::getenv("USER");
    return user ? user : "";
}

std::string GroupOf(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    if (const group *entry = ::getgrgid(info.st_gid))
        return entry->gr_name;
    return std::to_string(info.st_gid);
}

// Opens the device for a moment, without becoming its controlling terminal and without waiting for
// the modem lines. Returns the error of the open (0 when it opened) and whether another program has
// put the device into exclusive mode.
int ProbeOpen(const std::string &path, bool &exclusive) {
    exclusive = false;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        exclusive = error == EBUSY;
        return error;
    }
#ifdef TIOCGEXCL
    int flag = 0;
    if (::ioctl(fd, TIOCGEXCL, &flag) == 0)
        exclusive = flag != 0;
#endif
    ::close(fd);
    return 0;
}

#endif

} // namespace

std::vector<std::string> DefaultLockFolders() {
#ifdef _WIN32
    return {};
#else
    std::vector<std::string> folders = {"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
                                        "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
    if (const char *tmp = std::getenv("TMPDIR"); tmp && *tmp)
        folders.emplace_back(tmp);
    return folders;
#endif
}

PortLock ProbeLock(const std::string &device, const std::vector<std::string> &lockFolders) {
#ifdef _WIN32
    (void)device;
    (void)lockFolders;
    return {};
#else
    const std::string resolved = Resolved(device);
    if (auto lock = LockFileHolder(device, resolved, lockFolders))
        return *lock;
    if (resolved.empty())
        return {};
    bool exclusive = false;
    ProbeOpen(resolved, exclusive);
    return exclusive ? PortLock{PortLock::Kind::Exclusive, 0, {}} : PortLock{};
#endif
}

PortOpenFailure ProbeOpenFailure(const std::string &device, int fallbackError, const std::string &systemText,
                                 const std::vector<std::string> &lockFolders) {
    PortOpenFailure failure;
    failure.device = device;
    failure.systemText = systemText;
#ifdef _WIN32
    (void)lockFolders;
    failure.resolvedDevice = device;
    failure.errorNumber = fallbackError;
#else
    (void)fallbackError; // the fresh open below tells more
    failure.user = UserName();
    failure.resolvedDevice = Resolved(device);
    if (failure.resolvedDevice.empty()) {
        failure.errorNumber = ENOENT; // the name leads nowhere: the adapter is not there
        return failure;
    }
    failure.group = GroupOf(failure.resolvedDevice);
    if (auto lock = LockFileHolder(device, failure.resolvedDevice, lockFolders))
        failure.lock = *lock;
    bool exclusive = false;
    failure.errorNumber = ProbeOpen(failure.resolvedDevice, exclusive);
    if (exclusive && !failure.lock.held())
        failure.lock = ExclusiveHolder(failure.resolvedDevice);
#endif
    return failure;
}

} // namespace zarvex1
