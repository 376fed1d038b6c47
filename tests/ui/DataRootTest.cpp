// Choosing the program directory: the build folder when it can be written,
// else the player's own folder filled from the shipped data.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "records/RecordFiles.h"
#include "support/Fakes.h"
#include "ui/DataRoot.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;
using ui::ChooseDataRoot;
using ui::DataRootPlaces;

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
    std::string content;
    ReadWholeFile(path, content);
    return content;
}

// A program folder as the build leaves it: the program and its data.
fs::path MakeProgramFolder(const fs::path& dir) {
    WriteFile(dir / "deedwell", "program");
    fs::permissions(dir / "deedwell", fs::perms::owner_exec, fs::perm_options::add);
    WriteFile(dir / "realestate" / "0.var", "|||PRICE|||90000\r\n");
    WriteFile(dir / "renthouses" / "1.var", "|||RENT|||350\r\n");
    WriteFile(dir / "pictures" / "splash.jpg", "jpeg");
    return dir;
}

const auto kWritable = [](const fs::path&) { return true; };
const auto kReadOnly = [](const fs::path&) { return false; };

TEST(DataRoot, AWritableProgramFolderWithDataIsUsedAsItIs) {
    TempDir temp;
    DataRootPlaces places{MakeProgramFolder(temp.Path() / "bin"), {}, temp.Path() / "user"};
    EXPECT_EQ(ChooseDataRoot(places, kWritable), places.executableDir);
    EXPECT_FALSE(fs::exists(places.userData));
}

TEST(DataRoot, AReadOnlyProgramFolderIsCopiedOnceIntoThePlayersFolder) {
    TempDir temp;
    DataRootPlaces places{MakeProgramFolder(temp.Path() / "bin"), {}, temp.Path() / "user"};

    EXPECT_EQ(ChooseDataRoot(places, kReadOnly), places.userData);
    EXPECT_EQ(ReadFile(places.userData / "realestate" / "0.var"), "|||PRICE|||90000\r\n");
    EXPECT_EQ(ReadFile(places.userData / "renthouses" / "1.var"), "|||RENT|||350\r\n");
    EXPECT_TRUE(fs::exists(places.userData / "pictures" / "splash.jpg"));
    EXPECT_FALSE(fs::exists(places.userData / "deedwell"));
    EXPECT_FALSE(fs::exists(places.userData / "realestate.incoming"));

    // The market the player's games have written is kept on the next start.
    WriteFile(places.userData / "realestate" / "0.var", "|||PRICE|||120000\r\n");
    EXPECT_EQ(ChooseDataRoot(places, kReadOnly), places.userData);
    EXPECT_EQ(ReadFile(places.userData / "realestate" / "0.var"), "|||PRICE|||120000\r\n");
}

TEST(DataRoot, AnInstalledGameTakesItsDataFromTheInstalledCopy) {
    TempDir temp;
    const fs::path bin = temp.Path() / "bin";
    WriteFile(bin / "deedwell", "program");
    DataRootPlaces places{bin, MakeProgramFolder(temp.Path() / "share"), temp.Path() / "user"};
    EXPECT_EQ(ChooseDataRoot(places, kWritable), places.userData);
    EXPECT_TRUE(fs::exists(places.userData / "realestate" / "0.var"));
}

TEST(DataRoot, WhenThePlayersFolderCannotBeMadeTheShippedDataIsUsed) {
    TempDir temp;
    WriteFile(temp.Path() / "blocked", "a file where a folder should be");
    DataRootPlaces places{
        MakeProgramFolder(temp.Path() / "bin"), {}, temp.Path() / "blocked" / "user"};
    EXPECT_EQ(ChooseDataRoot(places, kReadOnly), places.executableDir);
}

TEST(DataRoot, TheWritableProbeTellsFoldersFromMissingOnes) {
    TempDir temp;
    EXPECT_TRUE(ui::IsWritableDir(temp.Path()));
    EXPECT_FALSE(ui::IsWritableDir(temp.Path() / "missing"));
    EXPECT_TRUE(fs::is_empty(temp.Path()));  // the probe leaves nothing behind
}

}  // namespace
}  // namespace deedwell::testing
