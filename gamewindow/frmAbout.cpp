#include "frmAbout.h"

#include "AppIcon.h"
#include "HelpFile.h"

#include <QCoreApplication>

#include <QDesktopServices>
#include <QEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel* Label(QWidget* parent, const QString& text, QRect geometry, QColor colour) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}
} // namespace

QUrl frmAbout::Website() {
    // The program has no web site of its own: its pages are the help installed beside it.
    const QString help = HelpFile(QCoreApplication::applicationDirPath());
    return help.isEmpty() ? QUrl() : QUrl::fromLocalFile(help);
}

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("About Lumivex"));
    setWindowIcon(AppIcon::Icon());
    setFixedSize(282, 128);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x2B, 0x68, 0xC6));
    setPalette(pal);
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    f.setPointSizeF(8.25);
    setFont(f);
    Label(this, tr("Lumivex"), QRect(8, 8, 91, 17), Qt::white);
    Label(this, QStringLiteral("Version: " LUMIVEX_VERSION), QRect(8, 28, 91, 17), Qt::white);
    Label(this, tr("Trail riding for the whole network"), QRect(8, 50, 266, 17), Qt::white);
    // No web site of its own: the link is to the player's guide installed with the program.
    Label(this, tr("Help:"), QRect(8, 71, 73, 17), Qt::white);
    lblWebsite = Label(this, tr("the player's guide"), QRect(80, 71, 200, 17), QColor(0xFF, 0xE0, 0xC0));
    lblWebsite->setCursor(Qt::PointingHandCursor);
    lblWebsite->installEventFilter(this);
    auto* close = new QPushButton(tr("Close"), this);
    close->setGeometry(196, 96, 78, 24);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    open_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void frmAbout::Open() {
    if (isVisible()) return;
    // In the middle of the screen the player looks at, whole.
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos()) ? QGuiApplication::screenAt(QCursor::pos())
                                                                     : QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lblWebsite && e->type() == QEvent::MouseButtonRelease) {
        if (const QUrl url = Website(); url.isValid()) open_(url);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}
