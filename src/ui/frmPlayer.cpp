#include "ui/frmPlayer.h"

#include <QFileDialog>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>

#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_frmPlayer.h"

namespace deedwell::ui {

// ---- GameMusic ----

GameMusic::GameMusic(Playback& playback, QObject* parent)
    : QObject(parent), player_(playback), playTimer_(new QTimer(this)) {
    playTimer_->setObjectName("playTimer");
    playTimer_->setInterval(kPlayTimerMs);
    connect(playTimer_, &QTimer::timeout, this, &GameMusic::PlayTimerTick);
}

GameMusic::~GameMusic() {
    // The end of the run is the end of the music.
    player_.Unload();
}

void GameMusic::Sync() {
    if (!player_.PlayTimerOn()) {
        playTimer_->stop();
    } else if (!playTimer_->isActive()) {
        playTimer_->start();
    }
    emit Changed();
}

void GameMusic::SetFileText(const QString& text) {
    player_.SetFileText(Std(text));
    Sync();
}

void GameMusic::Browse(const QString& chosen) {
    player_.Browse(Std(chosen));
    Sync();
}

void GameMusic::SetLoop(LoopBox state) {
    player_.SetLoop(state);
    Sync();
}

void GameMusic::Play() {
    player_.Play();
    Sync();
}

void GameMusic::PausePlay() {
    player_.PausePlay();
    Sync();
}

void GameMusic::StopPlay() {
    player_.StopPlay();
    Sync();
}

void GameMusic::Forward() {
    player_.Forward();
    Sync();
}

void GameMusic::Rewind() {
    player_.Rewind();
    Sync();
}

void GameMusic::SliderChanged(int value) {
    player_.SliderChanged(value);
    Sync();
}

void GameMusic::SliderClicked(int value) {
    player_.SliderClicked(value);
    Sync();
}

void GameMusic::PlayTimerTick() {
    player_.Tick();
    Sync();
}

// ---- frmPlayer ----

namespace {

Qt::CheckState CheckStateOf(LoopBox box) {
    switch (box) {
        case LoopBox::Checked:
            return Qt::Checked;
        case LoopBox::Unchecked:
            return Qt::Unchecked;
        case LoopBox::Grey:
            break;
    }
    return Qt::PartiallyChecked;
}

}  // namespace

frmPlayer::frmPlayer(WindowRegistry& registry)
    // A borderless strip without a task-bar entry.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      chooseFile([](QWidget* parent, const QString& title, const QString& filter) {
          return QFileDialog::getOpenFileName(parent, title, QString(), filter);
      }),
      music_(*registry.music),
      ui_(std::make_unique<Ui::frmPlayer>()) {
    ui_->setupUi(this);
    const auto& root = registry.game().records.Root();
    const QPixmap note = DecorPicture(root, "music_note");
    const QPixmap speaker = DecorPicture(root, "music_speaker");
    ui_->ImgIco_0->setPixmap(note);
    ui_->ImgIco_1->setPixmap(speaker);
    icons_[0] = QIcon(note);
    icons_[1] = QIcon(speaker);
    setWindowIcon(icons_[0]);
    setWindowTitle(Q(kPlayerCaption));
    Connect();
    Redraw();
}

frmPlayer::~frmPlayer() = default;

void frmPlayer::Connect() {
    connect(&music_, &GameMusic::Changed, this, &frmPlayer::Redraw);
    // Only the player's own typing; the field follows the player otherwise.
    connect(ui_->txtFile, &QLineEdit::textEdited, &music_, &GameMusic::SetFileText);
    connect(ui_->cmdBrowse, &QPushButton::clicked, this, &frmPlayer::BrowseClick);
    connect(ui_->cmdPlay, &QPushButton::clicked, &music_, &GameMusic::Play);
    connect(ui_->cmdPause, &QPushButton::clicked, &music_, &GameMusic::PausePlay);
    connect(ui_->cmdStop, &QPushButton::clicked, &music_, &GameMusic::StopPlay);
    connect(ui_->cmdFF, &QPushButton::clicked, &music_, &GameMusic::Forward);
    connect(ui_->cmdRew, &QPushButton::clicked, &music_, &GameMusic::Rewind);
    connect(ui_->chkLoop, &QCheckBox::clicked, this, [this] {
        music_.SetLoop(ui_->chkLoop->checkState() == Qt::Checked ? LoopBox::Checked
                                                                 : LoopBox::Unchecked);
    });
    connect(ui_->VolSlider, &QSlider::valueChanged, this, [this](int value) {
        music_.SliderChanged(value);
        ShowSliderText();
    });
    connect(ui_->VolSlider, &QSlider::sliderPressed, this, [this] {
        music_.SliderClicked(ui_->VolSlider->value());
        ShowSliderText();
    });
    // Every event moves the focus where the player says.
    connect(&music_, &GameMusic::Changed, this, &frmPlayer::TakeFocus);
}

void frmPlayer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Low on the screen, clear of the loading window in the middle.
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(QPoint(area.center().x(), area.bottom() - area.height() / 6));
        move(frame.topLeft());
    }
}

void frmPlayer::ShowControls(bool shown) {
    ui_->PlayerPanel->setVisible(shown);
    adjustSize();
}

void frmPlayer::Redraw() {
    const PlayerView& view = music_.View();
    if (ui_->txtFile->text() != Q(view.txtFile)) ui_->txtFile->setText(Q(view.txtFile));
    ui_->txtFile->setEnabled(view.fileEnabled);
    ui_->cmdBrowse->setEnabled(view.fileEnabled);
    for (QPushButton* button :
         {ui_->cmdPlay, ui_->cmdPause, ui_->cmdStop, ui_->cmdRew, ui_->cmdFF}) {
        button->setEnabled(view.buttonsEnabled);
    }
    // Grey only as the player sets it; a click then ticks or unticks it.
    ui_->chkLoop->setCheckState(CheckStateOf(view.chkLoop));
    ui_->chkLoop->setTristate(view.chkLoop == LoopBox::Grey);
    {
        const QSignalBlocker quiet(ui_->VolSlider);
        ui_->VolSlider->setValue(view.VolSlider);
    }
    ui_->VolSlider->setToolTip(Q(view.sliderText));
    ui_->lblTimer->setText(Q(view.lblTimer));
    ui_->lblStatus->setText(Q(view.lblStatus));
    ui_->picProgBack->setVisible(view.progressVisible);
    ui_->picProg->setValue(static_cast<int>(view.progress * ui_->picProg->maximum()));
    ui_->txtInfo->setText(Q(view.txtInfo));
    setWindowIcon(icons_[view.icon == 1 ? 1 : 0]);
    setWindowTitle(LabelCaption(view.caption.empty() ? kPlayerCaption : view.caption));
}

void frmPlayer::BrowseClick() {
    const QString chosen =
        chooseFile ? chooseFile(this, Q(kBrowseTitle), Q(kBrowseFilter)) : QString();
    music_.Browse(chosen);
}

void frmPlayer::TakeFocus() {
    const std::string name = music_.player().TakeFocus();
    if (name.empty()) return;
    if (auto* control = findChild<QWidget*>(Q(name))) control->setFocus();
}

void frmPlayer::ShowSliderText() {
    const QString text = Q(music_.View().sliderText);
    QSlider* slider = ui_->VolSlider;
    QToolTip::showText(slider->mapToGlobal(QPoint(slider->width(), slider->height() / 2)), text,
                       slider);
}

}  // namespace deedwell::ui
