#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {
namespace {
// Owned by the application: a program that starts with one on the terminal and opens its
// windows with another loads them again.
QPointer<QTranslator> own, qt;
QString inUse;

// "de_DE.UTF-8@euro" is "de_DE"; C and POSIX are no language.
QString Clean(QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).replace(QLatin1Char('-'), QLatin1Char('_'));
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ? QString() : name;
}

QString Match(const QString& wanted, const QStringList& available) {
    if (wanted.isEmpty()) return {};
    for (const QString& a : available)
        if (a.compare(wanted, Qt::CaseInsensitive) == 0) return a;
    const QString lang = wanted.section(QLatin1Char('_'), 0, 0);
    for (const QString& a : available)
        if (a.section(QLatin1Char('_'), 0, 0).compare(lang, Qt::CaseInsensitive) == 0) return a;
    return {};
}
} // namespace

QString Folder() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (QDir(beside).exists()) return beside;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/lumivex/translations");
}

QStringList Available() {
    QStringList codes;
    for (const QString& f : QDir(Folder()).entryList({QStringLiteral("lumivex_*.qm")}, QDir::Files, QDir::Name))
        codes << f.mid(8).chopped(3);
    return codes;
}

QString OwnName(const QString& code) {
    if (code.isEmpty()) return QStringLiteral("English");
    const QLocale l(code);
    QString name = l.nativeLanguageName();
    if (code.contains(QLatin1Char('_'))) name += QStringLiteral(" (%1)").arg(l.nativeTerritoryName());
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

QString FromSystem(const std::function<QByteArray(const char*)>& env, const QStringList& uiLanguages,
                   const QStringList& available) {
    // The first of LC_ALL, LC_MESSAGES and LANG that is set decides; C or POSIX there means
    // no language, whatever LANGUAGE says (as gettext has it).
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray v = env(name);
        if (!v.isEmpty()) {
            locale = QString::fromLocal8Bit(v);
            break;
        }
    }
    if (!locale.isEmpty() && Clean(locale).isEmpty()) return {};
    for (const QString& wanted : QString::fromLocal8Bit(env("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString m = Match(Clean(wanted), available); !m.isEmpty()) return m;
    if (!locale.isEmpty()) return Match(Clean(locale), available);
    for (const QString& ui : uiLanguages)
        if (const QString m = Match(Clean(ui), available); !m.isEmpty()) return m;
    return {};
}

QString FromSystem() {
#ifdef Q_OS_UNIX
    const QStringList ui; // the environment says it all
#else
    const QStringList ui = QLocale::system().uiLanguages();
#endif
    return FromSystem([](const char* name) { return qgetenv(name); }, ui, Available());
}

void Use(const QString& code) {
    if (!own || !qt) {
        delete own.data();
        delete qt.data();
        own = new QTranslator(QCoreApplication::instance());
        qt = new QTranslator(QCoreApplication::instance());
    }
    QCoreApplication::removeTranslator(own);
    QCoreApplication::removeTranslator(qt);
    inUse.clear();
    QLocale locale(QLocale::English, QLocale::UnitedStates);
    if (!code.isEmpty() && own->load(QStringLiteral("lumivex_") + code, Folder())) {
        inUse = code;
        locale = QLocale(code);
        // Qt's own dialogs: Debian's translations, or the ones shipped beside the program.
        if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            qt->load(QStringLiteral("qtbase_") + code.section(QLatin1Char('_'), 0, 0),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            qt->load(QStringLiteral("qtbase_") + code, Folder()))
            QCoreApplication::installTranslator(qt);
        QCoreApplication::installTranslator(own);
    }
    QLocale::setDefault(locale);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(locale.textDirection());
}

QString InUse() { return own ? inUse : QString(); }

QString Wanted(const QString& chosen) {
    if (chosen.isEmpty()) return FromSystem();
    return chosen == QLatin1String("en") ? QString() : chosen;
}
} // namespace language
