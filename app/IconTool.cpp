// Writes the program's icon as PNG files of the usual sizes, for installation.
#include "AppIcon.h"

#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = out.filePath(QStringLiteral("%1x%1").arg(size));
        QDir().mkpath(dir);
        if (!AppIcon::Draw(size).save(QDir(dir).filePath(QStringLiteral("lumivex.png")))) return 1;
    }
    return 0;
}
