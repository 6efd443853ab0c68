#include "AppIcon.h"
#include "Instance.h"
#include "MulticastTransport.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmVyre.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lumivex"));
    app.setApplicationVersion(QStringLiteral("1.24"));
    // The game window on the host may close while the panel stays; the panel's own
    // unload is what ends the program.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(AppIcon::Icon());

    MulticastTransport transport;
    Instance instance(transport, static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    frmVyre game(instance);
    frmMain panel(instance, game);
    frmAbout about;
    game.SetAboutOpener([&about] { about.Open(); });
    panel.SetAboutOpener([&about] { about.Open(); });
    instance.SetMessageBox([&panel](const QString& text, const QString& title, MessageIcon icon) {
        auto* box = new QMessageBox(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                                    title, text, QMessageBox::Ok, &panel);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    QObject::connect(&panel, &frmMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);

    panel.Load();
    panel.show();
    return app.exec();
}
