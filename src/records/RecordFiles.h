#pragma once
// Record files: the small "|||KEY|||value" CR LF text files that outlive a run.
//
// The program directory holds the player's defaults ("default.var"), the hint
// switch ("Options.var"), the market's listing files under realestate/ and the
// rental records under renthouses/. Reads never fail loudly: a missing file,
// key or folder reads as empty. Writes replace a file whole through a
// temporary file and a rename, so an interrupted write never leaves half a
// file; a write that cannot be made leaves the old file as it was.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace deedwell {

// The value stored for `key` in the record text `content`, or "" (key compared
// without regard to letter case, at the start of a line only; the value ends
// at the first CR or LF).
std::string FindRecordValue(std::string_view content, std::string_view key);

// `content` rewritten with `key` set to `value`, its line moved to the end.
// Other key lines keep their order; trailing lines without a bar are dropped.
// A line ends at a CR or an LF, as for reading; every line written ends CR LF.
// Returns false (and leaves `out` alone) when the file cannot be rewritten
// safely, as for a key line without a line end.
bool RewriteRecord(std::string_view content, std::string_view key, std::string_view value,
                   std::string& out);

// True when a regular file exists at the path; any error gives false.
bool FileExists(const std::filesystem::path& path);

// Whole-file helpers: a missing or unreadable file reads as empty; a write goes
// through a temporary file in the same folder and a rename.
bool ReadWholeFile(const std::filesystem::path& path, std::string& content);
bool ReplaceWholeFile(const std::filesystem::path& path, std::string_view content);

// The program directory and the record files in it.
class RecordStore {
public:
    explicit RecordStore(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& Root() const { return root_; }

    // root/<name>.var, root/realestate/<n>.var, root/renthouses/<n>.var
    std::filesystem::path RecordPath(std::string_view name) const;
    std::filesystem::path ListingPath(std::string_view number) const;
    std::filesystem::path RentalPath(std::string_view number) const;

    // Sets key to value; an empty value writes nothing. CR and LF inside the
    // value become spaces.
    void WriteRecordValue(std::string_view key, std::string_view name, std::string_view value) const;
    std::string ReadRecordValue(std::string_view key, std::string_view name) const;
    std::string ReadListingValue(std::string_view key, std::string_view number) const;
    std::string ReadRentalValue(std::string_view key, std::string_view number) const;

    // Writes a whole listing file at once (the market writer).
    bool WriteListingFile(std::string_view number, std::string_view content) const;

    // The names (without ".var") of the record files of a folder under the
    // root, in byte-wise name order: "0", "1", "10", ..., "9".
    std::vector<std::string> ListRecords(std::string_view folder) const;

private:
    std::filesystem::path root_;
};

}  // namespace deedwell
