#pragma once
// The tutorial: a fixed chain of fourteen one-time hints for a new player.
//
// Each step runs at one place in the game (a window's 500 ms hint timer, the
// first rent, a "NEXT MONTH" press), tests its condition, presents its hint
// and sets its chain flag. Most steps need the flag of the step before, so
// the hints come in order however the player wanders. The flags live in the
// game state only, so every run starts the chain afresh.
//
// The player can switch the hints off for good with the hint window's check
// box; that choice is stored as "NoShow" in the record "Options" and read
// back each time a hint is due. Switched off, the chain still advances: only
// the window stays shut. Titles and texts keep "&&" for a literal "&"; the
// hint window shows it as one.

#include <string>
#include <string_view>

#include "state/Game.h"

namespace deedwell {

// The title and text of one step of the chain.
struct ChainHint {
    std::string_view title;
    std::string_view text;
};

inline constexpr int kChainSteps = 14;

// The hint of step 1 to 14 (steps outside that range give step 1).
const ChainHint& HintOfStep(int step);

// The hint window's caption and its check box, as the window shows them.
inline constexpr const char* kHintWindowCaption = "Training Guide";
inline constexpr const char* kHintCheckCaption = "Do not show these hints in the future.";

// Shows one hint in the hint window unless the stored option "NoSHOW" of
// "Options" is "1". A missing file or key means hints on.
void PresentHint(Game& game, std::string_view title, std::string_view text);

// The hint window's check box: "1" (ticked, hints off) or "0" into "NoShow"
// of "Options". A write that fails is ignored.
void SetHintsOff(Game& game, bool off);

// Step 1, the main screen's hint timer: the welcome, once. The flag is set
// whether or not the hint came.
void HintWelcome(Game& game);

// Step 2, after every successful rent: the first rent. The flag is set after
// every rent, whether or not the hint came.
void HintRented(Game& game);

// Steps 3, 4, 8 and 14 in this order, at the end of an accepted "NEXT MONTH"
// press (never for a homeless press, which runs no month). When several fire
// in one press, the hint window ends up showing the last. Step 8 counts the
// presses after the home window's hint and fires at exactly the sixth.
void MonthHints(Game& game);

// The steps run by the hint timers of the other windows, one each; each needs
// the step before it and fires once per run.
void HintRealEstate(Game& game);      // 5, listing browser
void HintBanker(Game& game);          // 6, banker
void HintOurHome(Game& game);         // 7, home window; starts the month count
void HintMortgage(Game& game);        // 9, borrowing window
void HintViewProperties(Game& game);  // 10, portfolio
void HintImprove(Game& game);         // 11, improvements
void HintHouseSeller(Game& game);     // 12, realtor
void HintSellHouse(Game& game);       // 13, sale window

}  // namespace deedwell
