#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

QByteArray Lower(const QByteArray& s) { return s.trimmed().toLower(); }

bool IsSectionLine(const QByteArray& line, QByteArray* name = nullptr) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('[')) return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0) return false;
    if (name) *name = t.mid(1, close - 1).trimmed();
    return true;
}

// Key of a "key=value" line, or nothing for any other line.
bool KeyOf(const QByteArray& line, QByteArray* key, QByteArray* value) {
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('[')) return false;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) return false;
    *key = t.left(eq).trimmed();
    if (value) *value = t.mid(eq + 1).trimmed();
    return true;
}

QString Decode(const QByteArray& raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

QByteArray ReadAll(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QList<QByteArray> Lines(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    return lines;
}

bool Save(const QList<QByteArray>& lines, const QByteArray& eol, const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Written beside the old file and renamed over it: a crash leaves one or the other whole.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (const QByteArray& l : lines) out.write(l + eol);
    return out.commit();
}

} // namespace

namespace {
QString Unquoted(QByteArray v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.mid(1, v.size() - 2);
    return Decode(v).left(MaxValueLength);
}
} // namespace

IniValues ReadIniFile(const QString& file) {
    IniValues all;
    QHash<QString, QString>* section = nullptr;
    for (const QByteArray& line : Lines(ReadAll(file))) {
        QByteArray name;
        if (IsSectionLine(line, &name)) {
            // Only the first section of a name counts, as with the classic profile functions.
            const QString lower = QString::fromUtf8(Lower(name));
            section = all.contains(lower) ? nullptr : &all[lower];
            continue;
        }
        QByteArray k, v;
        if (!section || !KeyOf(line, &k, &v)) continue;
        const QString key = QString::fromUtf8(Lower(k));
        if (!section->contains(key)) section->insert(key, Unquoted(v)); // empty: missing

    }
    return all;
}

QString ReadIniString(const QString& section, const QString& key, const QString& file) {
    return ReadIniFile(file).value(section.toLower()).value(key.toLower());
}

namespace {
// Stores key=value in the section of these lines, creating what is missing.
void SetEntry(QList<QByteArray>& lines, const QString& section, const QString& key, const QString& value) {
    const QByteArray wantSection = Lower(section.toUtf8());
    const QByteArray wantKey = Lower(key.toUtf8());
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();

    qsizetype sectionAt = -1, insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (IsSectionLine(lines[i], &name)) {
            if (sectionAt >= 0) break; // end of our section
            if (Lower(name) == wantSection) {
                sectionAt = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionAt < 0) continue;
        QByteArray k;
        if (KeyOf(lines[i], &k, nullptr) && Lower(k) == wantKey) {
            lines[i] = entry;
            return;
        }
        if (!lines[i].trimmed().isEmpty()) insertAt = i + 1;
    }
    if (sectionAt >= 0) {
        lines.insert(insertAt, entry);
    } else {
        lines.append('[' + section.toUtf8() + ']');
        lines.append(entry);
    }
}
} // namespace

bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& file) {
    return WriteIniStrings(section, {{key, value}}, file);
}

bool WriteIniStrings(const QString& section, const QList<QPair<QString, QString>>& entries, const QString& file) {
    const QByteArray original = ReadAll(file);
    const QByteArray eol = original.contains("\r\n") ? "\r\n" : "\n";
    QList<QByteArray> lines = original.isEmpty() ? QList<QByteArray>{} : Lines(original);
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    const QList<QByteArray> before = lines;
    for (const auto& [key, value] : entries) SetEntry(lines, section, key, value);
    // Nothing changed, nothing written: the file keeps its date and its bytes.
    if (lines == before && !original.isEmpty()) return true;
    return Save(lines, eol, file);
}

bool WriteIniSection(const QString& section, const QList<QPair<QString, QString>>& entries, const QString& file) {
    const QByteArray original = ReadAll(file);
    const QByteArray eol = original.contains("\r\n") ? "\r\n" : "\n";
    QList<QByteArray> lines = original.isEmpty() ? QList<QByteArray>{} : Lines(original);
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    const QByteArray wantSection = Lower(section.toUtf8());
    qsizetype at = -1, end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (!IsSectionLine(lines[i], &name)) continue;
        if (at >= 0) {
            end = i;
            break;
        }
        if (Lower(name) == wantSection) at = i;
    }
    QList<QByteArray> body;
    for (const auto& [k, v] : entries) body << k.toUtf8() + '=' + v.toUtf8();
    if (at < 0) {
        lines.append('[' + section.toUtf8() + ']');
        lines.append(body);
    } else {
        // Blank lines before the next section stay, so the file keeps its shape.
        while (end - 1 > at && lines[end - 1].trimmed().isEmpty()) --end;
        lines.remove(at + 1, end - at - 1);
        for (qsizetype i = 0; i < body.size(); ++i) lines.insert(at + 1 + i, body[i]);
    }
    return Save(lines, eol, file);
}

QString GetWindowsPath() {
    QString dir;
#ifdef Q_OS_WIN
    // The user's roaming application data: ordinary users may not write to the Windows folder.
    dir = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#endif
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
    return dir;
}

QString DefaultSettingsFile() { return GetWindowsPath() + QStringLiteral("/lumivex.ini"); }

QString OldSettingsFile() {
#ifdef Q_OS_WIN
    const QString windows = QDir::fromNativeSeparators(qEnvironmentVariable("WINDIR"));
    if (!windows.isEmpty()) return windows + QStringLiteral("/lumivex.ini");
#endif
    return {};
}

bool AdoptSettings(const QString& file, const QString& old) {
    if (old.isEmpty() || QFileInfo::exists(file) || !QFileInfo::exists(old)) return false;
    QDir().mkpath(QFileInfo(file).absolutePath());
    return QFile::copy(old, file) && QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QString GetEnvironmentString(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}
