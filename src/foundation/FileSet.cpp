// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/FileSet.h"

#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace taxilo {

FileSet::~FileSet()
{
    Discard();
}

void FileSet::Discard()
{
    for (const Entry& entry : entries_)
        if (!entry.Temp.empty())
            std::remove(entry.Temp.c_str());
    entries_.clear();
}

namespace {

// Temporary files and backups of path left by a save that was killed: path + ".tmp" or ".old"
// followed by the number of a process that no longer runs.
void RemoveLeftovers(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target(path);
    const std::string name = target.filename().string();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (entry.size() <= name.size() + 4 || entry.compare(0, name.size(), name) != 0)
            continue;
        const std::string kind = entry.substr(name.size(), 4);
        const std::string digits = entry.substr(name.size() + 4);
        if ((kind != ".tmp" && kind != ".old") || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t owner = static_cast<pid_t>(std::stol(digits));
        if (owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            fs::remove(it->path(), error);
    }
}

} // namespace

void FileSet::Write(const std::string& path, std::string_view bytes)
{
    RemoveLeftovers(path);
    try {
        entries_.push_back({path, WriteTemporaryBeside(path, bytes)});
    } catch (...) {
        Discard();
        throw;
    }
}

void FileSet::Remove(const std::string& path)
{
    RemoveLeftovers(path);
    entries_.push_back({path, {}});
}

void FileSet::Commit()
{
    // A hard link keeps every replaced target's old content until the whole set is in place.
    struct Done {
        std::string Target, Backup;
        bool Existed;
    };
    std::vector<Done> done;
    auto putBack = [&done] {
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            if (!it->Backup.empty())
                std::rename(it->Backup.c_str(), it->Target.c_str());
            else if (!it->Existed)
                std::remove(it->Target.c_str());
        }
    };
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const bool existed = ::access(entry.Target.c_str(), F_OK) == 0;
        std::string backup = entry.Target + ".old" + std::to_string(::getpid());
        std::remove(backup.c_str());
        if (!existed || ::link(entry.Target.c_str(), backup.c_str()) != 0)
            backup.clear(); // nothing to keep, or a file system without links: no way back for it
        const bool ok = entry.Temp.empty() ? (!existed || std::remove(entry.Target.c_str()) == 0)
                                           : std::rename(entry.Temp.c_str(), entry.Target.c_str()) == 0;
        if (!ok) {
            if (!backup.empty())
                std::remove(backup.c_str());
            const std::string failed = entry.Target;
            putBack();
            Discard();
            throw EngineError(FileWriteMessage(failed));
        }
        if (entry.Temp.empty() && !existed)
            continue; // nothing was there to remove
        done.push_back({entry.Target, backup, existed});
    }
    for (const Done& d : done)
        if (!d.Backup.empty())
            std::remove(d.Backup.c_str());
    entries_.clear();
}

} // namespace taxilo
