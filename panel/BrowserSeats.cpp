// Network > Let Browsers Join: seats of this copy lent to browsers on the LAN.
#include "NetworkMenu.h"

#include "QrCode.h"
#include "Settings.h"
#include "WebSeats.h"
#include "Wording.h"

#include <QLocale>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString WebSection = QStringLiteral("Web");
const QString PortKey = QStringLiteral("Port");
} // namespace

quint16 NetworkMenu::SavedWebPort() const {
    const int port = settings_ ? settings_->Value(WebSection, PortKey).toInt() : 0;
    return port >= 1 && port <= 65535 ? static_cast<quint16>(port) : WebSeats::DefaultPort;
}

bool NetworkMenu::OpenBrowsersOn(quint16 port, QString* error) {
    if (!web_) return false;
    if (web_->IsOpen()) return true;
    if (!web_->Open(port, error)) return false;
    if (settings_ && port != 0) settings_->Set(WebSection, {{PortKey, QString::number(port)}});
    return true;
}

void NetworkMenu::LetBrowsersJoin() {
    if (!web_) return;
    QString error;
    if (!OpenBrowsersOn(SavedWebPort(), &error)) {
        Message(tr("Browsers cannot join: %1").arg(error));
        return;
    }
    auto* dialog = new QDialog(&parent_);
    dialog->setObjectName(QStringLiteral("browsersDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Worded again when the player picks another language with the dialog open.
    auto* words = new Wording(dialog, metaObject()->className());
    words->Set(dialog, &QWidget::setWindowTitle, QT_TR_NOOP("Play from a Phone"));
    auto* layout = new QVBoxLayout(dialog);
    auto* intro = new QLabel(dialog);
    words->Set(intro, &QLabel::setText,
               QT_TR_NOOP("A phone, tablet or computer on this network plays here with nothing installed: "
                          "scan the code, or open the address in its browser. Each browser takes a seat "
                          "of this copy."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    const QString address = web_->Address();
    auto* link = new QLabel(dialog);
    link->setObjectName(QStringLiteral("browserAddress"));
    link->setTextFormat(Qt::RichText);
    words->Add([link, address] { link->setText(tr("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped())); });
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    layout->addWidget(link, 0, Qt::AlignHCenter);
    auto* code = new QLabel(dialog);
    code->setPixmap(QPixmap::fromImage(QrCode(address, 5)));
    layout->addWidget(code, 0, Qt::AlignHCenter);
    auto* riding = new QLabel(dialog);
    layout->addWidget(riding, 0, Qt::AlignHCenter);
    auto show = [this, riding] {
        riding->setText(web_->IsOpen() ? tr("Browsers riding: %1 of %2").arg(QLocale().toString(web_->Seats()), QLocale().toString(WebSeats::MostSeats))
                                       : tr("Browsers can no longer join."));
    };
    words->Add(show);
    connect(web_, &WebSeats::changed, riding, show);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* copy = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    words->Set(copy, &QPushButton::setText, QT_TR_NOOP("&Copy"));
    connect(copy, &QPushButton::clicked, dialog, [address] { QGuiApplication::clipboard()->setText(address); });
    QPushButton* stop = buttons->addButton(QString(), QDialogButtonBox::DestructiveRole);
    words->Set(stop, &QPushButton::setText, QT_TR_NOOP("&Stop"));
    words->Set(stop, &QWidget::setToolTip, QT_TR_NOOP("Frees every browser's seat and stops serving the page"));
    connect(stop, &QPushButton::clicked, dialog, [this, dialog] {
        web_->Close();
        dialog->close();
    });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);
    dialog->show();
}
