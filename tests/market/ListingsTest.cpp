#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "MarketFixture.h"
#include "common/Numbers.h"
#include "market/Generator.h"
#include "market/Listings.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::string content;
    ReadWholeFile(path, content);
    return content;
}

void Own(Game& game, const std::string& listing) {
    OwnedHome home;
    home.listing = listing;
    home.units = {UnitState::Unrented};
    game.ledger.Append(home);
}

class Listings : public MarketTest {
  protected:
    // A house made from the fallback draws, then a clean slate of draws.
    ListingValues House() {
        const ListingValues values = BuildVars(game);
        t.random.asked.clear();
        return values;
    }
    fs::path ListingFile(const std::string& n) const { return t.records.ListingPath(n); }
    void PutFile(const std::string& n, const std::string& content) const {
        ASSERT_TRUE(ReplaceWholeFile(ListingFile(n), content));
    }
};

TEST_F(Listings, ContentIsThirtyTwoCrLfLinesEndingWithTheEndMark) {
    const ListingValues values = House();
    const std::string content = ListingContent(values);
    EXPECT_EQ(0u, content.rfind("|||HOUSEcAT|||" + values[0] + "\r\n", 0));
    ASSERT_GE(content.size(), 23u);
    EXPECT_EQ("|||ENDHERE|||FINISHED\r\n", content.substr(content.size() - 23));

    std::size_t lines = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ('\r', content[i - 1]) << "bare LF at " << i;
            ++lines;
        } else if (content[i] == '\r') {
            ASSERT_LT(i + 1, content.size());
            EXPECT_EQ('\n', content[i + 1]) << "bare CR at " << i;
        }
    }
    EXPECT_EQ(32u, lines);
    for (std::size_t i = 0; i < kListingKeyCount; ++i)
        EXPECT_EQ(values[i], FindRecordValue(content, kListingKeys[i])) << kListingKeys[i];
}

TEST_F(Listings, WritesOnlyWhenTheDrawIsThree) {
    const ListingValues values = House();
    for (std::int64_t draw = 1; draw <= 8; ++draw) {
        PutFile("12", "old");
        t.random.asked.clear();
        t.random.Push(draw);
        const bool written = WriteHouseFile(game, values, std::int64_t{12});
        EXPECT_EQ(draw == 3, written) << "draw " << draw;
        EXPECT_EQ(draw == 3 ? ListingContent(values) : "old", ReadBytes(ListingFile("12")));
        EXPECT_EQ(std::vector<std::int64_t>{8}, t.random.asked);
    }
}

TEST_F(Listings, NeverWritesOverAnOwnedHomeAndDoesNotEvenDraw) {
    const ListingValues values = House();
    Own(game, "7");
    PutFile("7", "the home I own");
    for (std::int64_t draw = 1; draw <= 8; ++draw) {
        t.random.Clear();
        t.random.Push(draw);
        EXPECT_FALSE(WriteHouseFile(game, values, std::string_view("7")));
        EXPECT_EQ("the home I own", ReadBytes(ListingFile("7")));
    }
    EXPECT_TRUE(t.random.asked.empty());
    EXPECT_FALSE(fs::exists(ListingFile("8")));
}

TEST_F(Listings, WritesOnlyPlainListingNumbers) {
    const ListingValues values = House();
    for (const char* bad : {"017", "-1", "abc", "../x", ""}) {
        t.random.Push(3);
        EXPECT_FALSE(WriteHouseFile(game, values, std::string_view(bad))) << bad;
    }
    EXPECT_TRUE(t.records.ListRecords("realestate").empty());
}

TEST_F(Listings, Build1PropertySkipsOwnedNumbersWithoutGenerating) {
    Own(game, "41");
    PutFile("41", "the home I own");
    t.random.Push(42);  // listing 41
    Build1Property(game);
    EXPECT_EQ(std::vector<std::int64_t>{80}, t.random.asked);
    EXPECT_EQ("the home I own", ReadBytes(ListingFile("41")));

    // An open number: a whole house is generated, then written on a 3.
    t.random.asked.clear();
    std::vector<std::int64_t> script = {43};
    const std::vector<std::int64_t> house = HouseScript(3, 2, 500);
    script.insert(script.end(), house.begin(), house.end());
    script.push_back(3);
    t.random.Push(script);
    Build1Property(game);
    EXPECT_EQ(0u, t.random.Remaining());
    const Listing written = ReadListing(t.records, "42");
    ASSERT_TRUE(written.usable);
    EXPECT_EQ(3, written.category);
    EXPECT_EQ(2, written.stage);
    EXPECT_EQ("1234  West Ocean Drive", written.Value("ADDRESS"));
}

TEST_F(Listings, TurnoverDrawsTenNumbersAndNeverReachesListingEighty) {
    PutFile("80", "listing eighty");
    for (int month = 0; month < 100; ++month) {
        t.random.asked.clear();
        GenNewProperties(game);
        EXPECT_EQ(10, std::count(t.random.asked.begin(), t.random.asked.end(), 80));
    }
    EXPECT_EQ("listing eighty", ReadBytes(ListingFile("80")));
    // About 125 writes spread over 80 numbers: most of the market turned over.
    EXPECT_GT(t.records.ListRecords("realestate").size(), 50u);
}

TEST_F(Listings, UnwritableMarketChangesNothingAndGoesOn) {
    // Root can write anywhere, so make the market folder a plain file instead.
    fs::remove_all(t.dir.Path() / "realestate");
    ASSERT_TRUE(ReplaceWholeFile(t.dir.Path() / "realestate", "not a folder"));
    const ListingValues values = House();
    t.random.Push(3);
    EXPECT_NO_THROW(EXPECT_FALSE(WriteHouseFile(game, values, std::int64_t{5})));
    EXPECT_NO_THROW(GenNewProperties(game));
    EXPECT_EQ("not a folder", ReadBytes(t.dir.Path() / "realestate"));
    EXPECT_FALSE(ReadListing(t.records, "5").exists);
}

TEST_F(Listings, CurrentListingPriceGrowsOncePerAppreciationYearPlusOne) {
    struct Case {
        std::optional<double> years;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {std::nullopt, "100000", "100000"},
        {std::nullopt, "100000.7", "100000.7"},  // the stored text itself, uncut
        {std::nullopt, "", ""},
        {0, "100000", "103000"},
        {1, "100000", "106090"},
        {2, "100000", "109272"},
        {1, "103000", "109272"},
        {1, "97522", "103461"},
        {1, "100000.7", "106090"},
        {1, "", "0"},
        {1, "abc", "0"},
    };
    for (const Case& c : cases) {
        game.state.AppreciationYears = c.years;
        EXPECT_EQ(c.shown, CurrentListingPrice(game, c.stored))
            << c.stored << " after " << c.years.value_or(-1) << " years";
    }
}

TEST(ListingNumbers, ArePlainDigitsWithoutLeadingZeros) {
    for (const char* good : {"0", "7", "17", "80", "123456"})
        EXPECT_TRUE(IsListingNumber(good)) << good;
    for (const char* bad : {"", "017", "00", "-1", "+1", "1.0", " 1", "1 ", "abc", "1e2"})
        EXPECT_FALSE(IsListingNumber(bad)) << bad;
}

// One usable listing, then one fault at a time: none of them may be bought.
class ReadingListings : public Listings {
  protected:
    void SetUp() override {
        t.random.Push(HouseScript(6, 2, 200000));  // a 7-unit building
        good = BuildVars(game);
    }
    ListingValues good;

    // The listing with `key` set to `value`, or its line left out for nullptr.
    std::string With(const std::string& key, const char* value) const {
        std::string content;
        for (std::size_t i = 0; i < kListingKeyCount; ++i) {
            if (kListingKeys[i] == key && value == nullptr) continue;
            content += "|||" + std::string(kListingKeys[i]) + "|||" +
                       (kListingKeys[i] == key ? std::string(value) : good[i]) + "\r\n";
        }
        return content;
    }
};

TEST_F(ReadingListings, AGeneratedListingIsUsableWithItsValuesTyped) {
    PutFile("9", ListingContent(good));
    const Listing l = ReadListing(t.records, "9");
    ASSERT_TRUE(l.exists);
    ASSERT_TRUE(l.usable);
    EXPECT_EQ(good, l.text);
    EXPECT_EQ(6, l.category);
    EXPECT_EQ(2, l.stage);
    EXPECT_EQ(2, l.condition);
    EXPECT_EQ(1, l.kitchen);
    EXPECT_EQ(1, l.bathStage);
    EXPECT_EQ(game.state.GenHousePrice, l.price);
    EXPECT_EQ(game.state.GenAppraisal, l.appraisal);
    EXPECT_EQ(7, l.units);
    EXPECT_EQ(NumberOf(good[ListingKeyIndex("ERENT")]), l.rent);
    EXPECT_EQ(NumberOf(good[ListingKeyIndex("NVALUE")]), l.neighbourhood);
    EXPECT_EQ((std::array<bool, 8>{}), l.majors);
    EXPECT_TRUE(ListingIsValid(t.records, "9"));
}

TEST_F(ReadingListings, MajorFlagsAndCaseInsensitiveKeysReadBack) {
    std::string content = With("MAJOR13", "1");
    const std::string mixed = "|||HOUSEcAT|||";
    content.replace(content.find(mixed), mixed.size(), "|||HOUSECAT|||");
    PutFile("3", content);
    const Listing l = ReadListing(t.records, "3");
    ASSERT_TRUE(l.usable);
    EXPECT_EQ(6, l.category);
    EXPECT_EQ((std::array<bool, 8>{false, false, true}), l.majors);
}

TEST_F(ReadingListings, RefusesEveryFaultABuyerCouldTripOver) {
    struct Case {
        const char* key;
        const char* value;  // nullptr: the line is missing
    };
    const Case cases[] = {
        {"PRICE", nullptr},   {"PRICE", "0"},      {"PRICE", "-5"},      {"PRICE", "cheap"},
        {"APRAISE", nullptr}, {"APRAISE", "0"},    {"UNITS", nullptr},   {"UNITS", "0"},
        {"UNITS", "1.5"},     {"UNITS", "many"},   {"UNITS", "100000"},  {"ERENT", nullptr},
        {"ERENT", "x"},       {"NVALUE", nullptr}, {"NVALUE", ""},       {"HOUSEcAT", nullptr},
        {"HOUSEcAT", "0"},    {"HOUSEcAT", "9"},   {"HOUSEcAT", "../1"}, {"HOUSESTAGE", "4"},
        {"CONDITION", ""},    {"KITCHEN", "2.5"},  {"BATHSTAGE", "0"},   {"MAJOR11", nullptr},
        {"MAJOR13", "2"},     {"MAJOR18", "yes"},  {"MAJOR15", " 1"},
    };
    for (const Case& c : cases) {
        PutFile("9", With(c.key, c.value));
        EXPECT_FALSE(ReadListing(t.records, "9").usable)
            << c.key << " = " << (c.value ? c.value : "(missing)");
    }
}

TEST_F(ReadingListings, RefusesNamesThatAreNotListingNumbersAndMissingFiles) {
    PutFile("017", ListingContent(good));
    PutFile("abc", ListingContent(good));
    EXPECT_FALSE(ReadListing(t.records, "017").usable);
    EXPECT_FALSE(ReadListing(t.records, "abc").usable);
    const Listing missing = ReadListing(t.records, "55");
    EXPECT_FALSE(missing.exists);
    EXPECT_FALSE(missing.usable);
    EXPECT_EQ("", missing.Value("PRICE"));
    PutFile("", ListingContent(good));  // ".var"
    EXPECT_FALSE(ReadListing(t.records, "").usable);
}

}  // namespace
}  // namespace deedwell::testing
