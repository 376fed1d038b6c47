#include "market/Listings.h"

#include <cmath>
#include <optional>

#include "common/Numbers.h"
#include "market/RandomInt.h"

namespace deedwell {

std::string ListingContent(const ListingValues& values) {
    std::string content;
    content.reserve(32 * 24);
    for (std::size_t i = 0; i < kListingKeyCount; ++i) {
        content += "|||";
        content += kListingKeys[i];
        content += "|||";
        content += values[i];
        content += "\r\n";
    }
    return content;
}

bool IsListingNumber(std::string_view n) {
    if (n.empty() || n.size() > 15) return false;
    if (n.size() > 1 && n.front() == '0') return false;
    for (char c : n)
        if (c < '0' || c > '9') return false;
    return true;
}

bool WriteHouseFile(Game& game, const ListingValues& values, std::string_view n) {
    // An owned home's file is its description for as long as the player has it.
    if (game.ledger.IsOwned(n)) return false;
    if (RandomInt(game, 8.0) != 3) return false;
    // A name that is not a plain number would never be listed, or could
    // point outside the market folder.
    if (!IsListingNumber(n)) return false;
    return game.records.WriteListingFile(n, ListingContent(values));
}

bool WriteHouseFile(Game& game, const ListingValues& values, std::int64_t n) {
    return WriteHouseFile(game, values, std::to_string(n));
}

void Build1Property(Game& game) {
    const std::int64_t n = RandomInt(game, game.state.MarketSize.value_or(0)) - 1;
    if (game.ledger.IsOwned(static_cast<double>(n))) return;
    const ListingValues values = BuildVars(game);
    WriteHouseFile(game, values, n);
}

void GenNewProperties(Game& game) {
    for (int i = 0; i < 10; ++i) Build1Property(game);
}

std::string CurrentListingPrice(const Game& game, std::string_view value) {
    const auto& years = game.state.AppreciationYears;
    if (!years) return std::string(value);
    double amount = NumberOf(value);
    if (!std::isfinite(amount)) amount = 0;
    return NumberText(Int(GrowThreePercent(amount, *years)));
}

const std::string& Listing::Value(std::string_view key) const {
    static const std::string kNone;
    const std::size_t at = ListingKeyIndex(key);
    return at < kListingKeyCount ? text[at] : kNone;
}

namespace {

std::optional<double> FiniteNumber(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

// A whole number within [low, high], as stored for a stage or a category.
std::optional<int> WholeIn(const std::string& text, int low, int high) {
    const auto value = FiniteNumber(text);
    if (!value || *value != Int(*value) || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

bool Fill(Listing& l) {
    const auto category = WholeIn(l.Value("HOUSEcAT"), 1, 8);
    const auto stage = WholeIn(l.Value("HOUSESTAGE"), 1, 3);
    const auto condition = WholeIn(l.Value("CONDITION"), 1, 3);
    const auto kitchen = WholeIn(l.Value("KITCHEN"), 1, 3);
    const auto bathStage = WholeIn(l.Value("BATHSTAGE"), 1, 3);
    const auto price = FiniteNumber(l.Value("PRICE"));
    const auto appraisal = FiniteNumber(l.Value("APRAISE"));
    const auto units = FiniteNumber(l.Value("UNITS"));
    const auto rent = FiniteNumber(l.Value("ERENT"));
    const auto neighbourhood = FiniteNumber(l.Value("NVALUE"));
    if (!category || !stage || !condition || !kitchen || !bathStage) return false;
    if (!price || *price <= 0 || !appraisal || *appraisal <= 0) return false;
    if (!units || *units != Int(*units) || *units < 1 || *units > kMaxListingUnits) return false;
    if (!rent || !neighbourhood) return false;
    for (std::size_t i = 0; i < l.majors.size(); ++i) {
        const std::string& flag = l.Value("MAJOR" + std::to_string(11 + i));
        if (flag != "0" && flag != "1") return false;
        l.majors[i] = flag == "1";
    }
    l.category = *category;
    l.stage = *stage;
    l.condition = *condition;
    l.kitchen = *kitchen;
    l.bathStage = *bathStage;
    l.price = *price;
    l.appraisal = *appraisal;
    l.units = *units;
    l.rent = *rent;
    l.neighbourhood = *neighbourhood;
    return true;
}

}  // namespace

Listing ReadListing(const RecordStore& records, std::string_view n) {
    Listing listing;
    listing.number = std::string(n);
    std::string content;
    listing.exists = ReadWholeFile(records.ListingPath(n), content);
    if (!listing.exists) return listing;
    for (std::size_t i = 0; i < kListingKeyCount; ++i)
        listing.text[i] = FindRecordValue(content, kListingKeys[i]);
    listing.usable = IsListingNumber(n) && Fill(listing);
    return listing;
}

bool ListingIsValid(const RecordStore& records, std::string_view n) {
    return ReadListing(records, n).usable;
}

std::string HousePicturePath(const RecordStore& records, double category, double stage) {
    const auto whole = [](double value, double low, double high) {
        return value >= low && value <= high && value == Int(value);
    };
    if (!whole(category, 1, 8) || !whole(stage, 1, 3)) return "";
    return (records.Root() / "realestate" / NumberText(category) / (NumberText(stage) + ".jpg"))
        .string();
}

}  // namespace deedwell
