#pragma once
// The machine's clock for the game: today's year and the seconds since
// midnight.

#include "state/Ports.h"

namespace deedwell::ui {

class SystemClock : public Clock {
  public:
    int Year() const override;
    double SecondsSinceMidnight() const override;
};

}  // namespace deedwell::ui
