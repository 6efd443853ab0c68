#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// A private-profile settings file: plain "[Section]" and "Key=Value" lines, readable and
// writable both ways. Sections and keys match without regard to case; values lose
// surrounding spaces and quotes; an empty value reads as missing. Writes keep every other
// line of the file byte for byte and replace the file in one step.

// The value, at most MaxValueLength characters, or an empty string.
QString ReadIniString(const QString& section, const QString& key, const QString& file);
// Every value of the file at once, by section and key (both lower case), by the rules above:
// the first section of a name counts, and the first entry of a key in it.
using IniValues = QHash<QString, QHash<QString, QString>>;
IniValues ReadIniFile(const QString& file);
// Stores key=value in the section, creating what is missing; false when the file could not be written.
bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& file);
// The same for several keys at once, in one write (none when nothing changes).
bool WriteIniStrings(const QString& section, const QList<QPair<QString, QString>>& entries, const QString& file);
// Replaces everything the section holds with these entries, creating it when missing; the
// rest of the file stays byte for byte.
bool WriteIniSection(const QString& section, const QList<QPair<QString, QString>>& entries, const QString& file);
// The folder that holds the settings file (the user's configuration folder), no trailing separator.
QString GetWindowsPath();
// Where the settings are kept unless the command line says otherwise.
QString DefaultSettingsFile();
// Where an earlier Lumivex for Windows kept its settings (the Windows folder); empty elsewhere.
QString OldSettingsFile();
// A new settings file starts as a copy of the old one, once: true when `old` was copied to
// `file`, which did not exist yet.
bool AdoptSettings(const QString& file, const QString& old);
QString GetEnvironmentString(const QString& name);

constexpr int MaxValueLength = 254;
