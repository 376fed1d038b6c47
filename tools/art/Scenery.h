#pragma once
// The decorative pictures the windows show: title card, loading and add-on
// backgrounds, the offers indicator, the signs, the goal pictures, the hint
// picture, the music player's icons, the new-game background and the icon.

#include <QString>

namespace art {

bool SaveScenery(const QString& dataDir);

}  // namespace art
