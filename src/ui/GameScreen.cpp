#include "ui/GameScreen.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>

#include "common/Numbers.h"
#include "hints/Hints.h"
#include "music/SoundSystem.h"
#include "simulation/Goals.h"
#include "simulation/MonthAdvance.h"
#include "simulation/Tenants.h"
#include "simulation/Wealth.h"
#include "ui/HouseSeller.h"
#include "ui/Mortgage.h"
#include "ui/OurHome.h"
#include "ui/Pictures.h"
#include "ui/RealEstate.h"
#include "ui/Text.h"
#include "ui/ViewOffer.h"
#include "ui/ViewProperties.h"
#include "ui/frmPlayer.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_GameScreen.h"

namespace deedwell::ui {

namespace {
constexpr const char* kExitQuestion = "Are you sure you want to exit?";
}  // namespace

GameScreen::GameScreen(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::GameScreen>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);

    ui_->YearChart->SetTitle(QStringLiteral("Networth Over The Year"));
    ui_->YearChart->SetValueFormat("$#,##0");
    ui_->GoalChart->SetTitle(QStringLiteral("Goal Progress"));
    ui_->GoalChart->SetColumnLabels({QStringLiteral("Net Worth"), QStringLiteral("Goal")});
    ui_->GoalChart->SetAxisFloor(100);
    ui_->GoalChart->SetValueFormat("#,##0", QStringLiteral("%"));
    ui_->PLANCHART->SetTitle(QStringLiteral("Years Of The Plan"));
    ui_->PLANCHART->SetColumnLabels({QStringLiteral("Played"), QStringLiteral("Plan")});
    ui_->PLANCHART->SetValueFormat("#,##0");

    const auto& root = registry_.game().records.Root();
    for (auto [label, name] :
         {std::pair{ui_->Offers_None, "offers_none"}, std::pair{ui_->Offers_NO, "offers_no"},
          std::pair{ui_->Offers_YES, "offers_yes"}}) {
        const QPixmap picture = DecorPicture(root, name);
        label->setToolTip(label->text());
        if (!picture.isNull()) label->setPixmap(picture);
    }

    connect(ui_->Command1, &QPushButton::clicked, this, &GameScreen::NextMonthClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &GameScreen::MyHomeClick);
    connect(ui_->Command5, &QPushButton::clicked, this,
            [this] { registry_.ShowUnlessShowing<Mortgage>(); });
    connect(ui_->Command3, &QPushButton::clicked, this,
            [this] { registry_.ShowUnlessShowing<ViewProperties>(); });
    connect(ui_->Command7, &QPushButton::clicked, this,
            [this] { registry_.ShowUnlessShowing<HouseSeller>(); });
    // Only the "offer waiting" picture answers a click.
    ui_->Offers_YES->installEventFilter(this);
    ui_->Offers_YES->setCursor(Qt::PointingHandCursor);
    connect(ui_->Command4, &QPushButton::clicked, this,
            [this] { registry_.ShowUnlessShowing<RealEstate>(); });
    // The alerts: a click (or a move with the keys) describes the alert.
    connect(ui_->Alerts, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { AlertsClick(ui_->Alerts->row(item)); });
    connect(ui_->Alerts, &QListWidget::itemSelectionChanged, this,
            [this] { AlertsClick(SelectedRow(ui_->Alerts)); });
    connect(ui_->Command6, &QPushButton::clicked, this, &GameScreen::PayClick);
    connect(ui_->Command9, &QPushButton::clicked, this, &GameScreen::PayAllClick);
    connect(ui_->Command8, &QPushButton::clicked, this, &GameScreen::IgnoreClick);
    connect(ui_->Check1, &QCheckBox::clicked, this, &GameScreen::Check1Click);
    if (registry_.music) {
        sound_ = std::make_unique<SoundSystem>(registry_.game(), registry_.music->player());
        soundTimer_ = new QTimer(this);
        soundTimer_->setObjectName("SoundSystem");
        soundTimer_->setInterval(sound_->IntervalMs());
        connect(soundTimer_, &QTimer::timeout, this, &GameScreen::SoundSystemTick);
        soundTimer_->start();
        musicWait_ = new QTimer(this);
        musicWait_->setObjectName("MusicWait");
        musicWait_->setSingleShot(true);
        musicWait_->setInterval(kMusicWaitMs);
        connect(musicWait_, &QTimer::timeout, this, &GameScreen::MusicWaitEnded);
    }

    hintTimer_->setObjectName("hint_timer");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &GameScreen::HintTimerTick);
    hintTimer_->start();

    RefreshAll();
}

GameScreen::~GameScreen() = default;

void GameScreen::RefreshAll() {
    // The goal charts write themselves back through DrawCharts; Draw then
    // shows everything else.
    RefreshGoals(registry_.game());
    Draw();
}

void GameScreen::DisplayMonth() {
    ui_->CurrentDateDisplay->setText(Q(deedwell::DisplayMonth(registry_.game())));
}

void GameScreen::Draw() {
    Game& game = registry_.game();
    const MainScreenView view = ShowMainScreen(game);
    ui_->CashBar->setText(Q(view.CashBar));
    ui_->CurrentDateDisplay->setText(Q(view.CurrentDateDisplay));
    ui_->UnitCount->setText(Q(view.UnitCount));
    ui_->RentedUnits->setText(Q(view.RentedUnits));
    ui_->VarLabel_0->setText(Q(view.PlayerName));
    ui_->VarLabel_1->setText(Q(view.PlayerAge));
    ui_->VarLabel_2->setText(Q(view.NetWorth));
    ui_->Label8->setText(Q(view.RentCollected));
    if (view.homeless) {
        ui_->HOMELESSPIC->show();
    } else {
        ui_->HOMELESSPIC->hide();
        ShowPicture(ui_->HousePic, view.HomePicture);
    }
    DrawFigures();
    DrawAlerts();
    DrawOffers();
    DrawCharts();
}

void GameScreen::DrawFigures() {
    const MainScreenData& screen = registry_.game().screen;
    ui_->PRECASH->setText(Q(screen.PRECASH));
    ui_->rPayment->setText(Q(screen.rPayment));
    ui_->mPayments->setText(Q(screen.mPayments));
    ui_->CF->setText(Q(screen.CF));
}

void GameScreen::DrawAlerts() {
    const Game& game = registry_.game();
    // Redrawing the list is not the player choosing an alert.
    const QSignalBlocker quiet(ui_->Alerts);
    ui_->Alerts->clear();
    ui_->AlertAmount->clear();
    ui_->TaxYears->clear();
    for (const Alert& alert : game.alerts) {
        ui_->Alerts->addItem(Q(alert.text));
        ui_->AlertAmount->addItem(Q(NumberText(alert.amount)));
        ui_->TaxYears->addItem(QString::number(alert.taxYears));
    }
    const int selected = game.screen.SelectedAlert;
    if (selected >= 0 && selected < ui_->Alerts->count()) ui_->Alerts->setCurrentRow(selected);
    ui_->AlertMessage->setText(Q(game.screen.AlertMessage));
}

void GameScreen::DrawOffers() {
    const OffersIndicator offers = registry_.game().screen.Offers;
    ui_->Offers_None->setVisible(offers == OffersIndicator::None);
    ui_->Offers_NO->setVisible(offers == OffersIndicator::NoOffers);
    ui_->Offers_YES->setVisible(offers == OffersIndicator::OfferWaiting);
}

void GameScreen::DrawCharts() {
    const MainScreenData& screen = registry_.game().screen;
    std::vector<BarChart::Bar> years;
    for (const ChartRow& row : screen.YearChart) years.push_back({Q(row.label), row.value});
    ui_->YearChart->SetRows(std::move(years));
    for (int column = 1; column <= 2; ++column) {
        const auto index = static_cast<std::size_t>(column - 1);
        ui_->GoalChart->SetColumn(column, screen.GoalChart[index]);
        ui_->PLANCHART->SetColumn(column, screen.PlanChart[index]);
    }
}

void GameScreen::NextMonthClick() {
    if (monthRunning_) return;
    monthRunning_ = true;
    QPointer<GameScreen> self(this);
    NextMonth(registry_.game());
    if (!self) return;
    monthRunning_ = false;
    // The month's last steps (offers, goals, repair requests) come after its
    // own refresh of this screen.
    if (!registry_.Quitting()) Draw();
}

void GameScreen::MyHomeClick() {
    OurHome* home = registry_.ShowUnlessShowing<OurHome>();
    home->RefreshInformation();
}

void GameScreen::OffersClick() {
    ViewOffer::OpenNextOffer(registry_);
}

bool GameScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Offers_YES && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OffersClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameScreen::AlertsClick(int row) {
    if (row < 0) return;
    SelectAlert(registry_.game(), row);
    ui_->AlertMessage->setText(Q(registry_.game().screen.AlertMessage));
}

// The alert rules refresh the whole screen when the cash changed; the list
// and its message are redrawn here in every case, since an ignored last
// request or a stopped "Pay All" changes them without a refresh.
void GameScreen::PayClick() {
    PayAlert(registry_.game(), SelectedRow(ui_->Alerts));
    DrawAlerts();
}

void GameScreen::PayAllClick() {
    PayAllAlerts(registry_.game());
    DrawAlerts();
}

void GameScreen::IgnoreClick() {
    IgnoreAlert(registry_.game(), SelectedRow(ui_->Alerts));
    DrawAlerts();
}

void GameScreen::HintTimerTick() {
    hintTimer_->stop();
    HintWelcome(registry_.game());
}

void GameScreen::closeEvent(QCloseEvent* event) {
    Game& game = registry_.game();
    if (!registry_.Quitting() && !game.dialogs.AskYesNo(game.state.GameTitle, kExitQuestion)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    registry_.EndProgram();
}

}  // namespace deedwell::ui

namespace deedwell::ui {

void GameScreen::Check1Click(bool checked) {
    if (!registry_.music) return;
    MuteGameMusic(registry_.music->player(), checked);
    registry_.music->Sync();
}

void GameScreen::SoundSystemTick() {
    // The wait runs beside everything else: no event loop inside this tick,
    // so a month being computed is never interleaved with another action.
    if (sound_ && sound_->Tick()) musicWait_->start();
}

void GameScreen::MusicWaitEnded() {
    if (registry_.Quitting()) return;
    sound_->AfterWait();
    registry_.music->Sync();
    soundTimer_->setInterval(sound_->IntervalMs());
    // The first start makes good the strip's promise to vanish.
    if (frmPlayer* strip = registry_.Find<frmPlayer>()) strip->hide();
}

}  // namespace deedwell::ui
