#pragma once
// What the rules need from the world outside them. The application implements
// these with Qt, SDL and the system clock; the tests implement them with fakes
// (tests/support) so that every chance event and every message is scripted.

#include <cstdint>
#include <string>

namespace deedwell {

// The one source of chance in the game.
class Random {
public:
    virtual ~Random() = default;
    // A whole number from 1 to n, each equally likely; n below 1 gives 1.
    virtual std::int64_t Draw(std::int64_t n) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual int Year() const = 0;
    virtual double SecondsSinceMidnight() const = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information icon, OK, title GameTitle.
    virtual void ShowMessage(const std::string& text) = 0;
    // No icon, OK, title "Deedwell".
    virtual void ShowPlain(const std::string& text) = 0;
    // No icon, Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
};

// What the rules ask of the windows. Every request has a do-nothing default,
// so a rule can be run with no windows at all.
class Screens {
public:
    virtual ~Screens() = default;
    // Redraws every display of the main screen from the game.
    virtual void RefreshAll() {}
    // Shows the home window unless it is showing.
    virtual void ShowHomeWindow() {}
    // Redraws the home window's figures if it is open.
    virtual void RefreshHomeInformation() {}
    // Runs the market generation once more, quietly, once per run.
    virtual void ScheduleSecondGeneration() {}
    // Redraws the main screen's calendar only (the month moves on before the
    // rest of the month's work, some of which shows messages).
    virtual void DisplayMonth() {}
    // Redraws the listing browser at its position, if it is open.
    virtual void RefreshListingBrowser() {}
    // Closes the own-home window if it is showing.
    virtual void CloseHomeWindow() {}
    // Closes the banker window.
    virtual void CloseBanker() {}
    // Fills the banker again from its listing's file, which has changed.
    virtual void ReloadBanker() {}
    // Shows the hint window unless it is showing and puts the hint in it; an
    // open hint window simply takes the new title and text. Both keep the
    // game's "&&" for a literal ampersand.
    virtual void ShowHint(const std::string& /*title*/, const std::string& /*text*/) {}
    // Closes every window that works on a ledger row by its number (the
    // portfolio, improvements, sale, borrowing, own-home, unit and payment
    // windows): a sale has just moved the later rows up. The offer window that
    // accepted the sale closes itself and is not among them.
    virtual void CloseRowWindows() {}
    // Redraws the main screen's offers indicator from the game.
    virtual void RefreshOffersIndicator() {}
    // Redraws the realtor window's offer count, only if it is open.
    virtual void RefreshRealtorCount() {}
    // Redraws the main screen's goal and plan charts from the game.
    virtual void RefreshGoalCharts() {}
    // Shows the winning window (won, with its message) or the losing window,
    // unless that window is showing. Both stay above all other windows.
    virtual void ShowGoalWindow(bool /*won*/, const std::string& /*text*/) {}
    // Redraws the portfolio for the home it shows, if it is open; an open
    // payment window follows it.
    virtual void RefreshPortfolio() {}
};

}  // namespace deedwell
