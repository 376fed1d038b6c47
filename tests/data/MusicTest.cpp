// The background music must load through the same audio library the game
// plays it with, last long enough to loop pleasantly, and carry its title tag.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kMusic = fs::path(DEEDWELL_SOURCE_DATA) / "RealEstate.mp3";

class ShippedMusic : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        Mix_Init(MIX_INIT_MP3);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

TEST_F(ShippedMusic, DecodesAndLastsOverHalfAMinute) {
    ASSERT_TRUE(fs::is_regular_file(kMusic));
    Mix_Music* music = Mix_LoadMUS(kMusic.string().c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
    EXPECT_GT(Mix_MusicDuration(music), 30.0);
    Mix_FreeMusic(music);
}

TEST(ShippedMusicFile, EndsWithATitledId3v1TagAndStaysSmall) {
    ASSERT_TRUE(fs::is_regular_file(kMusic));
    const auto size = fs::file_size(kMusic);
    ASSERT_GT(size, 128u);
    EXPECT_LT(size, 2u * 1024 * 1024);
    std::ifstream in(kMusic, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(size - 128));
    std::string tag(128, '\0');
    in.read(tag.data(), 128);
    ASSERT_TRUE(in);
    EXPECT_EQ(tag.substr(0, 3), "TAG");
    EXPECT_NE(tag[3], '\0') << "the tag has no title";
    EXPECT_NE(tag[33], '\0') << "the tag has no artist";
}

}  // namespace
