#include "NetworkMenu.h"

#include "GameFinder.h"
#include "OnlineTransport.h"
#include "Settings.h"

#include <QLocale>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

// Network > Find Games Online: the public games of every relay the player asks, refreshed
// every few seconds; a double-click joins as a link does.

namespace {
const QString Section = QStringLiteral("Network");
constexpr int RefreshMs = 5000;
} // namespace

QStringList NetworkMenu::ListServers() const {
    QStringList servers;
    const QString saved = settings_ ? settings_->Value(Section, QStringLiteral("ListServers")) : QString();
    for (const QString& s : saved.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QString t = s.trimmed(); OnlineTransport::SplitAddress(t) && !servers.contains(t)) servers << t;
    const QString relay = relayForRun_ ? *relayForRun_ : SavedRelayServer();
    if (OnlineTransport::SplitAddress(relay) && !servers.contains(relay)) servers << relay;
    return servers;
}

void NetworkMenu::FindGames() {
    if (!online_) return;
    auto* dialog = new QDialog(&parent_);
    dialog->setWindowTitle(tr("Find Games Online"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(tr("Relays to ask (HOST:PORT, separated by commas):"), dialog));
    auto* servers = new QLineEdit(settings_ ? settings_->Value(Section, QStringLiteral("ListServers")) : QString(), dialog);
    servers->setObjectName(QStringLiteral("listServers"));
    servers->setPlaceholderText(tr("relay.example.org:31316"));
    layout->addWidget(servers);
    auto* status = new QLabel(dialog);
    status->setObjectName(QStringLiteral("findStatus"));
    status->setWordWrap(true);
    layout->addWidget(status);
    auto* table =
        ListTable(QStringLiteral("publicGames"),
                  {tr("Name"), tr("Players"), tr("State"), tr("Round trip"), tr("Version")}, dialog);
    table->setSortingEnabled(true);
    table->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->setMinimumSize(560, 240);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* join = buttons->addButton(tr("&Join"), QDialogButtonBox::AcceptRole);
    join->setObjectName(QStringLiteral("joinListed"));
    join->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);

    // One finder per relay; each answer replaces that relay's rows.
    struct Asked {
        QString server;
        GameFinder* finder;
        QString problem;
    };
    auto asked = std::make_shared<std::vector<Asked>>();
    const auto show = [table, status, asked] {
        const QString chosen = ChosenKey(*table).toString();
        table->setSortingEnabled(false);
        table->clear();
        QStringList problems;
        for (const Asked& a : *asked) {
            if (!a.problem.isEmpty()) problems << QStringLiteral("%1: %2").arg(a.server, a.problem);
            for (const gamelist::Entry& e : a.finder->Games()) {
                const QString link = a.finder->Link(e);
                QTreeWidgetItem* item =
                    ListRow(*table,
                            {e.name, tr("%1/8").arg(QLocale().toString(e.players)), e.playing ? tr("playing") : tr("waiting"),
                             tr("%1 ms").arg(QLocale().toString(a.finder->RoundTripMs())), e.version},
                            link);
                if (link == chosen) item->setSelected(true);
            }
        }
        table->setSortingEnabled(true);
        QStringList servers;
        for (const Asked& a : *asked) servers << a.server;
        const int n = table->topLevelItemCount();
        status->setText(problems.isEmpty()
                            ? (n == 1 ? tr("%1 public game, from %2.") : tr("%1 public games, from %2."))
                                  .arg(QLocale().toString(n), servers.join(QStringLiteral(", ")))
                            : problems.join(QLatin1Char('\n')));
    };
    const auto ask = [this, dialog, status, asked, show] {
        const QStringList list = ListServers();
        if (list.isEmpty()) {
            status->setText(tr("No relay to ask. Lumivex has no list server of its own: add relays that "
                                           "list games above (ask your friends, or run one with lumivex-relay), "
                                           "or choose one with Network > Relay Server."));
            return;
        }
        asked->erase(std::remove_if(asked->begin(), asked->end(),
                                    [&list](const Asked& a) {
                                        if (list.contains(a.server)) return false;
                                        a.finder->deleteLater();
                                        return true;
                                    }),
                     asked->end());
        for (const QString& server : list) {
            auto it = std::find_if(asked->begin(), asked->end(), [&server](const Asked& a) { return a.server == server; });
            if (it == asked->end()) {
                auto* finder = new GameFinder(dialog);
                connect(finder, &GameFinder::found, dialog, [asked, finder, show] {
                    for (Asked& a : *asked)
                        if (a.finder == finder) a.problem.clear();
                    show();
                });
                connect(finder, &GameFinder::failed, dialog, [asked, finder, show](const QString& why) {
                    for (Asked& a : *asked)
                        if (a.finder == finder) a.problem = why;
                    show();
                });
                asked->push_back({server, finder, {}});
                it = asked->end() - 1;
            }
            const auto where = OnlineTransport::SplitAddress(server);
            const QPointer<GameFinder> finder = it->finder;
            QHostInfo::lookupHost(where->first, dialog, [finder, where, asked, show](const QHostInfo& found) {
                if (!finder) return;
                if (!found.addresses().isEmpty()) {
                    finder->Ask(found.addresses().first(), where->second, where->first);
                    return;
                }
                for (Asked& a : *asked)
                    if (a.finder == finder) a.problem = tr("no such host");
                show();
            });
        }
    };
    connect(servers, &QLineEdit::editingFinished, dialog, [this, servers, ask] {
        if (settings_) settings_->Set(Section, {{QStringLiteral("ListServers"), servers->text().trimmed()}});
        ask();
    });
    const auto joinChosen = [this, dialog, table] {
        const QString link = ChosenKey(*table).toString();
        if (link.isEmpty()) return;
        dialog->close();
        JoinLink(link);
    };
    connect(table, &QTreeWidget::itemSelectionChanged, dialog,
            [table, join] { join->setEnabled(!table->selectedItems().isEmpty()); });
    connect(table, &QTreeWidget::itemDoubleClicked, dialog, joinChosen);
    connect(join, &QPushButton::clicked, dialog, joinChosen);
    auto* timer = new QTimer(dialog);
    connect(timer, &QTimer::timeout, dialog, ask);
    timer->start(RefreshMs);
    ask();
    ReopenOnLanguageChange(dialog, &NetworkMenu::FindGames);
    dialog->show();
}
