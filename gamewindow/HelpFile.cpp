#include "HelpFile.h"

#include <QDir>
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
