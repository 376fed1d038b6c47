#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "records/RecordFiles.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string Slurp(const fs::path& path) {
    std::string content;
    EXPECT_TRUE(ReadWholeFile(path, content)) << path;
    return content;
}

void Spit(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

class RecordFilesTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordStore store{dir.Path()};
    fs::path Default() const { return store.RecordPath("default"); }
};

TEST_F(RecordFilesTest, FirstWriteCreatesOneLine) {
    store.WriteRecordValue("NAME", "default", "Robin");
    EXPECT_EQ(Slurp(Default()), "|||NAME|||Robin\r\n");
}

TEST_F(RecordFilesTest, RewrittenKeyMovesToTheEnd) {
    Spit(Default(), "|||AGE|||18\r\n|||NAME|||Robin\r\n");
    store.WriteRecordValue("AGE", "default", "19");
    EXPECT_EQ(Slurp(Default()), "|||NAME|||Robin\r\n|||AGE|||19\r\n");
}

TEST_F(RecordFilesTest, NewGameWritesDateAgeNameInThatOrder) {
    Spit(Default(), "|||NAME|||Old\r\n|||AGE|||40\r\n|||DATE|||date\r\n");
    store.WriteRecordValue("DATE", "default", "date");
    store.WriteRecordValue("AGE", "default", "33");
    store.WriteRecordValue("NAME", "default", "Robin");
    EXPECT_EQ(Slurp(Default()), "|||DATE|||date\r\n|||AGE|||33\r\n|||NAME|||Robin\r\n");
}

TEST_F(RecordFilesTest, EmptyValueWritesNothing) {
    store.WriteRecordValue("NAME", "default", "");
    EXPECT_FALSE(FileExists(Default()));
    Spit(Default(), "|||NAME|||Robin\r\n");
    store.WriteRecordValue("NAME", "default", "");
    EXPECT_EQ(Slurp(Default()), "|||NAME|||Robin\r\n");
}

TEST_F(RecordFilesTest, ZeroIsStored) {
    store.WriteRecordValue("NoShow", "Options", "0");
    EXPECT_EQ(store.ReadRecordValue("NoShow", "Options"), "0");
}

TEST_F(RecordFilesTest, ReadsIgnoreCaseWritesDoNot) {
    Spit(store.RecordPath("Options"), "|||NoShow|||1\r\n");
    EXPECT_EQ(store.ReadRecordValue("NoSHOW", "Options"), "1");
    store.WriteRecordValue("NOSHOW", "Options", "0");
    // A differently spelt key adds a line; reads then see the first one.
    EXPECT_EQ(Slurp(store.RecordPath("Options")), "|||NoShow|||1\r\n|||NOSHOW|||0\r\n");
    EXPECT_EQ(store.ReadRecordValue("noshow", "Options"), "1");
}

TEST_F(RecordFilesTest, EmptyAbsentAndMissingAllReadEmpty) {
    Spit(Default(), "|||NAME|||\r\n|||AGE|||18\r\n");
    EXPECT_EQ(store.ReadRecordValue("NAME", "default"), "");
    EXPECT_EQ(store.ReadRecordValue("DATE", "default"), "");
    EXPECT_EQ(store.ReadRecordValue("NAME", "nothing-here"), "");
    EXPECT_EQ(store.ReadListingValue("PRICE", "5"), "");
    EXPECT_EQ(store.ReadRentalValue("RENT", "1"), "");
}

TEST_F(RecordFilesTest, BlankLinesAreReadAndDroppedByTheNextWrite) {
    Spit(Default(), "|||AGE|||18\r\n\r\n\r\n|||NAME|||Robin\r\n\r\n\r\n\r\n");
    EXPECT_EQ(store.ReadRecordValue("NAME", "default"), "Robin");
    EXPECT_EQ(store.ReadRecordValue("AGE", "default"), "18");
    store.WriteRecordValue("DATE", "default", "date");
    EXPECT_EQ(Slurp(Default()), "|||AGE|||18\r\n|||NAME|||Robin\r\n|||DATE|||date\r\n");
}

TEST_F(RecordFilesTest, LinesWithoutBarsBeforeKeyLinesSurvive) {
    Spit(Default(), "note\r\n|||AGE|||18\r\ntrailing text");
    store.WriteRecordValue("NAME", "default", "Robin");
    EXPECT_EQ(Slurp(Default()), "note\r\n|||AGE|||18\r\n|||NAME|||Robin\r\n");
}

TEST_F(RecordFilesTest, ValueWithBarsRoundTrips) {
    store.WriteRecordValue("NAME", "default", "a|b|||c");
    EXPECT_EQ(store.ReadRecordValue("NAME", "default"), "a|b|||c");
}

TEST_F(RecordFilesTest, LineBreaksInsideAValueBecomeSpaces) {
    store.WriteRecordValue("NAME", "default", "Robin\r\nHood\nof\rSherwood");
    EXPECT_EQ(Slurp(Default()), "|||NAME|||Robin  Hood of Sherwood\r\n");
}

TEST_F(RecordFilesTest, LastLineWithoutLineEnd) {
    Spit(Default(), "|||AGE|||18\r\n|||NAME|||Robin");
    EXPECT_EQ(store.ReadRecordValue("NAME", "default"), "");
    EXPECT_EQ(store.ReadRecordValue("AGE", "default"), "18");
    store.WriteRecordValue("AGE", "default", "19");
    EXPECT_EQ(Slurp(Default()), "|||AGE|||18\r\n|||NAME|||Robin");
}

TEST_F(RecordFilesTest, LinuxLineEndsAreRead) {
    Spit(Default(), "|||AGE|||18\n|||NAME|||Robin\n");
    EXPECT_EQ(store.ReadRecordValue("AGE", "default"), "18");
}

// The writer splits lines where the reader does, so the old line of a key in a
// hand-edited file cannot hide behind another line and shadow the new value.
TEST_F(RecordFilesTest, LinuxLineEndsAreRewrittenAsTheReaderSawThem) {
    Spit(Default(), "|||NAME|||Robin\n|||AGE|||18\r\n");
    store.WriteRecordValue("AGE", "default", "19");
    EXPECT_EQ(Slurp(Default()), "|||NAME|||Robin\r\n|||AGE|||19\r\n");
    EXPECT_EQ(store.ReadRecordValue("AGE", "default"), "19");
}

TEST_F(RecordFilesTest, AKeyInsideAValueIsNotAKeyLine) {
    Spit(Default(), "|||NAME|||Robin|||AGE|||99\r\n|||AGE|||18\r\n");
    EXPECT_EQ(store.ReadRecordValue("AGE", "default"), "18");
    EXPECT_EQ(store.ReadRecordValue("NAME", "default"), "Robin|||AGE|||99");
}

TEST_F(RecordFilesTest, LinesBeyondTheRewriteLimitAreDropped) {
    std::string content;
    for (int i = 0; i < 10005; ++i) content += "|||K" + std::to_string(i) + "|||v\r\n";
    Spit(Default(), content);
    store.WriteRecordValue("NEW", "default", "x");
    const std::string after = Slurp(Default());
    EXPECT_NE(after.find("|||K10000|||v\r\n"), std::string::npos);
    EXPECT_EQ(after.find("|||K10001|||"), std::string::npos);
    EXPECT_EQ(after.substr(after.size() - 12), "|||NEW|||x\r\n");
}

TEST_F(RecordFilesTest, FailedWriteKeepsTheOldBytes) {
    Spit(Default(), "|||AGE|||18\r\n");
    // Block the temporary file's name with a folder, so the write cannot start.
    fs::path blocker = Default();
    blocker += ".tmp" + std::to_string(::getpid());
    fs::create_directory(blocker);
    store.WriteRecordValue("AGE", "default", "19");
    EXPECT_EQ(Slurp(Default()), "|||AGE|||18\r\n");
}

TEST_F(RecordFilesTest, UnwritableFolderChangesNothingAndDoesNotThrow) {
    RecordStore nowhere(dir.Path() / "missing" / "folder");
    EXPECT_NO_THROW(nowhere.WriteRecordValue("AGE", "default", "19"));
    EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
    EXPECT_FALSE(nowhere.WriteListingFile("3", "|||PRICE|||1\r\n"));
}

TEST_F(RecordFilesTest, FileExistsOnlyForRegularFiles) {
    fs::create_directory(dir.Path() / "folder.var");
    Spit(dir.Path() / "plain.var", "x");
    EXPECT_FALSE(FileExists(dir.Path() / "folder.var"));
    EXPECT_TRUE(FileExists(dir.Path() / "plain.var"));
    EXPECT_FALSE(FileExists(dir.Path() / "absent.var"));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(RecordFilesTest, ListingNamesComeInByteOrder) {
    fs::create_directories(dir.Path() / "realestate" / "3");
    for (int i = 0; i <= 80; ++i) Spit(dir.Path() / "realestate" / (std::to_string(i) + ".var"), "");
    Spit(dir.Path() / "realestate" / ".hidden.var", "");
    Spit(dir.Path() / "realestate" / "notes.txt", "");
    Spit(dir.Path() / "realestate" / "UPPER.VAR", "");
    const auto names = store.ListRecords("realestate");
    ASSERT_EQ(names.size(), 82u);
    EXPECT_EQ(names[0], "0");
    EXPECT_EQ(names[1], "1");
    EXPECT_EQ(names[2], "10");
    EXPECT_EQ(names[9], "17");
    EXPECT_EQ(names[12], "2");
    EXPECT_EQ(names[80], "9");
    EXPECT_EQ(names[81], "UPPER");
    EXPECT_TRUE(RecordStore(dir.Path() / "none").ListRecords("realestate").empty());
}

}  // namespace
}  // namespace deedwell
