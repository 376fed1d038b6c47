// Every picture a window loads by path must be in data/, decode, and be big
// enough to show; the house and rental pictures must really differ, since a
// copied file would show the player the wrong house without any error.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kData = DEEDWELL_SOURCE_DATA;

struct Picture {
    std::string path;  // under data/
    int minWidth, minHeight;
};

// Test names and failure messages show the path, not the struct's bytes.
void PrintTo(const Picture& pic, std::ostream* os) {
    *os << pic.path;
}

std::vector<Picture> AllPictures() {
    std::vector<Picture> all;
    for (int c = 1; c <= 8; ++c)
        for (int s = 1; s <= 3; ++s)
            all.push_back(
                {"realestate/" + std::to_string(c) + "/" + std::to_string(s) + ".jpg", 320, 240});
    for (int level = 1; level <= 3; ++level) {
        const std::string n = std::to_string(level) + ".jpg";
        for (const std::string& name :
             {"kitchen/ks_" + n, "kitchen/k_" + n, "bathroom/bath_" + n, "bathroom/b_" + n})
            all.push_back({"homecreation/" + name, 320, 240});
    }
    for (int r = 1; r <= 9; ++r)
        all.push_back({"renthouses/" + std::to_string(r) + ".jpg", 320, 240});
    // Window scenery.
    for (const char* name :
         {"splash.jpg", "loading.jpg", "addons.jpg", "newgame.jpg", "goal_won.jpg",
          "goal_missed.jpg", "hint.jpg", "sold.jpg", "forsale.jpg"})
        all.push_back({std::string("pictures/") + name, 320, 240});
    // Indicators and icons are small by design.
    for (const char* name : {"offers_none.jpg", "offers_no.jpg", "offers_yes.jpg"})
        all.push_back({std::string("pictures/") + name, 120, 90});
    for (const char* name : {"music_note.png", "music_speaker.png", "hint_icon.png"})
        all.push_back({std::string("pictures/") + name, 64, 64});
    all.push_back({"pictures/icon.png", 256, 256});
    return all;
}

QImage Load(const std::string& relative) {
    return QImage(QString::fromStdString((kData / relative).string()));
}

class ShippedPicture : public testing::TestWithParam<Picture> {};

TEST_P(ShippedPicture, DecodesAtUsableSize) {
    const Picture& pic = GetParam();
    ASSERT_TRUE(fs::is_regular_file(kData / pic.path)) << pic.path << " is missing";
    const QImage img = Load(pic.path);
    ASSERT_FALSE(img.isNull()) << pic.path << " does not decode";
    EXPECT_GE(img.width(), pic.minWidth) << pic.path;
    EXPECT_GE(img.height(), pic.minHeight) << pic.path;
}

std::string TestName(const testing::TestParamInfo<Picture>& info) {
    std::string name;
    for (char c : info.param.path) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedPicture, testing::ValuesIn(AllPictures()), TestName);

// Mean absolute difference per channel, 0..255, of two pictures compared at a
// common small size.
double Difference(const QImage& a, const QImage& b) {
    const QSize size(160, 120);
    const QImage x = a.scaled(size).convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(size).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < size.height(); ++row)
        for (int col = 0; col < size.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * size.width() * size.height());
}

void ExpectPairwiseDifferent(const std::vector<std::string>& paths) {
    // A re-saved copy of one picture differs by about 1; distinct scenes by 10 or more.
    constexpr double kMinimum = 4.0;
    std::vector<QImage> images;
    for (const std::string& p : paths) {
        images.push_back(Load(p));
        ASSERT_FALSE(images.back().isNull()) << p;
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_GT(Difference(images[i], images[j]), kMinimum) << paths[i] << " vs " << paths[j];
}

TEST(ShippedPictures, EveryExteriorIsItsOwnPicture) {
    std::vector<std::string> paths;
    for (int c = 1; c <= 8; ++c)
        for (int s = 1; s <= 3; ++s)
            paths.push_back("realestate/" + std::to_string(c) + "/" + std::to_string(s) + ".jpg");
    ExpectPairwiseDifferent(paths);
}

TEST(ShippedPictures, EveryRentalAndRoomLevelIsItsOwnPicture) {
    std::vector<std::string> rentals, kitchens, baths;
    for (int r = 1; r <= 9; ++r) rentals.push_back("renthouses/" + std::to_string(r) + ".jpg");
    for (int level = 1; level <= 3; ++level) {
        kitchens.push_back("homecreation/kitchen/ks_" + std::to_string(level) + ".jpg");
        baths.push_back("homecreation/bathroom/bath_" + std::to_string(level) + ".jpg");
    }
    ExpectPairwiseDifferent(rentals);
    ExpectPairwiseDifferent(kitchens);
    ExpectPairwiseDifferent(baths);
}

TEST(ShippedPictures, StayWithinTheDownloadBudget) {
    std::uintmax_t total = 0;
    for (const Picture& pic : AllPictures())
        if (fs::is_regular_file(kData / pic.path)) total += fs::file_size(kData / pic.path);
    EXPECT_LT(total, 4u * 1024 * 1024);
}

}  // namespace
