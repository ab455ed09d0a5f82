#include "core/model/SafeFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace gorlin {

namespace fs = std::filesystem;

namespace {

/// Whether the permission bits let no one write the file. The bits decide, not access(): a
/// privileged user may write anything.
bool NoOneMayWrite(const struct stat& st) {
    return (st.st_mode & 0222) == 0;
}

constexpr std::size_t kCopyBlock = 1u << 16;
constexpr int kMaxLinkDepth = 40;

std::string Quoted(const fs::path& path) {
    return path.string();
}

constexpr int kNameAttempts = 16;

/// A name no other save uses at the same time, short enough for any folder, and not one a
/// planted link could wait at: the process number and 64 random bits.
fs::path UniqueTempName(const fs::path& folder) {
    static std::mt19937_64 random{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    char name[64];
    std::snprintf(name, sizeof name, ".gorlin-%ld-%016llx.tmp", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(random()));
    return folder / name;
}

/// Removes the named temporaries that saves of processes no longer running left behind (a save
/// killed between naming its file and renaming it), so they never pile up.
void RemoveStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        long pid = 0;
        unsigned long long n = 0;
        char tail[8] = {};
        if (std::sscanf(name.c_str(), ".gorlin-%ld-%llx.%4s", &pid, &n, tail) != 3 ||
            std::string_view(tail) != "tmp")
            continue;
        if (pid > 0 && pid != static_cast<long>(::getpid()) && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
            errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool WriteAll(int fd, const void* data, std::size_t size, int& error) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string SystemErrorText(int error) {
    return std::generic_category().message(error);
}

// ---------------------------------------------------------------------------------------------

Expected<InFile> InFile::Open(const fs::path& path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Error{SystemErrorText(errno)};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return Error{SystemErrorText(error)};
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Error{kNotRegularFile};
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return InFile(fd, static_cast<std::uint64_t>(st.st_size), NoOneMayWrite(st));
}

InFile::InFile(InFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_size(other.m_size), m_readOnly(other.m_readOnly) {}

InFile& InFile::operator=(InFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_size = other.m_size;
        m_readOnly = other.m_readOnly;
    }
    return *this;
}

InFile::~InFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

Expected<std::size_t> InFile::Read(void* dest, std::size_t n) {
    for (;;) {
        const ssize_t got = ::read(m_fd, dest, n);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return Error{SystemErrorText(errno)};
    }
}

bool InFile::ReadExact(void* dest, std::size_t n) {
    char* p = static_cast<char*>(dest);
    while (n > 0) {
        const Expected<std::size_t> got = Read(p, n);
        if (!got || *got == 0)
            return false;
        p += *got;
        n -= *got;
    }
    return true;
}

Expected<std::string> ReadWholeFile(const fs::path& path, std::uint64_t maxSize) {
    Expected<InFile> in = InFile::Open(path);
    if (!in)
        return Error{"could not be opened: " + in.error().Message};
    if (in->Size() > maxSize)
        return Error{"is too large"};
    std::string text(static_cast<std::size_t>(in->Size()), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            // The file grew since it was opened: read on, within the limit.
            if (text.size() >= maxSize) {
                char probe = 0;
                const Expected<std::size_t> more = in->Read(&probe, 1);
                if (more && *more == 0)
                    break;
                return Error{"is too large"};
            }
            text.resize(static_cast<std::size_t>(std::min<std::uint64_t>(maxSize, text.size() * 2 + 4096)));
        }
        const Expected<std::size_t> got = in->Read(text.data() + used, text.size() - used);
        if (!got)
            return Error{"could not be read: " + got.error().Message};
        if (*got == 0)
            break;
        used += *got;
    }
    text.resize(used);
    return text;
}

// ---------------------------------------------------------------------------------------------

Expected<ReplaceTarget> InspectReplaceTarget(const fs::path& path) {
    ReplaceTarget target;
    fs::path file = path;
    // Follow the chain of links to the file that is really replaced.
    for (int depth = 0;; ++depth) {
        struct stat lst {};
        if (::lstat(file.c_str(), &lst) != 0) {
            if (errno != ENOENT)
                return Error{Quoted(path) + " could not be opened: " + SystemErrorText(errno)};
            target.File = file;
            const mode_t mask = ::umask(0);
            ::umask(mask);
            target.Mode = 0666u & ~static_cast<unsigned>(mask);
            return target;
        }
        if (!S_ISLNK(lst.st_mode))
            break;
        if (depth == kMaxLinkDepth)
            return Error{Quoted(path) + " could not be opened: " + SystemErrorText(ELOOP)};
        std::error_code ec;
        const fs::path link = fs::read_symlink(file, ec);
        if (ec)
            return Error{Quoted(path) + " could not be opened: " + ec.message()};
        file = link.is_absolute() ? link : FolderOf(file) / link;
    }
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return Error{Quoted(path) + " could not be opened: " + SystemErrorText(errno)};
    if (!S_ISREG(st.st_mode))
        return Error{Quoted(path) + " " + kNotRegularFile};
    if (NoOneMayWrite(st))
        return Error{Quoted(path) + " " + kReadOnlyFile};
    target.File = file;
    target.Exists = true;
    target.Mode = static_cast<unsigned>(st.st_mode & 07777);
    return target;
}

Expected<AtomicFile> AtomicFile::Create(const fs::path& path) {
    Expected<ReplaceTarget> target = InspectReplaceTarget(path);
    if (!target)
        return target.error();
    return Create(*target);
}

Expected<AtomicFile> AtomicFile::Create(const ReplaceTarget& target) {
    AtomicFile file;
    file.m_target = target.File;
    const fs::path folder = FolderOf(target.File);
    RemoveStaleTemporaries(folder);
#ifdef O_TMPFILE
    // An anonymous file: nothing is left behind if the program is killed while writing.
    file.m_fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (file.m_fd >= 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(file.m_fd);
        if (::access(self.c_str(), F_OK) == 0) {
            file.m_anonymous = true;
        } else {
            ::close(file.m_fd);
            file.m_fd = -1;
        }
    }
#endif
    for (int attempt = 0; file.m_fd < 0; ++attempt) {
        // Created exclusively: an existing name, a planted link among them, is never opened.
        file.m_tempName = UniqueTempName(folder);
        file.m_fd =
            ::open(file.m_tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (file.m_fd < 0 && (errno != EEXIST || attempt + 1 == kNameAttempts)) {
            const int error = errno;
            file.m_tempName.clear();
            return Error{"Could not write " + Quoted(target.File) + ": " + SystemErrorText(error)};
        }
    }
    if (::fchmod(file.m_fd, static_cast<mode_t>(target.Mode)) != 0) {
        const int error = errno;
        file.Discard();
        return Error{"Could not write " + Quoted(target.File) + ": " + SystemErrorText(error)};
    }
    return file;
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : m_target(std::move(other.m_target)), m_tempName(std::move(other.m_tempName)),
      m_fd(std::exchange(other.m_fd, -1)), m_anonymous(other.m_anonymous), m_finished(other.m_finished),
      m_committed(std::exchange(other.m_committed, true)) {
    other.m_tempName.clear();
}

AtomicFile::~AtomicFile() {
    if (!m_committed)
        Discard();
}

void AtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempName.empty()) {
        ::unlink(m_tempName.c_str());
        m_tempName.clear();
    }
}

Status AtomicFile::Fail(const std::string& what, int error) {
    Discard();
    m_committed = true; // nothing left to discard
    return Status::Failure(what + " " + Quoted(m_target) + ": " + SystemErrorText(error != 0 ? error : EIO));
}

Status AtomicFile::Write(const void* data, std::size_t size) {
    if (m_fd < 0 || m_finished)
        return Status::Failure("Could not write " + Quoted(m_target));
    int error = 0;
    if (!WriteAll(m_fd, data, size, error))
        return Fail("Could not write", error);
    return Status::Success();
}

Status AtomicFile::CopyFrom(const fs::path& source) {
    Expected<InFile> in = InFile::Open(source);
    if (!in) {
        Discard();
        m_committed = true;
        return Status::Failure("Could not read " + Quoted(source) + ": " + in.error().Message);
    }
    std::string block(kCopyBlock, '\0');
    for (;;) {
        const Expected<std::size_t> got = in->Read(block.data(), block.size());
        if (!got) {
            Discard();
            m_committed = true;
            return Status::Failure("Could not read " + Quoted(source) + ": " + got.error().Message);
        }
        if (*got == 0)
            return Status::Success();
        if (Status st = Write(block.data(), *got); !st)
            return st;
    }
}

Status AtomicFile::Finish() {
    if (m_finished)
        return Status::Success();
    if (m_fd < 0)
        return Status::Failure("Could not write " + Quoted(m_target));
    if (::fsync(m_fd) != 0)
        return Fail("Could not write", errno);
    m_finished = true;
    return Status::Success();
}

Status AtomicFile::Commit() {
    if (Status st = Finish(); !st)
        return st;
    if (m_committed || m_fd < 0)
        return Status::Failure("Could not write " + Quoted(m_target));
    if (m_anonymous) {
        // Named only now, so a save killed at any point leaves at most one named temporary.
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; m_tempName.empty(); ++attempt) {
            // linkat never replaces an existing name, a planted link among them.
            const fs::path name = UniqueTempName(FolderOf(m_target));
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                m_tempName = name;
            else if (errno != EEXIST || attempt + 1 == kNameAttempts)
                return Fail("Could not write", errno);
        }
    }
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        return Fail("Could not write", errno);
    if (::rename(m_tempName.c_str(), m_target.c_str()) != 0)
        return Fail("Could not replace", errno);
    m_tempName.clear();
    m_committed = true;
    SyncFolder(FolderOf(m_target));
    return Status::Success();
}

Status WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    Expected<AtomicFile> file = AtomicFile::Create(path);
    if (!file)
        return Status::Failure(file.error().Message);
    if (Status st = file->Write(bytes); !st)
        return st;
    return file->Commit();
}

} // namespace gorlin
