#include "NetworkMenu.h"

#include "Gateway.h"
#include "OnlineTransport.h"
#include "Roster.h"

#include <QLocale>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

// The gateway's owner keeps the game clean: who joined from elsewhere, and Kick and Ban.

namespace {
QString RidersOf(const Roster& roster, const Gateway::RemoteInfo& r) {
    QStringList names;
    for (int seat : r.seats)
        if (const QString name = roster.Name(seat); !name.isEmpty()) names << name;
    return names.join(QStringLiteral(", "));
}
} // namespace

QTreeWidget* NetworkMenu::ListTable(const QString& name, const QStringList& columns, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setObjectName(name);
    table->setColumnCount(static_cast<int>(columns.size()));
    table->setHeaderLabels(columns);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QTreeWidgetItem* NetworkMenu::ListRow(QTreeWidget& table, const QStringList& cells, const QVariant& key) {
    auto* item = new QTreeWidgetItem(&table, cells);
    item->setData(0, Qt::UserRole, key);
    return item;
}

QVariant NetworkMenu::ChosenKey(const QTreeWidget& table) {
    const QList<QTreeWidgetItem*> items = table.selectedItems();
    return items.isEmpty() ? QVariant() : items.first()->data(0, Qt::UserRole);
}

void NetworkMenu::OpenOnlinePlayers() {
    if (!online_ || !online_->GetGateway()) return;
    // The game may close online while this is open: every use of the gateway checks first.
    const QPointer<Gateway> gateway = online_->GetGateway();
    auto* dialog = new QDialog(&parent_);
    dialog->setWindowTitle(tr("Online Players"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    auto* intro = new QLabel(tr("Copies that joined this game from elsewhere. Kick removes one and keeps "
                                            "its address out for %1 minutes; Ban keeps it out while the game is open.")
                                 .arg(Gateway::KickMs / 60000),
                             dialog);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* table = ListTable(QStringLiteral("onlinePlayers"),
                            {tr("Players"), tr("Address"), tr("Round trip"), tr("In"), tr("Out")}, dialog);
    table->header()->setStretchLastSection(true);
    table->setMinimumWidth(560);
    layout->addWidget(table);
    auto* closed = new QCheckBox(tr("&Close to new players"), dialog);
    closed->setObjectName(QStringLiteral("closeToNew"));
    closed->setChecked(gateway->ClosedToNew());
    layout->addWidget(closed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* kick = buttons->addButton(tr("&Kick"), QDialogButtonBox::ActionRole);
    QPushButton* ban = buttons->addButton(tr("&Ban"), QDialogButtonBox::ActionRole);
    kick->setObjectName(QStringLiteral("kick"));
    ban->setObjectName(QStringLiteral("ban"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);

    const auto fill = [this, table, gateway] {
        if (!gateway) return;
        const quint64 chosen = ChosenKey(*table).toULongLong();
        const QList<Gateway::RemoteInfo> remotes = gateway->Remotes();
        table->clear();
        for (int row = 0; row < remotes.size(); ++row) {
            const Gateway::RemoteInfo& r = remotes[row];
            const QStringList cells = {RidersOf(roster_, r), r.address,
                                       r.roundTripMs < 0 ? QStringLiteral("-")
                                                         : tr("%1 ms").arg(QLocale().toString(r.roundTripMs)),
                                       QString::number(r.in), QString::number(r.out)};
            QTreeWidgetItem* item = ListRow(*table, cells, QVariant::fromValue(r.id));
            if (r.id == chosen) item->setSelected(true);
        }
    };
    const auto chosen = [table]() -> quint64 { return ChosenKey(*table).toULongLong(); };
    const auto enable = [kick, ban, chosen] {
        kick->setEnabled(chosen() != 0);
        ban->setEnabled(chosen() != 0);
    };
    connect(table, &QTreeWidget::itemSelectionChanged, dialog, enable);
    connect(kick, &QPushButton::clicked, dialog, [this, chosen] { online_->RemoveRemote(chosen(), Gateway::Removal::Kick); });
    connect(ban, &QPushButton::clicked, dialog, [this, chosen] { online_->RemoveRemote(chosen(), Gateway::Removal::Ban); });
    connect(closed, &QCheckBox::toggled, dialog, [this, gateway](bool on) {
        if (!gateway || gateway->ClosedToNew() == on) return;
        gateway->SetClosedToNew(on);
        emit gatewayNotice(on ? tr("This online game is closed to new players")
                              : tr("This online game is open to new players again"));
    });
    connect(gateway, &Gateway::changed, dialog, fill);
    auto* timer = new QTimer(dialog); // round trips and counts move on their own
    connect(timer, &QTimer::timeout, dialog, fill);
    timer->start(1000);
    // The game closed online: the dialog has nothing left to show.
    connect(gateway, &QObject::destroyed, dialog, &QDialog::close);
    fill();
    enable();
    ReopenOnLanguageChange(dialog, &NetworkMenu::OpenOnlinePlayers);
    dialog->show();
}

void NetworkMenu::AddRemovals(QMenu& menu, int slot) {
    if (!online_ || !online_->GetGateway()) return;
    const quint64 owner = online_->GetGateway()->OwnerOfSeat(slot);
    if (!owner) return;
    const QString name = roster_.Name(slot);
    if (!menu.isEmpty()) menu.addSeparator();
    menu.addAction(tr("Kick %1 from the Online Game").arg(name), this,
                   [this, owner] { online_->RemoveRemote(owner, Gateway::Removal::Kick); });
    menu.addAction(tr("Ban %1 from the Online Game").arg(name), this,
                   [this, owner] { online_->RemoveRemote(owner, Gateway::Removal::Ban); });
}

void NetworkMenu::SayRemoved(const Gateway::RemoteInfo& info, Gateway::Removal how) {
    QString who = RidersOf(roster_, info);
    if (who.isEmpty()) who = tr("A copy with no rider");
    emit gatewayNotice(how == Gateway::Removal::Ban
                           ? tr("%1 (%2) was banned from this online game").arg(who, info.address)
                           : tr("%1 (%2) was removed from this online game for %3 minutes")
                                 .arg(who, info.address)
                                 .arg(Gateway::KickMs / 60000));
}
