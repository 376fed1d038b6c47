#include "ui/DataRoot.h"

#include <fstream>
#include <string>

namespace deedwell::ui {

namespace fs = std::filesystem;

namespace {

constexpr const char* kListingFolder = "realestate";

bool IsExecutableFile(const fs::directory_entry& entry) {
    std::error_code ec;
    const auto perms = entry.status(ec).permissions();
    return !ec && (perms & fs::perms::owner_exec) != fs::perms::none;
}

bool CopyEntry(const fs::directory_entry& entry, const fs::path& to) {
    std::error_code ec;
    if (entry.is_directory(ec)) {
        fs::copy(entry.path(), to,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    } else if (entry.is_regular_file(ec) && !IsExecutableFile(entry)) {
        fs::copy_file(entry.path(), to, fs::copy_options::overwrite_existing, ec);
    }
    return !ec;
}

}  // namespace

bool HoldsGameData(const fs::path& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir / kListingFolder, ec);
}

bool IsWritableDir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    const fs::path probe = dir / ".deedwell-write-probe";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
        out << "probe";
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

bool FillUserData(const fs::path& source, const fs::path& target) {
    if (HoldsGameData(target)) return true;
    if (!HoldsGameData(source)) return false;
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) return false;

    bool ok = true;
    for (const auto& entry : fs::directory_iterator(source, ec)) {
        if (entry.path().filename() == kListingFolder) continue;
        ok = CopyEntry(entry, target / entry.path().filename()) && ok;
    }
    if (ec || !ok) return false;

    // The listing folder marks a complete copy, so it arrives last and whole.
    const fs::path incoming = target / (std::string(kListingFolder) + ".incoming");
    fs::remove_all(incoming, ec);
    fs::copy(source / kListingFolder, incoming, fs::copy_options::recursive, ec);
    if (ec) return false;
    fs::rename(incoming, target / kListingFolder, ec);
    return !ec;
}

fs::path ChooseDataRoot(const DataRootPlaces& places,
                        const std::function<bool(const fs::path&)>& isWritable) {
    if (HoldsGameData(places.executableDir) && isWritable(places.executableDir)) {
        return places.executableDir;
    }
    const fs::path shipped =
        HoldsGameData(places.executableDir) ? places.executableDir : places.installedData;
    if (!places.userData.empty() && FillUserData(shipped, places.userData)) return places.userData;
    return HoldsGameData(shipped) ? shipped : places.executableDir;
}

}  // namespace deedwell::ui
