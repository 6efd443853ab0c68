#include "frmVyre.h"

#include "AppIcon.h"
#include "ArenaView.h"
#include "Instance.h"
#include "TrayIcon.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>

namespace {
QColor ToQColor(Colour c) { return QColor(Canvas::ToRgb(c)); }

QFont BoxFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPointSizeF(9.75);
    return f;
}

void Paint(QWidget* w, QPalette::ColorRole role, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(role, ToQColor(c));
    w->setPalette(pal);
}
} // namespace

frmVyre::frmVyre(Instance& instance, QWidget* parent) : QWidget(parent), in_(instance) {
    setWindowTitle(QStringLiteral("Lumivex"));
    setWindowIcon(AppIcon::Icon());
    setAutoFillBackground(true);
    mPopupSys_ = new QMenu(QStringLiteral("&Systray"), this);
    mPopupSys_->addAction(QStringLiteral("&Restore"), this, [this] { TrayIcon::RestoreWindow(*this); });
    mPopupSys_->addAction(QStringLiteral("&Minimize"), this, [this] { Minimise(); });
    mPopupSys_->addAction(QStringLiteral("&About"), this, [this] {
        if (about_) about_();
    });
    mPopupSys_->addSeparator();
    mPopupSys_->addAction(QStringLiteral("&Exit"), this, [this] { Unload(); });
    tray_ = new TrayIcon(*this, *mPopupSys_, this);
    Board& board = in_.GetBoard();
    for (int i = 1; i <= 8; ++i) {
        auto* gauge = new ArenaView(board.Gauge(i), this, false);
        gauge->setGeometry(8, 8 + 8 * (i - 1), Board::GaugeWidth, Board::GaugeHeight);
        gauges_[i - 1] = gauge;
    }
    for (int i = 1; i <= 8; ++i) scores_[i - 1] = MakeBox(QRect(112 + 24 * (i - 1), 28, 25, 21));
    stopGo_ = MakeBox(QRect(324, 28, 33, 21));
    status_ = MakeBox(QRect(8, 80, Board::DesignArenaWidth, 21));
    arena_ = new ArenaView(board.Arena(), this, true, &board);
    arena_->setGeometry(BoardLayout::ArenaLeft, BoardLayout::ArenaTop, board.Arena().Width(),
                        board.Arena().Height());
    connect(arena_, &ArenaView::keyDown, this, [this](int key) { in_.GetSteering().KeyDown(key); });
    // Changes are shown at most once per display frame: ticks may come faster than a screen
    // refreshes, and every repaint costs the host's processor.
    frame_.setSingleShot(true);
    frame_.setInterval(FrameMs);
    connect(&frame_, &QTimer::timeout, this, &frmVyre::ShowChanges);
    connect(&board, &Board::changed, this, [this] {
        if (!frame_.isActive()) frame_.start();
    });
    SetBackColor(colours::PanelBack);
    FitArena(board.Arena().Width(), board.Arena().Height());
    in_.SetWindow(this);
}

QLineEdit* frmVyre::MakeBox(const QRect& geometry) {
    auto* box = new QLineEdit(this);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(BoxFont());
    box->setFrame(false);
    // The boxes never keep the focus: keys must always reach the arena.
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setTextMargins(0, 0, 0, 0);
    box->installEventFilter(this);
    return box;
}

bool frmVyre::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && watched != arena_) FocusArena();
    return QWidget::eventFilter(watched, e);
}

void frmVyre::SetBackColor(Colour c) { Paint(this, QPalette::Window, c); }

void frmVyre::Load() {
    firstResize_ = true;
    unloaded_ = false;
    in_.Load();
    Paint(status_, QPalette::Base, colours::StatusBack);
    ShowChanges();
    tray_->Add();
    show();
    FocusArena();
}

void frmVyre::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    const bool endProgram = in_.Unload();
    hide();
    if (endProgram) emit programEnds();
    tray_->Remove();
}

void frmVyre::closeEvent(QCloseEvent* e) {
    Unload();
    e->accept();
}

void frmVyre::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // Minimised, the window leaves the taskbar for its tray icon, but only where a tray exists.
    if (e->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon::Available()())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
}

bool frmVyre::IsMinimised() const { return isMinimized(); }

void frmVyre::Minimise() { setWindowState(windowState() | Qt::WindowMinimized); }

void frmVyre::Restore() { TrayIcon::RestoreWindow(*this); }

void frmVyre::FocusArena() { arena_->setFocus(Qt::OtherFocusReason); }

void frmVyre::FitArena(int width, int height) {
    arena_->resize(width, height);
    const BoardLayout l = BoardLayout::For(width, height);
    resize(l.clientWidth, l.clientHeight);
    LayOut();
}

void frmVyre::LayOut() {
    const Board& board = in_.GetBoard();
    const BoardLayout l = BoardLayout::For(board.Arena().Width(), board.Arena().Height());
    for (int i = 0; i < 8; ++i) scores_[i]->move(l.scoreLeft[i], scores_[i]->y());
    stopGo_->move(l.stopGoLeft, stopGo_->y());
    status_->resize(l.statusWidth, status_->height());
}

void frmVyre::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayOut();
    Canvas& arena = in_.GetBoard().Arena();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::WallOutline);
}

void frmVyre::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The panel moves left on its first showing and this window right, so they start side by side.
    if (firstResize_ && !e->spontaneous()) {
        firstResize_ = false;
        move(x() + 333, y());
    }
}

void frmVyre::ShowChanges() {
    Board& board = in_.GetBoard();
    const Board::Changes c = board.TakeChanges();
    if (c.arenaSize) {
        arena_->resize(board.Arena().Width(), board.Arena().Height());
        arena_->update();
        LayOut();
    } else if (!c.arena.isEmpty()) {
        arena_->update(c.arena);
    }
    if (!c.marker.isNull()) arena_->update(c.marker);
    for (int i = 0; i < 8; ++i)
        if (c.gauges[i]) gauges_[i]->update();
    if (c.texts) {
        for (int i = 1; i <= 8; ++i) {
            scores_[i - 1]->setText(board.Score(i).text);
            Paint(scores_[i - 1], QPalette::Base, board.Score(i).color);
        }
        stopGo_->setText(board.StopGo().text);
        Paint(stopGo_, QPalette::Base, board.StopGo().color);
        status_->setText(board.Status());
    }
}
