#include "core/model/LeagueFile.h"

#include "core/model/LeagueLayout.h"
#include "core/model/SafeFile.h"

#include <cstring>
#include <system_error>

namespace gorlin {

namespace {

/// Reads straight from the file into the records, so a large league is not held twice.
class FileSource final : public ByteSource {
public:
    FileSource(InFile& file, std::size_t size) : m_file(file), m_left(size) {}
    std::size_t Left() const override { return m_left; }
    bool Read(void* dest, std::size_t n) override {
        if (n > m_left || !m_file.ReadExact(dest, n))
            return false;
        m_left -= n;
        return true;
    }

private:
    InFile& m_file;
    std::size_t m_left;
};

bool SamePlace(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return a.lexically_normal() == b.lexically_normal();
}

} // namespace

bool SignatureIntact(const League& league) {
    return league.Head.Signature.view() == kLeagueSignature;
}

HeaderInfo VerifyDivFile(const std::filesystem::path& path) {
    HeaderInfo info;
    Expected<InFile> file = InFile::Open(path);
    if (!file) {
        info.Reason = file.error().Message;
        return info;
    }
    if (file->ReadOnly()) { // a league that could not be saved is not listed
        info.Reason = kReadOnlyFile;
        return info;
    }
    u8 raw[sizeof(DivHead)] = {};
    std::size_t n = 0;
    while (n < sizeof raw) {
        const Expected<std::size_t> got = file->Read(raw + n, sizeof raw - n);
        if (!got) {
            info.Reason = got.error().Message;
            return info;
        }
        if (*got == 0)
            break;
        n += *got;
    }
    info.Result = HeaderCheck::NotCompatible;
    if (CheckSignature(raw, n))
        return info;
    // The check reads a full-size header: anything shorter is not a league file it lists, even
    // an old file that would load (no real league is that small).
    const int version = raw[6];
    if (n < sizeof raw)
        return info;
    DivHead head{};
    std::memcpy(static_cast<void*>(&head), raw, StoredHeaderSize(version));
    info.Result = HeaderCheck::Ok;
    info.Version = version;
    info.TableName = head.TableName.str();
    return info;
}

Expected<League> LoadLeague(const std::filesystem::path& path) {
    Expected<InFile> file = InFile::Open(path);
    if (!file)
        return Error{"Could not open " + path.string() + ": " + file.error().Message};
    if (file->Size() > kMaxLeagueFileSize)
        return Error{path.string() + " is too large to be a league file"};
    FileSource in(*file, static_cast<std::size_t>(file->Size()));
    return DecodeFrom(in);
}

std::filesystem::path BackupPath(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    if (name.size() >= 3)
        name.replace(name.size() - 3, 3, "bak");
    else
        name += ".bak";
    return path.parent_path() / name;
}

Status SaveLeague(League& league, const std::filesystem::path& path, const SaveOptions& options,
                  SaveReport* report) {
    if (!SignatureIntact(league))
        return Status::Failure(kInternalErrorText);

    Expected<ReplaceTarget> target = InspectReplaceTarget(path);
    if (!target)
        return Status::Failure(target.error().Message);

    const u8 oldSelCount = league.Head.TeamSelCount;
    const std::vector<std::uint8_t> bytes = EncodeLeague(league, options.FullLayout);
    const int version = bytes[6];
    auto fail = [&](const std::string& message) {
        league.Head.TeamSelCount = oldSelCount;
        return Status::Failure(message);
    };

    // Both new files are written and flushed before either is renamed into place, so a failure
    // leaves the league file and its backup as they were. The backup replaces the entry at its
    // name (a link there is replaced, not followed).
    const std::filesystem::path backup = BackupPath(path);
    std::optional<AtomicFile> backupFile;
    const bool skipBackup = options.TakeBackup && target->Exists && SamePlace(backup, path);
    if (options.TakeBackup && target->Exists && !skipBackup) {
        Expected<AtomicFile> created = AtomicFile::Create(ReplaceTarget{backup, false, target->Mode});
        if (!created)
            return fail(created.error().Message);
        backupFile.emplace(std::move(*created));
        if (Status st = backupFile->CopyFrom(target->File); !st)
            return fail(st.Message);
        if (Status st = backupFile->Finish(); !st)
            return fail(st.Message);
    }

    Expected<AtomicFile> file = AtomicFile::Create(*target);
    if (!file)
        return fail(file.error().Message);
    if (Status st = file->Write(bytes.data(), bytes.size()); !st)
        return fail(st.Message);
    if (Status st = file->Finish(); !st)
        return fail(st.Message);
    if (backupFile)
        if (Status st = backupFile->Commit(); !st)
            return fail(st.Message);
    if (Status st = file->Commit(); !st)
        return fail(st.Message);

    league.DataChanged = false;
    league.LoadedVersion = static_cast<u16>(version);
    if (report != nullptr)
        report->BackupSkipped = skipBackup;
    return Status::Success();
}

} // namespace gorlin
