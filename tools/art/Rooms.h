#pragma once
// Kitchens and bathrooms in three levels, from dated to modern.

#include <QString>

namespace art {

// Writes homecreation/kitchen/ks_1..3 and k_1..3, homecreation/bathroom/bath_1..3 and b_1..3.
bool SaveRooms(const QString& dataDir);

}  // namespace art
