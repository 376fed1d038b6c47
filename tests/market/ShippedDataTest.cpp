#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/Numbers.h"
#include "market/Listings.h"
#include "records/RecordFiles.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kData = DEEDWELL_SOURCE_DATA;

TEST(ShippedData, EveryRecordFileEndsItsLinesWithCrLf) {
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".var") continue;
        ++files;
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(entry.path(), bytes)) << entry.path();
        ASSERT_GE(bytes.size(), 2u) << entry.path();
        EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2)) << entry.path();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << entry.path() << ": bare LF at " << i;
            } else if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    << entry.path() << ": bare CR at " << i;
            }
        }
    }
    EXPECT_GE(files, 81 + 9);
}

TEST(ShippedData, MarketHasAUsableListingAtEveryPosition) {
    const RecordStore store(kData);
    EXPECT_EQ(81u, store.ListRecords("realestate").size());
    for (int n = 0; n <= 80; ++n) {
        const Listing listing = ReadListing(store, std::to_string(n));
        EXPECT_TRUE(listing.usable) << "listing " << n;
        // Priced in the first year: nothing below the cheapest house there is.
        EXPECT_GE(listing.price, 42437) << "listing " << n;
        EXPECT_EQ("FINISHED", listing.Value("ENDHERE")) << "listing " << n;
    }
}

TEST(ShippedData, RentalsRiseInRentAndTwoFitAStartingBudget) {
    const RecordStore store(kData);
    const auto names = store.ListRecords("renthouses");
    ASSERT_EQ(9u, names.size());
    double previousRent = 0;
    int affordable = 0;
    for (int n = 1; n <= 9; ++n) {
        const std::string name = std::to_string(n);
        const auto rent = ParseNumber(store.ReadRentalValue("RENT", name));
        const auto sf = ParseNumber(store.ReadRentalValue("SF", name));
        ASSERT_TRUE(rent && sf) << "rental " << n;
        EXPECT_FALSE(store.ReadRentalValue("ADDRESS", name).empty()) << "rental " << n;
        EXPECT_GT(*rent, previousRent) << "rental " << n;
        previousRent = *rent;
        // A new life starts with $2000: the move-in cost must leave cash over,
        // and rent plus utilities must fit a small paycheck.
        if (2 * *rent + 1000 < 2000 && *rent + *sf * 0.5 < 900) ++affordable;
    }
    EXPECT_GE(affordable, 2);
}

}  // namespace
}  // namespace deedwell::testing
