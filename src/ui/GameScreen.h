#pragma once
// The main screen: the hub of the game. It shows the player's cash, life,
// home, last month's figures, the alerts, the offers indicator and three
// charts, advances time with "NEXT MONTH", and opens the other windows.
//
// It draws only what the game holds: the rules write the game, then ask for
// RefreshAll. Closing it asks whether to end the program.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class GameScreen;
}

namespace deedwell {
class SoundSystem;
}

namespace deedwell::ui {

class WindowRegistry;

class GameScreen : public QWidget {
    Q_OBJECT

  public:
    explicit GameScreen(WindowRegistry& registry);
    ~GameScreen() override;

    // Every display of the main screen, from the game; the goal and plan
    // charts are brought up to date first.
    void RefreshAll();
    // The calendar only.
    void DisplayMonth();
    // The offers indicator only.
    void DrawOffers();
    // The three charts only, as the game holds them.
    void DrawCharts();

    // "NEXT MONTH" (Command1). A press that arrives while a month runs is
    // ignored.
    void NextMonthClick();

    // "My Home && Utilities" (Command2).
    void MyHomeClick();

    // A click on the offers indicator while an offer waits (Offers_YES).
    void OffersClick();

    // The financial alerts: a click on the list (Alerts), "PAY" (Command6),
    // "Pay All" (Command9) and "IGNORE" (Command8).
    void AlertsClick(int row);
    void PayClick();
    void PayAllClick();
    void IgnoreClick();

    // "Mute Game Music" (Check1): ticked pauses the music, unticked plays it.
    void Check1Click(bool checked);
    // The music timer (SoundSystem): starts the music 5 seconds after it is
    // due, without holding anything up meanwhile.
    void SoundSystemTick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Draw();
    void DrawFigures();
    void DrawAlerts();
    void HintTimerTick();
    void MusicWaitEnded();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::GameScreen> ui_;
    QTimer* hintTimer_;
    QTimer* soundTimer_ = nullptr;  // only when the game has music
    QTimer* musicWait_ = nullptr;   // the 5 seconds before each start
    std::unique_ptr<SoundSystem> sound_;
    bool monthRunning_ = false;
};

}  // namespace deedwell::ui
