// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScriptStore.h"

#include "engine/Package.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <algorithm>
#include <filesystem>

namespace taxilo {

namespace {

void Report(const ProgressCallback& progress, int code, int argument)
{
    if (progress)
        progress(code, argument);
}

// Posts 203 however loading ends, as the main window's waiting window expects.
struct DoneReport {
    const ProgressCallback& progress;
    ~DoneReport() { Report(progress, 203, 0); }
};

} // namespace

std::string ScriptStore::KeyOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + Cp1250::UpperAscii(std::string_view(path).substr(nameStart));
}

void ScriptStore::LoadScripts(const std::string& baseDir, const ProgressCallback& progress)
{
    auto scripts = std::make_shared<TAssocArray>();
    scripts_ = scripts;
    const std::string packagePath = baseDir + "scripts.pak";
    if (!FileExists(packagePath)) {
        LoadLooseFiles(baseDir, *scripts);
        return;
    }
    Report(progress, 200, 0);
    DoneReport done{progress};
    const std::string bytes = ReadFileBytes(packagePath);
    const auto dir = ReadPackageDirectory(bytes, packagePath);
    if (!dir)
        return;
    Report(progress, 201, static_cast<int>(dir->Entries.size()));
    const std::string prefix = baseDir + "Dane/";
    int number = 0;
    for (const auto& entry : dir->Entries) {
        Report(progress, 202, ++number);
        const std::string_view contents(bytes.data() + entry.Offset, static_cast<size_t>(entry.Size));
        scripts->Put(Value::MakeText(prefix + Cp1250::UpperAscii(entry.Name)),
                     Value::MakeText(NormalizeLineEnds(contents)));
    }
}

void ScriptStore::LoadLooseFiles(const std::string& baseDir, TAssocArray& scripts)
{
    namespace fs = std::filesystem;
    const std::string folder = baseDir + "Dane/";
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(".pit") == std::string::npos || name == "opp.pit" || name == "us.pit")
            continue;
        if (!it->is_regular_file(ec))
            continue; // a folder named like a script is not one
        names.push_back(name);
    }
    std::sort(names.begin(), names.end()); // the same result on every file system
    for (const auto& name : names)
        scripts.Put(Value::MakeText(folder + Cp1250::UpperAscii(name)),
                    Value::MakeText(JoinLinesCrLf(ReadTextLines(folder + name))));
}

void ScriptStore::LoadPatterns(const std::string& baseDir, const ProgressCallback& progress)
{
    patterns_.reset();
    const std::string path = baseDir + "patterns.pak";
    if (!FileExists(path))
        return;
    Report(progress, 200, 0);
    DoneReport done{progress};
    Report(progress, 201, 2);
    Report(progress, 202, 1);
    patterns_ = std::make_shared<const std::string>(ReadFileBytes(path));
}

void ScriptStore::ShareFrom(const ScriptStore& loaded)
{
    scripts_ = loaded.scripts_;
    patterns_ = loaded.patterns_;
}

std::vector<std::string> ScriptStore::FetchScript(const std::string& path) const
{
    // The package's text is read in place: a page or script can be fetched many times a walk.
    const Value* text = scripts_->Find(KeyOf(path));
    std::vector<std::string> lines = text ? SplitLines(text->TextValue()) : ReadTextLines(path);
    if (lines.empty())
        throw ListIndexError(ListIndexMessage(0));
    ApplyMarkerRule(lines);
    return lines;
}

} // namespace taxilo
