// The game window's size: zoom, full screen, where the boxes and the arena go, and the View menu.
#include "frmVyre.h"

#include "Wording.h"

#include "ArenaView.h"
#include "Board.h"
#include "CharsLeft.h"
#include "Convert.h"
#include "GameBoxes.h"
#include "MatchControl.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMenu>

using namespace boxes;

BoardLayout BoardLayout::For(int arenaWidth, int arenaHeight) {
    BoardLayout l;
    const int half = static_cast<int>(convert::RoundHalfEven(arenaWidth / 2.0));
    for (int i = 0; i < 8; ++i) l.scoreLeft[i] = ArenaLeft + half - 80 + 24 * i;
    l.stopGoLeft = ArenaLeft + half + 140;
    l.statusWidth = arenaWidth;
    // The window keeps an 8-pixel margin at either side and 10 below the arena.
    l.clientWidth = arenaWidth + 2 * ArenaLeft;
    l.clientHeight = arenaHeight + ArenaTop + 10;
    return l;
}

void frmVyre::BuildViewMenu() {
    mView_ = new QMenu(this);
    words_->Set(mView_, &QMenu::setTitle, QT_TR_NOOP("&View"));
    QMenu* zoomMenu = mView_->addMenu(QString());
    words_->Set(zoomMenu, &QMenu::setTitle, QT_TR_NOOP("&Zoom"));
    zoomGroup_ = new QActionGroup(this);
    // Only the zooms at which the window fits the screen are offered.
    connect(zoomMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : zoomGroup_->actions()) a->setEnabled(ZoomFits(a->data().toInt()));
    });
    for (int z = 1; z <= zoom::Largest + 1; ++z) {
        const int value = z <= zoom::Largest ? z : zoom::Auto;
        QAction* a = zoomMenu->addAction(QString());
        words_->Add([a, value] { a->setText(value == zoom::Auto ? tr("&Auto") : tr("&%1\u00d7").arg(value)); });
        a->setCheckable(true);
        a->setData(value);
        a->setChecked(value == view_.zoom);
        zoomGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, value] { SetZoom(value); });
    }
    zoomMenu->addSeparator();
    // Keys that work in either window: the actions belong to this window and to the menu.
    auto key = [this, zoomMenu](const char* text, const QKeySequence& seq, auto slot) {
        QAction* a = zoomMenu->addAction(QString(), this, slot);
        words_->Set(a, &QAction::setText, text);
        a->setShortcut(seq);
        addAction(a);
        return a;
    };
    QAction* in = key(QT_TR_NOOP("Zoom &In"), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                      [this] {
                          const int next = std::min(zoom::Largest, std::max(1, ZoomNow() + 1));
                          if (ZoomFits(next)) SetZoom(next);
                      });
    in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    key(QT_TR_NOOP("Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
        [this] { SetZoom(std::max(1, ZoomNow() - 1)); });
    key(QT_TR_NOOP("&Best Fit"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { SetZoom(zoom::Auto); });
    fullscreen_ = mView_->addAction(QT_TR_NOOP("&Fullscreen"));
    fullscreen_->setCheckable(true);
    fullscreen_->setShortcut(QKeySequence(Qt::Key_F11));
    addAction(fullscreen_);
    connect(fullscreen_, &QAction::triggered, this, [this](bool on) { SetFullscreen(on); });
    mView_->addSeparator();
    QMenu* colours = mView_->addMenu(QString());
    words_->Set(colours, &QMenu::setTitle, QT_TR_NOOP("&Colours"));
    coloursGroup_ = new QActionGroup(this);
    for (const auto& [text, mode] : {std::pair{QT_TR_NOOP("&As chosen"), palette::Colours::AsChosen},
                                     std::pair{QT_TR_NOOP("&Colour-blind safe"), palette::Colours::ColourBlindSafe}}) {
        QAction* a = colours->addAction(QString());
        words_->Set(a, &QAction::setText, text);
        a->setCheckable(true);
        a->setChecked(mode == colours_);
        a->setData(static_cast<int>(mode));
        coloursGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, mode] { SetColours(mode); });
    }
    namesAction_ = mView_->addAction(QT_TR_NOOP("&Names at Riders"));
    namesAction_->setCheckable(true);
    namesAction_->setChecked(names_);
    connect(namesAction_, &QAction::triggered, this, [this](bool on) { SetNamesAtRiders(on); });
    mView_->addSeparator();
    mView_->addAction(QT_TR_NOOP("Show the &Game Window"), this, [this] { emit gameWindowWanted(); });

    // The game window's own menu, under the right button: what a player wants mid-match.
    mGame_ = new QMenu(QStringLiteral("Game"), this); // never shown by its title
    QAction* pause = mGame_->addAction(QT_TR_NOOP("&Pause"), this, [this] { in_.control.PauseResume(); });
    QAction* again = mGame_->addAction(QT_TR_NOOP("&Watch the Round Again"), this, [this] {
        if (watchAgain_) watchAgain_();
    });
    mGame_->addMenu(zoomMenu);
    mGame_->addAction(fullscreen_);
    mGame_->addSeparator();
    mGame_->addAction(QT_TR_NOOP("Show the &Control Panel"), this, [this] { emit panelWanted(); });
    QAction* leave = mGame_->addAction(QT_TR_NOOP("&Leave Match"), this, [this] { emit leaveMatchWanted(); });
    words_->Actions(mView_);
    words_->Actions(mGame_);
    connect(mGame_, &QMenu::aboutToShow, this, [this, pause, again, leave] {
        const ControlState& c = in_.control.Controls();
        pause->setText(c.hostPaused ? tr("&Resume") : tr("&Pause"));
        pause->setEnabled(c.pauseEnabled);
        again->setEnabled(watchAgain_ && status_->actions().contains(watchAgainButton_));
        leave->setEnabled(c.leaveEnabled);
    });
}

void frmVyre::contextMenuEvent(QContextMenuEvent* e) {
    mGame_->popup(e->globalPos());
    e->accept();
}

void frmVyre::SetView(const zoom::ViewSettings& v) {
    view_ = v;
    for (QAction* a : zoomGroup_->actions()) a->setChecked(a->data().toInt() == v.zoom);
    fullscreen_->setChecked(v.fullscreen);
    if (isVisible()) ApplyWindowState();
    else Refit();
}

void frmVyre::SetZoom(int z) {
    view_.zoom = z;
    for (QAction* a : zoomGroup_->actions()) a->setChecked(a->data().toInt() == z);
    Refit();
    emit viewChanged();
}

void frmVyre::SetFullscreen(bool on) {
    view_.fullscreen = on;
    fullscreen_->setChecked(on);
    if (isVisible()) ApplyWindowState();
    emit viewChanged();
}

void frmVyre::ApplyWindowState() {
    if (view_.fullscreen && !isFullScreen()) {
        normalGeometry_ = geometry();
        showFullScreen();
    } else if (!view_.fullscreen && isFullScreen()) {
        showNormal();
        if (normalGeometry_.isValid()) setGeometry(normalGeometry_);
    }
    Refit();
}

zoom::Sheet frmVyre::Shown() const {
    const Canvas& arena = in_.board.Arena();
    return {QSize(arena.Width(), arena.Height()), QSize(2 * BoardLayout::ArenaLeft, BoardLayout::ArenaTop + 10)};
}

QRect frmVyre::Room() const {
    const QScreen* s = screen();
    if (!s) return {};
    return view_.fullscreen ? s->geometry() : s->availableGeometry();
}

int frmVyre::ZoomNow() const {
    const QRect room = Room();
    if (room.isEmpty()) return view_.zoom == zoom::Auto ? 1 : view_.zoom;
    const double dpr = devicePixelRatioF();
    // Before the window first shows, its decorations are not known yet.
    const QSize frame = view_.fullscreen || !isVisible() ? QSize() : frameGeometry().size() - size();
    if (zoom::Fits(Shown(), frame, room.size(), 1, dpr)) {
        const int fitting = zoom::Fitting(Shown(), frame, room.size(), dpr);
        // A zoom picked by hand holds while it fits; the window never outgrows the screen.
        if (view_.fullscreen || view_.zoom == zoom::Auto || view_.zoom > fitting) return fitting;
        return std::max(1, view_.zoom);
    }
    // Even 1x is too large: the arena is shown shrunk, as little as will fit.
    for (int k = 2; k < zoom::MostShrink; ++k)
        if (zoom::Fits(Shown(), frame, room.size(), -k, dpr)) return -k;
    return -zoom::MostShrink;
}

bool frmVyre::ZoomFits(int z) const {
    const QRect room = Room();
    if (room.isEmpty() || z == zoom::Auto) return true;
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    return zoom::Fits(Shown(), frame, room.size(), z, devicePixelRatioF());
}

void frmVyre::Refit() {
    shownZoom_ = ZoomNow();
    scale_ = zoom::ScaleFor(shownZoom_, devicePixelRatioF());
    // The header keeps its size at every zoom: only the screen's ratio changes its font.
    const QFont font = BoxFont(zoom::ScaleFor(1, devicePixelRatioF()).logical);
    if (font != status_->font()) {
        for (QLineEdit* box : scores_) box->setFont(font);
        stopGo_->setFont(font);
        status_->setFont(font);
        for (QLabel* name : scoreNames_) name->setFont(NameFont(font));
    }
    if (!isFullScreen()) resize(zoom::Needed(Shown(), shownZoom_, devicePixelRatioF()));
    LayOut();
    update();
}

void frmVyre::LayOut() {
    const zoom::Scale& s = scale_;
    const zoom::Scale header = zoom::ScaleFor(1, devicePixelRatioF());
    const QSize sheet = zoom::Needed(Shown(), shownZoom_, devicePixelRatioF());
    // The header is laid out in its own units, over an arena as wide as the one shown.
    const int shownWidth = sheet.width() - zoom::Scaled(2 * BoardLayout::ArenaLeft, header);
    const int wide = static_cast<int>(shownWidth / header.logical);
    BoardLayout l = BoardLayout::For(wide, 0);
    // Over a zoomed arena the score boxes widen, room for their names, and stay centred.
    const int step = std::clamp((wide - 2 * GaugeRoom - 28 - StopGoWidth) / 8, ScoreWidth - 1, WidestScore - 1);
    const int boxWidth = step + 1;
    if (boxWidth > ScoreWidth) {
        const int span = 8 * step + 1 + 27 + StopGoWidth;
        const int left = BoardLayout::ArenaLeft + wide / 2 - span / 2;
        for (int i = 0; i < 8; ++i) l.scoreLeft[static_cast<std::size_t>(i)] = left + step * i;
        l.stopGoLeft = left + 8 * step + 1 + 27;
    }
    // Centred, but never pushed off the top or left when the window is the smaller.
    sheet_->setGeometry(std::max(0, (width() - sheet.width()) / 2), std::max(0, (height() - sheet.height()) / 2),
                        sheet.width(), sheet.height());
    for (int i = 0; i < 8; ++i) {
        gauges_[i]->SetScale(header);
        gauges_[i]->move(At(8, header), At(8 + 8 * i, header));
        Place(scores_[i], QRect(l.scoreLeft[i], BoxTop, boxWidth, BoxHeight), header);
        Place(scoreNames_[i], QRect(l.scoreLeft[i], BoxTop + BoxHeight + 1, boxWidth - 1, NameHeight), header);
    }
    Place(stopGo_, QRect(l.stopGoLeft, BoxTop, StopGoWidth, BoxHeight), header);
    Place(status_, QRect(BoardLayout::ArenaLeft, StatusTop, l.statusWidth, BoxHeight), header);
    chatInput_->setGeometry(status_->geometry());
    ShowStatus();
    arena_->SetScale(s);
    arena_->move(At(BoardLayout::ArenaLeft, header), At(BoardLayout::ArenaTop, header));
    namesShown_.fill(QStringLiteral("\n")); // elided again for the boxes' new width
    ShowShadeAndTags();
}

void frmVyre::PlaceOnScreen() {
    if (isFullScreen() || !screen()) return;
    const QRect frame = frameGeometry();
    const QPoint at = zoom::PlaceInside(frame, screen()->availableGeometry());
    if (at != frame.topLeft()) move(at);
}

void frmVyre::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayOut();
    Canvas& arena = in_.board.Arena();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::WallOutline);
}

void frmVyre::FitArena(int, int) { Refit(); }
