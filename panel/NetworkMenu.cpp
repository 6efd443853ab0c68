#include "NetworkMenu.h"

#include "Dispatcher.h"
#include "IniFile.h"
#include "MulticastTransport.h"
#include "Roster.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
const QString Section = QStringLiteral("Network");
constexpr int AnswerWaitMs = 2000; // for the start-up roll call
} // namespace

NetworkMenu::NetworkMenu(Transport& net, const Dispatcher& dispatcher, const Roster& roster, QLabel& line,
                         QWidget& parent)
    : QObject(&parent), net_(net), dispatcher_(dispatcher), roster_(roster), line_(line), parent_(parent) {
    menu_ = new QMenu(QStringLiteral("&Network"), &parent);
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        menu_->clear();
        auto* group = new QActionGroup(menu_);
        const QString chosen = interfaceForRun_ ? *interfaceForRun_ : SavedInterface();
        QList<QPair<QString, QString>> list = {{QString(), QString()}};
        list.append(net_.Interfaces());
        for (const auto& [name, address] : list) {
            QAction* a = menu_->addAction(name.isEmpty() ? QStringLiteral("Automatic")
                                                         : QStringLiteral("%1, %2").arg(name, address));
            a->setCheckable(true);
            a->setChecked(name == chosen);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, name = name] { ChooseInterface(name); });
        }
        menu_->addSeparator();
        menu_->addAction(QStringLiteral("&Diagnostics..."), this, &NetworkMenu::OpenDiagnostics);
    });
    // Something for the menu to show before it first opens (and for keyboard navigation).
    menu_->addAction(QStringLiteral("&Diagnostics..."), this, &NetworkMenu::OpenDiagnostics);
    connect(&net_, &Transport::inUseChanged, this, &NetworkMenu::ShowLine);
}

QString NetworkMenu::SavedInterface() const {
    return file_ ? ReadIniString(Section, QStringLiteral("Interface"), file_()) : QString();
}

void NetworkMenu::Load() { net_.SetSendInterface(interfaceForRun_ ? *interfaceForRun_ : SavedInterface()); }

void NetworkMenu::ChooseInterface(const QString& name) {
    // A choice from the menu is the player's from now on, also over --interface.
    interfaceForRun_.reset();
    if (file_) WriteIniSection(Section, {{QStringLiteral("Interface"), name}}, file_());
    net_.SetSendInterface(name);
    ShowLine();
}

QString NetworkMenu::LineText() const { return line_.text(); }

void NetworkMenu::ShowLine() {
    const QString where = net_.InUse();
    QString text = where.isEmpty() ? QString() : QStringLiteral("Network: %1").arg(where);
    if (alone_) text += QStringLiteral("; no other copy of Lumivex answered");
    line_.setText(text);
}

QString NetworkMenu::NoticeText() const { return notice_ && notice_->isVisible() ? notice_->text() : QString(); }

void NetworkMenu::RollCallSent() {
    if (notice_) notice_->close();
    alone_ = false;
    ShowLine();
    registersBefore_ = dispatcher_.RegistersHeard();
    QTimer::singleShot(AnswerWaitMs, this, &NetworkMenu::CheckForAnswers);
}

void NetworkMenu::CheckForAnswers() {
    // Every copy answers a roll call, this one too: more answers than its own mean company.
    const qint64 own = 1 + static_cast<qint64>(roster_.Riders().size());
    if (dispatcher_.RegistersHeard() - registersBefore_ > own) return;
    alone_ = true;
    ShowLine();
    emit nobodyAnswered();
    // Who plays with computer riders or friends at this keyboard, or watches a demo, is not
    // stopped by a warning: the network line says it.
    if (!noticeEnabled_ || !roster_.Riders().empty()) return;
    if (notice_) notice_->close();
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Lumivex - Network"),
                                MulticastTransport::NoAnswerHint(net_.InUse()), QMessageBox::Close, &parent_);
    QPushButton* again = box->addButton(QStringLiteral("Send Roll Call Again"), QMessageBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &NetworkMenu::rollCallWanted);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    notice_ = box;
}

void NetworkMenu::OpenDiagnostics() {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Network Diagnostics"), QString(),
                                QMessageBox::Close, &parent_);
    Transport::Counts c = net_.Diagnostics();
    c.malformed = dispatcher_.Malformed();
    c.flooded = dispatcher_.Flooded();
    box->setText(MulticastTransport::Report(c, net_.InUse()));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
