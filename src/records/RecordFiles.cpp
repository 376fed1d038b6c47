#include "records/RecordFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

namespace deedwell {
namespace fs = std::filesystem;

namespace {

// Rewrites give up after this many lines, as the game always has.
constexpr int kMaxRewriteLines = 10000;

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The first line that starts with `tag`, letter case aside. Only line starts
// count: a value may hold bars, and a typed "|||AGE|||" inside a name must not
// pass for the AGE line.
std::size_t FindLineStartIgnoreCase(std::string_view text, std::string_view tag) {
    std::size_t start = 0;
    while (start + tag.size() <= text.size()) {
        if (EqualsIgnoreCase(text.substr(start, tag.size()), tag)) return start;
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return std::string_view::npos;
}

std::string KeyTag(std::string_view key) {
    std::string tag = "|||";
    tag += key;
    tag += "|||";
    return tag;
}

// A pasted line break would split the record line in two.
std::string OneLine(std::string_view value) {
    std::string line(value);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

std::string NameOf(std::string_view name) {
    std::string file(name);
    file += ".var";
    return file;
}

}  // namespace

std::string FindRecordValue(std::string_view content, std::string_view key) {
    const std::string tag = KeyTag(key);
    const std::size_t at = FindLineStartIgnoreCase(content, tag);
    if (at == std::string_view::npos) return {};
    // A hand-edited file may end its lines with LF alone; end at either.
    const std::size_t end = content.find_first_of("\r\n", at);
    if (end == std::string_view::npos) return {};
    return std::string(content.substr(at + tag.size(), end - at - tag.size()));
}

bool RewriteRecord(std::string_view content, std::string_view key, std::string_view value,
                   std::string& out) {
    const std::string tag = KeyTag(key);
    std::string result;
    std::string_view rest = content;
    for (int pass = 0; pass <= kMaxRewriteLines; ++pass) {
        if (rest.find('|') == std::string_view::npos) break;
        bool done = false;
        while (!rest.empty() && (rest.front() == '\r' || rest.front() == '\n')) {
            rest.remove_prefix(1);
            if (rest.find('|') == std::string_view::npos) {
                done = true;
                break;
            }
        }
        if (done) break;
        // A line ends where the reader ends it, at a CR or an LF, so a file
        // edited with Linux line ends is rewritten as the reader saw it.
        const std::size_t end = rest.find_first_of("\r\n");
        // A line with a bar but no line end after it: leave the file alone.
        if (end == std::string_view::npos) return false;
        const std::string_view line = rest.substr(0, end);
        if (rest.substr(0, tag.size()) != tag) {
            result += line;
            result += "\r\n";
        }
        rest.remove_prefix(end);
    }
    result += tag;
    result += OneLine(value);
    result += "\r\n";
    out = std::move(result);
    return true;
}

bool FileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && !ec;
}

bool ReadWholeFile(const fs::path& path, std::string& content) {
    if (!FileExists(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    content = buffer.str();
    return true;
}

bool ReplaceWholeFile(const fs::path& path, std::string_view content) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    fs::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

fs::path RecordStore::RecordPath(std::string_view name) const { return root_ / NameOf(name); }

fs::path RecordStore::ListingPath(std::string_view number) const {
    return root_ / "realestate" / NameOf(number);
}

fs::path RecordStore::RentalPath(std::string_view number) const {
    return root_ / "renthouses" / NameOf(number);
}

void RecordStore::WriteRecordValue(std::string_view key, std::string_view name,
                                   std::string_view value) const {
    if (value.empty()) return;
    const fs::path path = RecordPath(name);
    std::string content;
    if (FileExists(path) && !ReadWholeFile(path, content)) return;
    std::string rewritten;
    if (!RewriteRecord(content, key, value, rewritten)) return;
    ReplaceWholeFile(path, rewritten);
}

namespace {
std::string ReadValueAt(const fs::path& path, std::string_view key) {
    std::string content;
    if (!ReadWholeFile(path, content)) return {};
    return FindRecordValue(content, key);
}
}  // namespace

std::string RecordStore::ReadRecordValue(std::string_view key, std::string_view name) const {
    return ReadValueAt(RecordPath(name), key);
}

std::string RecordStore::ReadListingValue(std::string_view key, std::string_view number) const {
    return ReadValueAt(ListingPath(number), key);
}

std::string RecordStore::ReadRentalValue(std::string_view key, std::string_view number) const {
    return ReadValueAt(RentalPath(number), key);
}

bool RecordStore::WriteListingFile(std::string_view number, std::string_view content) const {
    return ReplaceWholeFile(ListingPath(number), content);
}

std::vector<std::string> RecordStore::ListRecords(std::string_view folder) const {
    std::vector<std::string> files;
    std::error_code ec;
    fs::directory_iterator it(root_ / folder, ec);
    if (ec) return {};
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        if (!entry.is_regular_file(ec)) continue;
        if (name.size() < 4 || !EqualsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".var"))
            continue;
        files.push_back(name);
    }
    auto folded = [](const std::string& s) {
        std::string f = s;
        for (auto& c : f) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return f;
    };
    std::sort(files.begin(), files.end(),
              [&](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    for (auto& name : files) name.resize(name.size() - 4);
    return files;
}

}  // namespace deedwell
