#include "app/PlaybackController.h"

#include "app/BottomContainer.h"
#include "app/MenuBarView.h"
#include "app/ScoreBarFeed.h"
#include "app/StatusBarView.h"
#include "app/TransportBar.h"
#include "core/StatusLine.h"
#include "keyboard/KeyMap.h"
#include "library/FileOpener.h"
#include "score/Recorder.h"
#include "score/ScoreView.h"
#include "score/Transport.h"
#include "score/frmGoTo.h"

#include <QLabel>
#include <QVBoxLayout>

PlaybackController::PlaybackController(Parts parts, QObject* parent) : QObject(parent), p_(parts) {
    wireEngine();
    wireTransport();
    wireScoreView();
}

void PlaybackController::wireEngine() {
    connect(&p_.engine, &PlaybackEngine::captionChanged, &p_.caption, &QLabel::setText);
    connect(&p_.engine, &PlaybackEngine::playedTimeTextChanged, p_.statusBar.lblPlayedTime,
            &QLabel::setText);
    connect(&p_.engine, &PlaybackEngine::exitRequested, &p_.window, &QWidget::close,
            Qt::QueuedConnection);
    connect(&p_.opener, &FileOpener::captionChanged, &p_.window, &QWidget::setWindowTitle);
    connect(&p_.recorder, &Recorder::pauseRequested, &p_.transport, [this] {
        if (p_.transport.PlayState() == Transport::Playing)
            p_.transport.clickButton(Transport::PauseButton);
    });
}

void PlaybackController::wireTransport() {
    Transport& transport = p_.transport;
    new TransportBar(transport, p_.engine, p_.container.picControlBar(),
                     p_.container.trkProgressBar(), p_.statusBar.lblPlayedTime, this);
    connect(&transport, &Transport::statusChanged, &p_.status, &StatusLine::show);
    connect(&transport, &Transport::playEntryRequested, this,
            [this](const QString& entry) { p_.opener.playAllFiles(entry, true, true); });
    connect(&transport, &Transport::closeRequested, this, &PlaybackController::closeScore);
    connect(p_.menus.item(MenuEntry::FileClose), &MenuItem::triggered, this,
            &PlaybackController::closeScore);
    connect(&transport, &Transport::goToRequested, this,
            [this] { frmGoTo::Start(p_.engine, p_.transport, p_.messages, &p_.window); });
    // Exactly one playing-list mode is checked; the engine follows it at the end of each score.
    p_.menus.makeChoice(MainMenus::kListModes, this,
                        [this](int mode) { p_.engine.setListMode(EndOfScore::ListMode(mode)); });
    connect(&p_.menuBar, &MenuBarView::menuOpened, &transport, &Transport::menuOpened);
    connect(&p_.menuBar, &MenuBarView::menuClosed, &transport, &Transport::menuClosed);
}

// The score bar follows the engine and the key map; a click on a note plays from there, as the
// go-to dialog does.
void PlaybackController::wireScoreView() {
    QWidget* bar = p_.container.scoreBar();
    const KeyMap& keyMap = p_.keyMap;
    scoreView_ = new ScoreView([&keyMap](int key) { return keyMap.strKeyName(key); }, bar);
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->addWidget(scoreView_);
    scoreBarFeed_ = new ScoreBarFeed(p_.engine, p_.noteTable, *bar, *scoreView_, this);
    connect(&p_.engine, &PlaybackEngine::progressValueChanged, scoreView_,
            [this] { scoreView_->setPlayedRow(p_.engine.lngCurrentRow()); });
    connect(scoreView_, &ScoreView::rowClicked, this, [this](qint32 row) {
        p_.engine.setLngCurrentRow(row - 1);
        p_.transport.clickButton(Transport::PlayButton);
    });
    connect(&keyMap, &KeyMap::changed, scoreView_, &ScoreView::refreshKeyNames);
}

void PlaybackController::closeScore() {
    p_.transport.Close();
    scoreBarFeed_->clear();
    p_.window.setWindowTitle(QStringLiteral("Tonvale"));
}
