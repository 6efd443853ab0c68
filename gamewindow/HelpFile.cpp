#include "HelpFile.h"

#include "KeyBindings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QFileInfo>

QString HelpFile(const QString& programDir) {
    const QDir dir(programDir);
    const QStringList candidates = {dir.filePath(QStringLiteral("lumivex.hlp")),
                                    dir.filePath(QStringLiteral("lumivex-help.html")),
                                    dir.filePath(QStringLiteral("../share/lumivex/lumivex-help.html"))};
    for (const QString& c : candidates)
        if (QFileInfo(c).isFile()) return QFileInfo(c).canonicalFilePath();
    return {};
}

QString PersonalHelp(const QString& installed, const keys::Bindings& b) {
    QFile in(installed);
    if (!in.open(QIODevice::ReadOnly)) return installed;
    QString html = QString::fromUtf8(in.readAll());
    const QString marker = QStringLiteral("<!-- your keys -->");
    if (!html.contains(marker)) return installed;
    QString rows;
    for (int a = 0; a < keys::ActionCount; ++a) {
        rows += QStringLiteral("<tr><td>%1</td>").arg(keys::ActionName(static_cast<keys::Action>(a)));
        for (int seat = 0; seat < keys::Seats; ++seat)
            rows += QStringLiteral("<td>%1</td>").arg(b.Describe(seat, static_cast<keys::Action>(a)).toHtmlEscaped());
        rows += QStringLiteral("</tr>\n");
    }
    html.replace(marker, QStringLiteral("<table>\n<tr><th>Action</th><th>You</th><th>Local player 2</th>"
                                        "<th>Local player 3</th><th>Local player 4</th></tr>\n") +
                             rows + QStringLiteral("</table>"));
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(dir);
    QFile out(dir + QStringLiteral("/lumivex-help.html"));
    if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0) return installed;
    return out.fileName();
}

