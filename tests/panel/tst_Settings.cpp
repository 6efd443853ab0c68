#include "IniFile.h"
#include "Language.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QDateTime>
#include <QFileInfo>
#include <QtTest>
#ifndef Q_OS_WIN
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

// The settings file: what reads back, what a write keeps, and what a crash leaves.
class tst_Settings : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    static void Put(const QString& path, const QByteArray& content) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray Get(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void systemLanguageIsTheFirstWithATranslation_data();
    void systemLanguageIsTheFirstWithATranslation();
    void readsLikeTheProfileFunctions_data();
    void readsLikeTheProfileFunctions();
    void missingFileReadsEmpty();
    void writeKeepsEverythingElse();
    void writeCreatesFileAndSection();
    void aSaveWritesOnceAndOnlyWhatChanged_data();
    void aSaveWritesOnceAndOnlyWhatChanged();
    void crashDuringWritesLeavesAWholeFile();
    void typedSettingsKeepOldFiles_data();
    void typedSettingsKeepOldFiles();
    void oldSettingsAreAdoptedOnce_data();
    void oldSettingsAreAdoptedOnce();
};

void tst_Settings::readsLikeTheProfileFunctions_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QByteArray("[Main]\nSpeed=84\n") << "Speed"
                           << "84";
    QTest::newRow("any case") << QByteArray("[mAIN]\nsPEED=3\n") << "Speed"
                              << "3";
    QTest::newRow("spaces") << QByteArray("  [ Main ]  \n  Speed  =  12  \n") << "Speed"
                            << "12";
    QTest::newRow("quotes") << QByteArray("[Main]\nName=\" Ann \"\n") << "Name"
                            << " Ann ";
    QTest::newRow("comma kept") << QByteArray("[Main]\nName=Smith, Ann\n") << "Name"
                                << "Smith, Ann";
    QTest::newRow("CRLF") << QByteArray("[Main]\r\nWidth=400\r\n") << "Width"
                          << "400";
    QTest::newRow("empty value") << QByteArray("[Main]\nWidth=\n") << "Width"
                                 << "";
    QTest::newRow("no equals sign") << QByteArray("[Main]\nWidth\n") << "Width"
                                    << "";
    QTest::newRow("other section") << QByteArray("[Other]\nWidth=1\n[Main]\nHeight=2\n") << "Width"
                                   << "";
    QTest::newRow("first of duplicate sections")
        << QByteArray("[Main]\nWidth=1\n[Main]\nWidth=2\n") << "Width"
        << "1";
    QTest::newRow("254 characters at most") << QByteArray("[Main]\nName=") + QByteArray(300, 'a') + "\n"
                                            << "Name" << QString(254, u'a');
    QTest::newRow("Latin-1 file") << QByteArray("[Main]\nName=Zo\xEB\n") << "Name"
                                  << "Zoë";
    QTest::newRow("binary") << QByteArray("\x00\xFF[Main\x00]\n\x01=\x02\n", 12) << "Width"
                            << "";
}

void tst_Settings::readsLikeTheProfileFunctions() {
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    Put(Path("read.ini"), content);
    QTEST(ReadIniString(QStringLiteral("Main"), key, Path("read.ini")), "value");
}

void tst_Settings::missingFileReadsEmpty() {
    QCOMPARE(ReadIniString(QStringLiteral("Main"), QStringLiteral("Speed"), Path("none.ini")), QString());
}

void tst_Settings::writeKeepsEverythingElse() {
    const QByteArray before =
        "; Lumivex\n[Other]\nSpeed=1\n\n[Main]\nName=Old\n; keep me\nWidth=9\n\n[Tail]\nx=y\n";
    Put(Path("keep.ini"), before);
    QVERIFY(WriteIniString(QStringLiteral("Main"), QStringLiteral("name"), QStringLiteral("New"),
                           Path("keep.ini")));
    QVERIFY(WriteIniString(QStringLiteral("Main"), QStringLiteral("Height"), QStringLiteral("200"),
                           Path("keep.ini")));
    QCOMPARE(Get(Path("keep.ini")), QByteArray("; Lumivex\n[Other]\nSpeed=1\n\n[Main]\nname=New\n; keep "
                                               "me\nWidth=9\nHeight=200\n\n[Tail]\nx=y\n"));
}

void tst_Settings::aSaveWritesOnceAndOnlyWhatChanged_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    // The panel's save of Name, Speed and Width (its keys, as an earlier build wrote them).
    const QByteArray earlier = "[Main]\r\nName=Ann\r\nWarp=0\r\nSpeed=84\r\nWidth=360\r\nPointColor=255\r\n[View]\r\nZoom=Auto\r\n";
    QTest::newRow("nothing changed: not written") << earlier << earlier;
    QTest::newRow("one value changed, in its place")
        << QByteArray("[Main]\nName=Bob\nSpeed=84\nWidth=360\n") << QByteArray("[Main]\nName=Ann\nSpeed=84\nWidth=360\n");
    QTest::newRow("missing keys join the section's end, in order")
        << QByteArray("[Main]\nName=Ann\n\n[Keys]\nUp1=Up\n") << QByteArray("[Main]\nName=Ann\nSpeed=84\nWidth=360\n\n[Keys]\nUp1=Up\n");
    QTest::newRow("no file") << QByteArray() << QByteArray("[Main]\nName=Ann\nSpeed=84\nWidth=360\n");
}

void tst_Settings::aSaveWritesOnceAndOnlyWhatChanged() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QString path = Path("save.ini");
    QFile::remove(path);
    if (!before.isEmpty()) Put(path, before);
    const QDateTime written = QFileInfo(path).lastModified();
    QTest::qWait(before == after ? 20 : 0);
    QVERIFY(WriteIniStrings(QStringLiteral("Main"),
                            {{QStringLiteral("Name"), QStringLiteral("Ann")},
                             {QStringLiteral("Speed"), QStringLiteral("84")},
                             {QStringLiteral("Width"), QStringLiteral("360")}},
                            path));
    QCOMPARE(Get(path), after);
    if (before == after) QCOMPARE(QFileInfo(path).lastModified(), written);
}

void tst_Settings::writeCreatesFileAndSection() {
    const QString path = dir_.filePath(QStringLiteral("sub/dir/new.ini"));
    QVERIFY(WriteIniString(QStringLiteral("Main"), QStringLiteral("Speed"), QStringLiteral("84"), path));
    QCOMPARE(Get(path), QByteArray("[Main]\nSpeed=84\n"));
    QCOMPARE(ReadIniString(QStringLiteral("Main"), QStringLiteral("Speed"), path), QStringLiteral("84"));
}

void tst_Settings::crashDuringWritesLeavesAWholeFile() {
    // A writer killed at arbitrary moments never leaves a half-written file behind.
    const QString path = Path("crash.ini");
    const QByteArray whole = "[Main]\nName=" + QByteArray(5000, 'n') + "\nWidth=360\n";
    Put(path, whole);
#ifdef Q_OS_WIN
    QSKIP("a writer is killed with fork and SIGKILL");
#else
    for (int round = 0; round < 6; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                WriteIniString(QStringLiteral("Main"), QStringLiteral("Width"),
                               QString::number(1000 + i % 9000), path);
        }
        QVERIFY(child > 0);
        QTest::qSleep(3 + 4 * round);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QByteArray now = Get(path);
        QVERIFY(now.startsWith("[Main]\nName=" + QByteArray(5000, 'n') + "\nWidth="));
        QVERIFY(now.endsWith('\n'));
        QCOMPARE(ReadIniString(QStringLiteral("Main"), QStringLiteral("Name"), path).size(), 254);
    }
#endif
}

void tst_Settings::oldSettingsAreAdoptedOnce_data() {
    QTest::addColumn<QByteArray>("existing"); // the new file before; empty: none
    QTest::addColumn<QByteArray>("old");      // the old program's file; empty: none
    QTest::addColumn<bool>("adopted");
    QTest::addColumn<QString>("name");        // what the new file says afterwards
    QTest::newRow("first start, old file") << QByteArray() << QByteArray("[Main]\nName=Ann\n") << true << "Ann";
    QTest::newRow("new file already there") << QByteArray("[Main]\nName=Bo\n") << QByteArray("[Main]\nName=Ann\n")
                                            << false << "Bo";
    QTest::newRow("no old file") << QByteArray() << QByteArray() << false << "";
}

void tst_Settings::oldSettingsAreAdoptedOnce() {
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, old);
    QFETCH(bool, adopted);
    QFETCH(QString, name);
    QTemporaryDir here;
    const QString file = here.filePath(QStringLiteral("appdata/lumivex.ini"));
    const QString oldFile = here.filePath(QStringLiteral("windows/lumivex.ini"));
    if (!existing.isEmpty()) {
        QDir().mkpath(here.filePath(QStringLiteral("appdata")));
        Put(file, existing);
    }
    if (!old.isEmpty()) {
        QDir().mkpath(here.filePath(QStringLiteral("windows")));
        Put(oldFile, old);
    }
    QCOMPARE(AdoptSettings(file, oldFile), adopted);
    QCOMPARE(ReadIniString(QStringLiteral("Main"), QStringLiteral("Name"), file), name);
    // Once adopted, the new file is the player's: later changes stay, the old file is not read again.
    if (adopted) {
        QVERIFY(WriteIniString(QStringLiteral("Main"), QStringLiteral("Name"), QStringLiteral("Cy"), file));
        QVERIFY(!AdoptSettings(file, oldFile));
        QCOMPARE(ReadIniString(QStringLiteral("Main"), QStringLiteral("Name"), file), QStringLiteral("Cy"));
        QCOMPARE(Get(oldFile), old);
    }
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"

// Files as earlier builds wrote them load into the typed settings, and a save writes back only
// the value that changed, in its place, leaving every other byte.
void tst_Settings::typedSettingsKeepOldFiles_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("change"); // field=value, or empty for a save of what was read
    QTest::addColumn<QByteArray>("after");
    const QByteArray full("[Main]\r\nName=Ann\r\nWarp=1\r\nPlayers=2\r\nThickness=0\r\nSpeed=84\r\nMatch=6\r\n"
                          "Team=0\r\nTurbo=1\r\nVirtualGrid=1\r\nFixedPosition=0\r\nComplexity=7\r\n"
                          "DiagonalMotion=0\r\nWidth=360\r\nHeight=295\r\nPointColor=255\r\nGridColor=16777215\r\n"
                          "BackColor=11555868\r\n[View]\r\nZoom=2\r\n");
    QTest::newRow("all seventeen keys, CRLF: unchanged") << full << QString() << full;
    QByteArray speed = full;
    speed.replace("Speed=84", "Speed=3");
    QTest::newRow("one list changed, in its place") << full << "speed=3" << speed;
    QByteArray colour = full;
    colour.replace("PointColor=255", "PointColor=65280");
    QTest::newRow("a colour changed") << full << "pointColor=65280" << colour;
    const QByteArray odd("; mine\n[main]\nspeed = 084 \nName=\"Zo\xEB\"\nWarp=2.6\nWidth=abc\n[Keys]\nUp1=87\n");
    QTest::newRow("odd spellings read by the rules and kept") << odd << QString() << odd;
    QTest::newRow("an index by the number rules") << odd << "warp=3" << odd;
    QTest::newRow("a name changed, the rest kept")
        << odd << "name=Ann" << QByteArray("; mine\n[main]\nspeed = 084 \nName=Ann\nWarp=2.6\nWidth=abc\n[Keys]\nUp1=87\n");
    const QByteArray sparse("[Main]\nName=Bo\n[Sound]\nVolume=40\n");
    QTest::newRow("defaults are not written") << sparse << QString() << sparse;
    QTest::newRow("a missing key joins its section")
        << sparse << "match=2" << QByteArray("[Main]\nName=Bo\nMatch=2\n[Sound]\nVolume=40\n");
}

void tst_Settings::typedSettingsKeepOldFiles() {
    QFETCH(QByteArray, before);
    QFETCH(QString, change);
    QFETCH(QByteArray, after);
    const QString path = Path("typed.ini");
    Put(path, before);
    Settings settings;
    settings.Load(path);
    Settings::Main m = settings.GetMain();
    if (!change.isEmpty()) {
        const QString field = change.section(QLatin1Char('='), 0, 0), value = change.section(QLatin1Char('='), 1);
        if (field == QLatin1String("speed")) m.speed = value.toInt();
        else if (field == QLatin1String("warp")) m.warp = value.toInt();
        else if (field == QLatin1String("match")) m.match = value.toInt();
        else if (field == QLatin1String("pointColor")) m.pointColor = value.toInt();
        else if (field == QLatin1String("name")) m.name = value;
        else QFAIL("unknown field");
    }
    QVERIFY(settings.SetMain(m));
    QCOMPARE(Get(path), after);
    // What was written is what the next start reads.
    Settings again;
    again.Load(path);
    QVERIFY(again.GetMain() == m);
}

void tst_Settings::systemLanguageIsTheFirstWithATranslation_data() {
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("ui");
    QTest::addColumn<QString>("chosen");
    const QStringList none;
    QTest::newRow("LANG alone") << "" << "" << "de_DE.UTF-8" << none << "de";
    QTest::newRow("LC_ALL over LANG") << "" << "fr_FR.UTF-8" << "de_DE.UTF-8" << none << "fr";
    QTest::newRow("LANGUAGE first, its first with a translation") << "xx:ja:fr" << "" << "de_DE" << none << "ja";
    QTest::newRow("a region falls back to its language") << "" << "" << "de_AT.UTF-8@euro" << none << "de";
    QTest::newRow("a language finds its region") << "" << "" << "pt_PT" << none << "pt_BR";
    QTest::newRow("C means English, whatever LANGUAGE says") << "de" << "C" << "" << none << "";
    QTest::newRow("nothing translated") << "" << "" << "nl_NL.UTF-8" << none << "";
    QTest::newRow("no environment: the interface languages") << "" << "" << "" << QStringList{"nl-NL", "zh-CN"} << "zh_CN";
}

void tst_Settings::systemLanguageIsTheFirstWithATranslation() {
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lang);
    QFETCH(QStringList, ui);
    QFETCH(QString, chosen);
    const QMap<QByteArray, QString> env{{"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LANG", lang}};
    const QStringList available{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ja"),
                                QStringLiteral("pt_BR"), QStringLiteral("zh_CN")};
    QCOMPARE(language::FromSystem([&](const char* name) { return env.value(name).toLocal8Bit(); }, ui, available),
             chosen);
}
