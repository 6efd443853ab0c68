#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The languages Lumivex speaks, and the one it speaks now. English is the program's own; every
// other language is a translation found beside the program (the build tree, Windows) or in
// its installed data folder, with Qt's own translation for Qt's dialogs.
namespace language {
// The languages with a translation here, as codes ("de", "pt_BR"), English not among them.
QStringList Available();
// A language's name in that language ("Deutsch"); "English" for "".
QString OwnName(const QString& code);
// The language the system asks for, among `available`: the first of LANGUAGE (a list),
// LC_ALL, LC_MESSAGES and LANG that has a translation, a region falling back to its language
// ("de_AT" is "de"; "pt" is "pt_BR"); then the user's interface languages (Windows, macOS).
// Empty (English) when none has, or when the locale is C or POSIX.
QString FromSystem(const std::function<QByteArray(const char*)>& env, const QStringList& uiLanguages,
                   const QStringList& available);
QString FromSystem();
// The language to speak for the choice kept in [View] Language: "" (none kept) is the system's,
// "en" English, and any other a translation's code.
QString Wanted(const QString& chosen);
// Speaks `code` from now on ("" for English): every open window changes at once, numbers
// follow its locale, and its writing direction is the layout's.
void Use(const QString& code);
QString InUse();
QString Folder();
} // namespace language
