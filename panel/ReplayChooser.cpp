#include "ReplayChooser.h"

#include "Wording.h"

#include "Decode.h"
#include "Messages.h"
#include "ReplayFile.h"

#include <QLocale>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace replaychooser {

Summary Summarise(const QString& path) {
    Summary s;
    s.path = path;
    const replay::Contents c = replay::Load(path);
    if (c.result == replay::Result::NotAReplay) return s;
    s.started = QDateTime::fromMSecsSinceEpoch(c.header.startedMs);
    if (!c.records.empty()) s.lengthMs = c.records.back().ms;
    // The host names itself in its match settings, every other seat in its Register.
    for (const replay::Record& r : c.records) {
        const int kind = wire::NumberOf(r.datagram);
        const bool reg = kind == static_cast<int>(wire::Message::Register);
        if (!reg && kind != static_cast<int>(wire::Message::MatchSettings)) continue;
        const wire::Datagram d = wire::Decode(r.datagram);
        if (reg && std::get<wire::msg::Register>(d).slot.value_or(-1) < 0) continue; // a copy in no match
        const auto text = reg ? std::get<wire::msg::Register>(d).name : std::get<wire::msg::MatchSettings>(d).name;
        if (!text) continue;
        const QString name = wire::CleanName(*text);
        if (!name.isEmpty() && !s.players.contains(name)) s.players << name;
    }
    return s;
}

QString Length(qint64 ms) {
    const qint64 seconds = (ms + 500) / 1000;
    return QCoreApplication::translate("ReplayChooser", "%1 min %2 s")
        .arg(QLocale().toString(seconds / 60), TwoDigits(seconds % 60));
}

std::optional<QString> Choose(QWidget* parent, const QString& folder) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("ReplayChooser", "Open Replay"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QTreeWidget(&dialog);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QCoreApplication::translate("ReplayChooser", "Date"), QCoreApplication::translate("ReplayChooser", "Time"), QCoreApplication::translate("ReplayChooser", "Players"), QCoreApplication::translate("ReplayChooser", "Length")});
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.lumivex-replay")}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const Summary s = Summarise(file.absoluteFilePath());
        if (!s.started.isValid()) continue;
        auto* item = new QTreeWidgetItem(list, {QLocale().toString(s.started.date(), QLocale::ShortFormat),
                                                QLocale().toString(s.started.time(), QLocale::ShortFormat),
                                                s.players.join(QStringLiteral(", ")), Length(s.lengthMs)});
        item->setData(0, Qt::UserRole, s.path);
        for (int column = 0; column < 4; ++column) item->setToolTip(column, file.fileName());
    }
    for (int column = 0; column < 4; ++column) list->resizeColumnToContents(column);
    if (list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
    QPushButton* other = buttons->addButton(QCoreApplication::translate("ReplayChooser", "Other File..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    std::optional<QString> chosen;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (QTreeWidgetItem* item = list->currentItem()) chosen = item->data(0, Qt::UserRole).toString();
        dialog.accept();
    });
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, [&](QTreeWidgetItem* item) {
        chosen = item->data(0, Qt::UserRole).toString();
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(other, &QPushButton::clicked, &dialog, [&] {
        const QString path = QFileDialog::getOpenFileName(&dialog, QCoreApplication::translate("ReplayChooser", "Open Replay"),
                                                          QDir(folder).exists() ? folder : QDir::homePath(),
                                                          QCoreApplication::translate("ReplayChooser", "Lumivex replays (*.lumivex-replay)"));
        if (path.isEmpty()) return;
        chosen = path;
        dialog.accept();
    });
    dialog.resize(620, 360);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen;
}

} // namespace replaychooser
