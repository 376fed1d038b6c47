// Bad input in every box where the player types: the new-game boxes, the
// bank's desired loan, the extra payment and the music player's file field.
//
// Each cell enters one text (typed, set from code or pasted with a line
// break), presses the box's button and checks what the game took, what it
// told the player, that the window is still usable for a good entry, and
// that nothing broken reached the game or its record files.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "finance/ListingFiles.h"
#include "finance/Purchase.h"
#include "music/FakePlayback.h"
#include "records/RecordFiles.h"
#include "ui/Addons.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/NewGame.h"
#include "ui/ViewProperties.h"
#include "ui/frmPlayer.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;

// ------------------------------------------------------------------ entry --

enum class How {
    Typed,    // typed over the whole box, as a player does
    SetText,  // set from code
    Paste,    // pasted over the whole box with Ctrl+V
};

void Enter(QLineEdit* box, const QString& text, How how) {
    if (!box) return;
    switch (how) {
        case How::SetText:
            box->setText(text);
            return;
        case How::Typed:
            box->selectAll();
            if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, text);
            return;
        case How::Paste:
            box->selectAll();
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return;
    }
}

// What one press made of the box's text.
struct Observed {
    std::optional<std::string> taken;  // what the game took from the box
    std::vector<std::string> told;     // messages shown; the player's status line
    bool stillShowing = false;         // the window stayed open
    bool goodEntryTaken = false;       // a good entry afterwards went through
};

// ------------------------------------------------------ game consistency --

// No record line broken by a line break in a value, and no value that is not
// a number where a number went wrong ("nan", "inf").
void ExpectRecordFilesSound(const fs::path& root) {
    static const std::set<std::string> broken = {"nan",  "-nan",     "inf",
                                                 "-inf", "infinity", "-infinity"};
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".var") continue;
        std::string content;
        ReadWholeFile(entry.path(), content);
        std::string_view rest = content;
        while (!rest.empty()) {
            const auto end = rest.find("\r\n");
            const std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
            EXPECT_TRUE(line.starts_with("|||")) << entry.path() << ": " << line;
            const auto bars = line.find("|||", 3);
            if (bars == std::string_view::npos) continue;
            std::string value(line.substr(bars + 3));
            for (char& c : value)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_FALSE(broken.count(value)) << entry.path() << ": " << line;
        }
    }
}

// Cash and every ledger number finite, each owned home once with the units
// its listing has, no principal below zero, and sound record files.
void ExpectConsistent(const UiGame& g) {
    const GameState& s = g.game.state;
    EXPECT_TRUE(std::isfinite(CashOf(s)));
    for (double value : {s.CashAtMonthStart, s.NewLoanAmount, s.GoalYears, s.LivingCost}) {
        EXPECT_TRUE(std::isfinite(value));
    }
    std::set<std::string> listings;
    for (const OwnedHome& home : g.game.ledger.Rows()) {
        for (double value : {home.payment, home.principal, home.rate, home.term, home.purchaseValue,
                             home.value, home.kitchen, home.bathroom, home.category, home.stage,
                             home.neighbourhood, home.condition, home.rent, home.waitPeriod}) {
            EXPECT_TRUE(std::isfinite(value)) << home.listing;
        }
        EXPECT_GE(home.principal, 0) << home.listing;
        EXPECT_TRUE(listings.insert(home.listing).second) << "owned twice: " << home.listing;
        const double units = NumberOf(g.shell.records.ReadListingValue("UNITS", home.listing));
        EXPECT_GE(home.units.size(), 1u) << home.listing;
        EXPECT_EQ(static_cast<double>(home.units.size()), units) << home.listing;
    }
    ExpectRecordFilesSound(g.shell.dir.Path());
}

// ------------------------------------------------------------- new game --

enum class Box { Name, Age, Goal, Years, Loan, Payment, File };

const char* NewGameBoxName(Box box) {
    switch (box) {
        case Box::Name:
            return "Text1";
        case Box::Age:
            return "Text2";
        case Box::Goal:
            return "GoalBox";
        default:
            return "PlanBox";
    }
}

// The value the started life holds for the box, as text.
std::string NewGameValue(const GameState& s, Box box) {
    switch (box) {
        case Box::Name:
            return s.PlayerName;
        case Box::Age:
            return s.PlayerAge;
        case Box::Goal:
            return s.NetWorthGoal;
        default:
            return NumberText(s.GoalYears);
    }
}

std::string AsRemembered(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

// A started life has an age, a goal and years that the month and goal rules
// can work with, and the record "default" remembers its name and age.
void ExpectUsableLife(const UiGame& g) {
    const GameState& s = g.game.state;
    const auto age = ParseNumber(s.PlayerAge);
    ASSERT_TRUE(age.has_value()) << s.PlayerAge;
    EXPECT_TRUE(*age >= 1 && *age <= 120) << *age;
    const auto goal = ParseNumber(s.NetWorthGoal);
    ASSERT_TRUE(goal.has_value()) << s.NetWorthGoal;
    EXPECT_TRUE(*goal == Int(*goal) && *goal >= 1 && *goal <= 999999999999.0) << *goal;
    EXPECT_TRUE(s.GoalYears == Int(s.GoalYears) && s.GoalYears >= 1 && s.GoalYears <= 100)
        << s.GoalYears;
    EXPECT_EQ(g.shell.records.ReadRecordValue("NAME", "default"), AsRemembered(s.PlayerName));
    EXPECT_EQ(g.shell.records.ReadRecordValue("AGE", "default"), AsRemembered(s.PlayerAge));
}

// One box of the new-game window gets the text; the others hold good values
// and the custom goal or years box is ticked when it is the one tried.
Observed TryNewGame(Box box, const QString& text, How how) {
    UiGame g;
    ui::NewGame* window = g.registry.ShowUnlessShowing<ui::NewGame>();
    Enter(Control<QLineEdit>(window, "Text1"), "Robin", How::Typed);
    Enter(Control<QLineEdit>(window, "Text2"), "30", How::Typed);
    Control<QCheckBox>(window, "Goal")->setChecked(box == Box::Goal);
    Control<QCheckBox>(window, "PlanCheck")->setChecked(box == Box::Years);
    QLineEdit* field = Control<QLineEdit>(window, NewGameBoxName(box));
    Enter(field, text, how);
    Click(window, "Command1");

    Observed seen;
    seen.told = g.shell.dialogs.Texts();
    const bool started = g.game.state.Cash.has_value();
    if (started) {
        seen.taken = NewGameValue(g.game.state, box);
        ExpectUsableLife(g);
    }
    ExpectConsistent(g);
    seen.stillShowing = g.registry.IsShowing<ui::NewGame>();
    EXPECT_EQ(g.endRequests, 0);
    if (seen.stillShowing) {
        const char* good[] = {"Robin", "30", "50,000", "7"};
        Enter(field, good[static_cast<int>(box)], How::Typed);
        Click(window, "Command1");
        seen.goodEntryTaken = g.game.state.Cash.has_value() && g.registry.IsShowing<ui::Addons>();
    }
    return seen;
}

// ------------------------------------------------- bank and payment window --

// The sample house bought through the banker at 8 % with 20 % down over 30
// years: the bank lends 88,580 on a home appraised at 106,090, so 17,510 of
// equity; 10,000 cash is left afterwards.
void BuyTheSampleHouse(UiGame& g) {
    WriteListing(g.shell, "5", SampleHouse());
    GameState& s = g.game.state;
    s.Cash = 30000;
    s.MonthlyIncome = "4800";
    s.LivingCost = 700;
    const BankerView view = LoadBanker(g.game, "5", kDefaultRateOption, 0);
    ASSERT_TRUE(Deal(g.game, view.snapshot, kDefaultRateOption, 0));
    g.shell.dialogs.shown.clear();
    s.Cash = 10000;
}

Observed TryDesiredLoan(const QString& text, How how) {
    UiGame g;
    BuyTheSampleHouse(g);
    const double principal = g.game.ledger.Row(0).principal;
    ui::Mortgage* bank = g.registry.ShowUnlessShowing<ui::Mortgage>();
    QLineEdit* field = Control<QLineEdit>(bank, "DesiredLoan");
    Enter(field, text, how);
    Click(bank, "Command1");
    g.Settle();

    Observed seen;
    seen.told = g.shell.dialogs.Texts();
    const double after = g.game.ledger.Row(0).principal;
    if (after != principal) {
        // The principal loses its cents, then takes the loan.
        const double loan = after - Int(principal);
        seen.taken = NumberText(loan);
        EXPECT_NEAR(CashOf(g.game.state), 10000 + loan - 0.02 * loan, 1e-9);
    } else {
        EXPECT_EQ(CashOf(g.game.state), 10000);
    }
    ExpectConsistent(g);
    seen.stillShowing = g.registry.IsShowing<ui::Mortgage>();
    if (seen.stillShowing) {
        Enter(field, "1000", How::Typed);
        Click(bank, "Command1");
        g.Settle();
        seen.goodEntryTaken = !g.registry.IsShowing<ui::Mortgage>() &&
                              g.game.ledger.Row(0).principal == Int(principal) + 1000;
    }
    return seen;
}

Observed TryExtraPayment(const QString& text, How how) {
    UiGame g;
    BuyTheSampleHouse(g);
    const double principal = g.game.ledger.Row(0).principal;
    Click(g.registry.ShowUnlessShowing<ui::ViewProperties>(), "Command1");
    ui::MakePayment* window = g.registry.Find<ui::MakePayment>();
    EXPECT_NE(window, nullptr);
    QLineEdit* field = Control<QLineEdit>(window, "Text1");
    Enter(field, text, how);
    Click(window, "Command1");
    g.Settle();

    Observed seen;
    seen.told = g.shell.dialogs.Texts();
    const double after = g.game.ledger.Row(0).principal;
    if (after != principal) {
        const double paid = principal - after;
        seen.taken = NumberText(paid);
        EXPECT_EQ(CashOf(g.game.state), 10000 - RoundHalfAway(paid));
    } else {
        EXPECT_EQ(CashOf(g.game.state), 10000);
    }
    ExpectConsistent(g);
    seen.stillShowing = g.registry.IsShowing<ui::MakePayment>();
    if (seen.stillShowing) {
        Enter(field, "1000", How::Typed);
        Click(window, "Command1");
        g.Settle();
        seen.goodEntryTaken = !g.registry.IsShowing<ui::MakePayment>() &&
                              NumberText(principal - g.game.ledger.Row(0).principal) == "1000";
    }
    return seen;
}

// --------------------------------------------------------------- player --

// A music output that opens only files that are there, as the real one does.
struct DiskPlayback : FakePlayback {
    PlaybackResult Load(const std::string& path) override {
        std::error_code error;
        if (!fs::is_regular_file(path, error)) missing.insert(path);
        return FakePlayback::Load(path);
    }
};

// The music outlives the windows, as in the game: the base made first goes last.
struct MusicParts {
    DiskPlayback playback;
    ui::GameMusic music{playback};
};

struct PlayerGame : MusicParts, UiGame {
    PlayerGame() { registry.music = &music; }
};

// A tune is named in the field (the buttons are on), then the text replaces
// it and Play is pressed. The status line is what the player is told; taken
// is a file other than the tune that now plays.
Observed TryPlayerFile(const QString& text, How how) {
    PlayerGame g;
    const fs::path tune = g.shell.dir.Path() / "tune.mp3";
    ReplaceWholeFile(tune, std::string(400, 'x'));
    ui::frmPlayer* player = g.registry.ShowUnlessShowing<ui::frmPlayer>();
    player->ShowControls(true);
    QLineEdit* field = Control<QLineEdit>(player, "txtFile");
    auto* play = Control<QPushButton>(player, "cmdPlay");
    Enter(field, QString::fromStdString(tune.string()), How::Typed);
    EXPECT_TRUE(play->isEnabled());

    Enter(field, text, how);
    if (play->isEnabled()) Click(player, "cmdPlay");

    Observed seen;
    seen.told = {TextOf(player, "lblStatus")};
    EXPECT_TRUE(g.shell.dialogs.shown.empty());  // the player never shows a box
    const bool running = g.playback.State() == Playback::kRunning;
    if (running && g.playback.loads.back() != tune.string()) seen.taken = g.playback.loads.back();
    ExpectConsistent(g);
    seen.stillShowing = g.registry.IsShowing<ui::frmPlayer>();
    Enter(field, QString::fromStdString(tune.string()), How::Typed);
    Click(player, "cmdPlay");
    seen.goodEntryTaken = g.playback.State() == Playback::kRunning &&
                          g.playback.loads.back() == tune.string() &&
                          TextOf(player, "lblStatus") == "Playing...";
    return seen;
}

Observed Try(Box box, const QString& text, How how) {
    switch (box) {
        case Box::Loan:
            return TryDesiredLoan(text, how);
        case Box::Payment:
            return TryExtraPayment(text, how);
        case Box::File:
            return TryPlayerFile(text, how);
        default:
            return TryNewGame(box, text, how);
    }
}

// ---------------------------------------------------------------- table --

struct Expected {
    const char* taken;  // nullptr: nothing taken
    const char* told;   // "" for nothing
};
// Accepted with the value the game keeps (and what it says doing so).
constexpr Expected Takes(const char* value, const char* told = "") {
    return {value, told};
}
// Refused with a message; nothing changes.
constexpr Expected Refuses(const char* told) {
    return {nullptr, told};
}

struct Cell {
    Box box;
    How how;
    const char* text;
    Expected expected;
};

const char* const kHuge = "99999999999999999999";
const char* const kBadAge = "Your Age must be a whole number from 1 to 120.";
const char* const kBadGoal =
    "Your own Networth Goal must be a whole amount from $1 to $999,999,999,999.";
const char* const kBadYears = "Your own Years to Reach Goal must be a number from 1 to 100.";
const char* const kNoEquity =
    "You cannot borrow this amount.  You do not have enough equity in your home.";
const char* const kLoanTooSmall = "Please enter a loan amount of at least $1.";
const char* const kPaymentTooSmall = "Please enter a payment amount of at least $1.";
const char* const kNoCash = "Not enough cash in the bank folks.";
const char* const kPosted = "Your payment has been posted to your mortgage.";

// Cells the window tests already pin are left out: an empty, lettered or zero
// age; a lettered or zero goal; lettered, zero or negative years; an empty,
// lettered, zero or negative loan; an empty, lettered, zero, negative or
// below-a-dollar payment; and an emptied file field.
const Cell kCells[] = {
    // The name is free text, kept as typed; the record "default" remembers a
    // line break as a space so the next start shows one line.
    {Box::Name, How::Typed, "", Takes("")},
    {Box::Name, How::Typed, "abc", Takes("abc")},
    {Box::Name, How::Typed, "-5", Takes("-5")},
    {Box::Name, How::Typed, "0", Takes("0")},
    {Box::Name, How::Typed, kHuge, Takes(kHuge)},
    {Box::Name, How::Typed, "12.75", Takes("12.75")},
    {Box::Name, How::Typed, "0.5", Takes("0.5")},
    {Box::Name, How::SetText, "12\n000", Takes("12\n000")},
    {Box::Name, How::Paste, "12\n000", Takes("12\n000")},

    {Box::Age, How::Typed, "-5", Refuses(kBadAge)},
    {Box::Age, How::Typed, kHuge, Refuses(kBadAge)},
    {Box::Age, How::Typed, "12.75", Refuses(kBadAge)},
    {Box::Age, How::Typed, "0.5", Refuses(kBadAge)},
    {Box::Age, How::SetText, "12\n000", Refuses(kBadAge)},
    {Box::Age, How::Paste, "12\n000", Refuses(kBadAge)},

    // Decimals round to whole dollars in the goal.
    {Box::Goal, How::Typed, "", Refuses(kBadGoal)},
    {Box::Goal, How::Typed, "-5", Refuses(kBadGoal)},
    {Box::Goal, How::Typed, kHuge, Refuses(kBadGoal)},
    {Box::Goal, How::Typed, "12.75", Takes("13")},
    {Box::Goal, How::Typed, "0.5", Takes("1")},
    {Box::Goal, How::SetText, "12\n000", Refuses(kBadGoal)},
    {Box::Goal, How::Paste, "12\n000", Refuses(kBadGoal)},

    // Years keep their whole part.
    {Box::Years, How::Typed, "", Refuses(kBadYears)},
    {Box::Years, How::Typed, kHuge, Refuses(kBadYears)},
    {Box::Years, How::Typed, "12.75", Takes("12")},
    {Box::Years, How::Typed, "0.5", Refuses(kBadYears)},
    {Box::Years, How::SetText, "12\n000", Refuses(kBadYears)},
    {Box::Years, How::Paste, "12\n000", Refuses(kBadYears)},

    // Whole dollars are lent; the fee is 2 % of what is lent.
    {Box::Loan, How::Typed, kHuge, Refuses(kNoEquity)},
    {Box::Loan, How::Typed, "12.75",
     Takes("12",
           "We thank you for your business.  You have paid financing fees of 0.24 for this "
           "transaction.")},
    {Box::Loan, How::Typed, "0.5", Refuses(kLoanTooSmall)},
    {Box::Loan, How::SetText, "12\n000", Refuses(kLoanTooSmall)},
    {Box::Loan, How::Paste, "12\n000", Refuses(kLoanTooSmall)},

    // Whole dollars are paid.
    {Box::Payment, How::Typed, kHuge, Refuses(kNoCash)},
    {Box::Payment, How::Typed, "12.75", Takes("12", kPosted)},
    {Box::Payment, How::SetText, "12\n000", Refuses(kPaymentTooSmall)},
    {Box::Payment, How::Paste, "12\n000", Refuses(kPaymentTooSmall)},

    // A name that is not a music file leaves the buttons as they were, so Play
    // tries it and the status line says why nothing plays.
    {Box::File, How::Typed, "abc", Refuses("Cannot open abc")},
    {Box::File, How::Typed, "-5", Refuses("Cannot open -5")},
    {Box::File, How::Typed, "0", Refuses("Cannot open 0")},
    {Box::File, How::Typed, kHuge, Refuses("Cannot open 99999999999999999999")},
    {Box::File, How::Typed, "12.75", Refuses("Cannot open 12.75")},
    {Box::File, How::Typed, "0.5", Refuses("Cannot open 0.5")},
    {Box::File, How::Paste, "12\n000", Refuses("Cannot open 12\n000")},
    // The field follows the player's own typing only: text set from code is
    // not taken, and the tune named before plays.
    {Box::File, How::SetText, "12\n000", {nullptr, "Playing..."}},
};

std::string Describe(const Cell& cell) {
    const char* boxes[] = {"name", "age", "goal", "years", "loan", "payment", "file"};
    const char* hows[] = {"typed", "set", "pasted"};
    std::string text = cell.text;
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n')) {
        text.replace(at, 1, "\\n");
    }
    return std::string(boxes[static_cast<int>(cell.box)]) + " " + hows[static_cast<int>(cell.how)] +
           " '" + text + "'";
}

TEST(BadInput, EveryBoxTakesRefusesOrIgnoresAndTheGameStaysSound) {
    for (const Cell& cell : kCells) {
        SCOPED_TRACE(Describe(cell));
        const Observed seen = Try(cell.box, QString::fromUtf8(cell.text), cell.how);

        if (cell.expected.taken) {
            EXPECT_EQ(seen.taken, std::optional<std::string>(cell.expected.taken));
        } else {
            EXPECT_EQ(seen.taken, std::nullopt);
        }
        const std::string told = cell.expected.told;
        if (cell.box == Box::File) {
            EXPECT_EQ(seen.told, std::vector<std::string>{told});
        } else {
            EXPECT_EQ(seen.told,
                      told.empty() ? std::vector<std::string>{} : std::vector<std::string>{told});
        }
        // A refusal keeps the window, ready for a good entry; the player's
        // window never closes.
        const bool staysOpen = !cell.expected.taken || cell.box == Box::File;
        EXPECT_EQ(seen.stillShowing, staysOpen);
        if (staysOpen) {
            EXPECT_TRUE(seen.goodEntryTaken);
        }
    }
}

}  // namespace
}  // namespace deedwell::testing
