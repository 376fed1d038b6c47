#pragma once
// Where the program directory is: the one folder whose listings, rentals,
// pictures and record files the game reads and writes.
//
// A game run from its build folder (or unpacked somewhere the player may
// write) uses the folder of its executable. An installed game cannot write
// there, so it uses the player's own data folder instead, filled on the first
// start with a copy of the data that came with the game.

#include <filesystem>
#include <functional>

namespace deedwell::ui {

// True when `dir` holds the game's data: its listing folder realestate/.
bool HoldsGameData(const std::filesystem::path& dir);

// True when a file can be created (and removed again) in `dir`.
bool IsWritableDir(const std::filesystem::path& dir);

struct DataRootPlaces {
    std::filesystem::path executableDir;  // the folder of the running program
    std::filesystem::path installedData;  // the shipped data of an installed game
    std::filesystem::path userData;       // the player's own data folder
};

// Copies the game's data from `source` into `target` unless `target` already
// holds it. The listing folder is copied last, under a temporary name that is
// renamed at the end, so an interrupted copy is simply done again next time.
// Executable files (the program itself) are not copied.
bool FillUserData(const std::filesystem::path& source, const std::filesystem::path& target);

// The program directory for these places (see the top of this file). When the
// player's folder cannot be filled, the shipped data is used as it is: the
// game still runs, and only its writes are lost.
std::filesystem::path ChooseDataRoot(
    const DataRootPlaces& places,
    const std::function<bool(const std::filesystem::path&)>& isWritable = IsWritableDir);

}  // namespace deedwell::ui
