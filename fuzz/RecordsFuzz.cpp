// Record files as a hand-edited or damaged file may hold them: any bytes, any
// line ends, keys in any letter case. The reader must never crash, and a key
// that was just written must read back as the value written (on one line).

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "records/RecordFiles.h"

namespace {

using deedwell::fuzz::Check;

constexpr std::array<const char*, 12> kGameKeys = {"NAME",     "AGE",   "DATE",    "NoShow",
                                                   "HOUSEcAT", "PRICE", "UNITS",   "ERENT",
                                                   "ENDHERE",  "RENT",  "ADDRESS", "TAXES"};

std::string Tag(std::string_view key) {
    return "|||" + std::string(key) + "|||";
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The lines of a record text as the reader sees them: a line starts at the
// beginning of the text or after a CR or LF.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

// Some line starts with the key in other letters: the documented case where a
// write adds a second line and reads keep finding the first.
bool HasKeyInOtherCase(std::string_view content, std::string_view tag) {
    for (std::string_view line : Lines(content)) {
        const std::string_view head = line.substr(0, tag.size());
        if (EqualsIgnoreCase(head, tag) && head != tag) return true;
    }
    return false;
}

// Every line of a rewritten file ends with CR LF, and no CR or LF stands alone.
bool AllLinesEndCrLf(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
}

std::string PickKey(FuzzedDataProvider& data) {
    const auto choice = data.ConsumeIntegral<std::uint8_t>();
    if (choice % 2 == 0) return kGameKeys[(choice / 2) % kGameKeys.size()];
    // A key is any text without a bar or a line break.
    std::string key;
    for (char c : data.ConsumeRandomLengthString(12)) {
        if (c != '|' && c != '\r' && c != '\n') key.push_back(c);
    }
    return key.empty() ? "K" : key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string key = PickKey(data);
    const std::string value = data.ConsumeRandomLengthString(200);
    const std::string content = data.ConsumeRemainingBytesAsString();
    const std::string tag = Tag(key);

    const std::string found = deedwell::FindRecordValue(content, key);
    Check(found.find_first_of("\r\n") == std::string::npos, "a value read is one line");
    Check(found.empty() || content.find(found) != std::string::npos, "a value read is in the file");

    std::string out = "untouched";
    if (!deedwell::RewriteRecord(content, key, value, out)) {
        Check(out == "untouched", "a refused rewrite leaves its output alone");
        return 0;
    }
    Check(AllLinesEndCrLf(out), "a rewritten file has CR LF lines only");
    const std::string last = tag + OneLine(value) + "\r\n";
    Check(
        out.size() >= last.size() && out.compare(out.size() - last.size(), last.size(), last) == 0,
        "the written key's line comes last");
    std::size_t exact = 0;
    for (std::string_view line : Lines(out)) exact += line.substr(0, tag.size()) == tag ? 1 : 0;
    Check(exact == 1, "the written key has exactly one line");
    if (!HasKeyInOtherCase(content, tag)) {
        Check(deedwell::FindRecordValue(out, key) == OneLine(value),
              "the key reads back as written");
    }

    std::string again;
    Check(deedwell::RewriteRecord(out, key, value, again), "a rewritten file can be rewritten");
    Check(again == out, "writing the same value twice changes nothing more");
    return 0;
}
