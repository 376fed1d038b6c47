// The music player's tag line from any file tail: always valid UTF-8, at most
// 45 characters, "Title by Artist", and "Unknown by Unknown" without a tag.

#include <string>

#include "FuzzCheck.h"
#include "music/MusicPlayer.h"

namespace {

using deedwell::fuzz::Check;

std::size_t Characters(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(bytes), size);
    const std::string line = deedwell::ReadId3v1(file);
    Check(deedwell::fuzz::IsUtf8(line), "the tag line is valid UTF-8");
    Check(Characters(line) <= 45, "the tag line has at most 45 characters");
    Check(line.find(" by ") != std::string::npos, "the tag line reads \"Title by Artist\"");
    if (size < 128) Check(line == "Unknown by Unknown", "a file shorter than a tag has none");
    return 0;
}
