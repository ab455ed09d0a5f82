#include "platform/os/ExampleLeagues.h"

#include "core/model/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

namespace gorlin {

namespace fs = std::filesystem;

namespace {

bool IsLeagueName(const fs::path& name) {
    std::string ext = name.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return ext == ".DIV";
}

Status FolderProblem(const fs::path& folder, const std::error_code& ec) {
    return Status::Failure(folder.string() + " could not be read: " + ec.message());
}

} // namespace

Status CopyExampleLeagues(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    std::vector<fs::path> leagues;
    fs::directory_iterator it(from, ec);
    if (ec)
        return FolderProblem(from, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError; // an entry that vanished or cannot be looked at is left out
        if (IsLeagueName(it->path().filename()) && it->is_regular_file(typeError))
            leagues.push_back(it->path());
    }
    if (ec)
        return FolderProblem(from, ec);
    std::sort(leagues.begin(), leagues.end());

    fs::create_directories(to, ec);
    if (ec)
        return Status::Failure(to.string() + " could not be created: " + ec.message());
    for (const fs::path& league : leagues) {
        const fs::path copy = to / league.filename();
        const fs::file_type there = fs::symlink_status(copy, ec).type();
        if (there == fs::file_type::none)
            return Status::Failure(copy.string() + " could not be looked at: " + ec.message());
        if (there != fs::file_type::not_found)
            continue; // an earlier copy, or something else of that name: never replaced
        Expected<AtomicFile> file = AtomicFile::Create(copy);
        if (!file)
            return Status::Failure(file.error().Message);
        if (Status st = file->CopyFrom(league); !st)
            return st;
        if (Status st = file->Commit(); !st)
            return st;
    }
    return Status::Success();
}

} // namespace gorlin
