#pragma once
// The house exteriors of the property market, one style per category, each in
// its three stages, and the nine rentals the player can live in.

#include <QImage>

namespace art {

constexpr int kHouseCategories = 8;
constexpr int kHouseStages = 3;
constexpr int kRentals = 9;

// Category 1 ranch, 2 brick colonial, 3 storybook cottage, 4 craftsman
// bungalow, 5 A-frame, 6 apartment building, 7 mansion, 8 duplex.
QImage PaintHouse(int category, int stage);

// Rentals 1-3 small apartments, 4-6 small houses and townhouses, 7-9 bigger houses.
QImage PaintRental(int number);

}  // namespace art
