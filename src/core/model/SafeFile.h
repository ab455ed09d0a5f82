#pragma once

#include "core/model/Expected.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace gorlin {

/// The reason given for anything that is not a regular file.
inline constexpr const char* kNotRegularFile = "is not a regular file";
/// Why a file whose permission bits allow no one to write it is not replaced or listed.
inline constexpr const char* kReadOnlyFile = "is read-only";

/// A file opened for reading that is known to be a regular file: special files (FIFOs,
/// devices, sockets) and folders are refused before a byte is read, so a reader never blocks
/// on them. Closed by the destructor.
class InFile {
public:
    /// Opens without blocking, checks the file's type, then reads normally. The error is the
    /// system's reason, or kNotRegularFile.
    static Expected<InFile> Open(const std::filesystem::path& path);

    InFile(InFile&& other) noexcept;
    InFile& operator=(InFile&& other) noexcept;
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;
    ~InFile();

    /// Size when opened.
    std::uint64_t Size() const { return m_size; }
    /// Whether the permission bits allow no one to write the file (not access(): a privileged
    /// user may write anything).
    bool ReadOnly() const { return m_readOnly; }
    /// Reads up to n bytes; the count read (0 at the end), or an error.
    Expected<std::size_t> Read(void* dest, std::size_t n);
    /// Reads exactly n bytes; false when the file ends first or cannot be read.
    bool ReadExact(void* dest, std::size_t n);

private:
    InFile(int fd, std::uint64_t size, bool readOnly) : m_fd(fd), m_size(size), m_readOnly(readOnly) {}
    int m_fd = -1;
    std::uint64_t m_size = 0;
    bool m_readOnly = false;
};

/// Reads a whole regular file of at most maxSize bytes. The error reads on from the file's
/// name: "could not be opened: REASON", "is too large", "could not be read: REASON".
Expected<std::string> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxSize);

/// What replacing a file found at its path.
struct ReplaceTarget {
    /// The file that is replaced: the path itself, or the end of its chain of symbolic links,
    /// so a league reached through a link stays a link.
    std::filesystem::path File;
    bool Exists = false;
    /// Permission bits the new file gets: the old file's, else the default for new files.
    unsigned Mode = 0666;
};

/// Looks at the file a write to `path` would replace. Refused: a path that is not a regular
/// file (a folder, a FIFO, a device), and an existing file without write permission ("is
/// read-only").
Expected<ReplaceTarget> InspectReplaceTarget(const std::filesystem::path& path);

/// One file written whole and then put in place of its target in one step. The bytes go to an
/// anonymous or exclusively created temporary file in the target's folder (never following a
/// link planted there), are flushed to the disk, and only Commit renames them over the target
/// and flushes the folder. Anything that fails, or a destructor without Commit, leaves the
/// target as it was and removes the temporary file. Errors name the file and the system's
/// reason.
class AtomicFile {
public:
    static Expected<AtomicFile> Create(const ReplaceTarget& target);
    /// For a path whose target has not been inspected yet (settings, exports).
    static Expected<AtomicFile> Create(const std::filesystem::path& path);

    AtomicFile(AtomicFile&& other) noexcept;
    AtomicFile& operator=(AtomicFile&& other) = delete;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    Status Write(const void* data, std::size_t size);
    Status Write(std::string_view text) { return Write(text.data(), text.size()); }
    /// Appends a whole regular file, a block at a time.
    Status CopyFrom(const std::filesystem::path& source);
    /// Flushes the bytes to the disk: after this nothing is left to fail for lack of room.
    Status Finish();
    /// Finishes when not done yet, puts the file in place of its target (naming an anonymous
    /// file first) and flushes the folder.
    Status Commit();

    const std::filesystem::path& Target() const { return m_target; }

private:
    AtomicFile() = default;
    Status Fail(const std::string& what, int error);
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_tempName; // empty until the file has a name
    int m_fd = -1;
    bool m_anonymous = false;
    bool m_finished = false;
    bool m_committed = false;
};

/// Writes text as the whole new contents of path through an AtomicFile.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

/// The system's text for an error number ("No space left on device").
std::string SystemErrorText(int error);

} // namespace gorlin
