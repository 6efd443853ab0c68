#include "SoundBoard.h"

#include <QtEndian>
#include <QtTest>

// The synthesised sounds and the switches in front of them. Under offscreen there is no
// output: the board must still take every cue, quietly.
class tst_Sound : public QObject {
    Q_OBJECT

    // Peak of each channel, 0..1.
    static std::pair<double, double> Peaks(const QByteArray& wav) {
        double l = 0, r = 0;
        for (qsizetype i = 44; i + 3 < wav.size(); i += 4) {
            l = std::max(l, std::abs(qFromLittleEndian<qint16>(wav.constData() + i)) / 32767.0);
            r = std::max(r, std::abs(qFromLittleEndian<qint16>(wav.constData() + i + 2)) / 32767.0);
        }
        return {l, r};
    }

private slots:
    void everyCueHasASoundOfItsOwn_data();
    void everyCueHasASoundOfItsOwn();
    void muteAndVolumeSilenceEveryCue();
};

void tst_Sound::everyCueHasASoundOfItsOwn_data() {
    QTest::addColumn<int>("cue");
    QTest::addColumn<double>("pan");
    QTest::addColumn<int>("louder"); // -1 left, 0 alike, 1 right
    QTest::newRow("count") << int(Cue::Count3) << 0.0 << 0;
    QTest::newRow("go") << int(Cue::Go) << 0.0 << 0;
    QTest::newRow("crash, left") << int(Cue::Crash) << -1.0 << -1;
    QTest::newRow("crash, right") << int(Cue::Crash) << 0.8 << 1;
    QTest::newRow("crash, beyond the right") << int(Cue::Crash) << 7.0 << 1;
    QTest::newRow("round won") << int(Cue::RoundWon) << 0.0 << 0;
    QTest::newRow("round lost") << int(Cue::RoundLost) << 0.0 << 0;
    QTest::newRow("match won") << int(Cue::MatchWon) << 0.0 << 0;
    QTest::newRow("turbo on") << int(Cue::TurboOn) << 0.0 << 0;
    QTest::newRow("turbo off") << int(Cue::TurboOff) << 0.0 << 0;
}

void tst_Sound::everyCueHasASoundOfItsOwn() {
    QFETCH(int, cue);
    QFETCH(double, pan);
    QFETCH(int, louder);
    const QByteArray wav = SoundBoard::Wave(Cue(cue), pan);
    QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
    const double seconds = (wav.size() - 44) / 4.0 / qFromLittleEndian<quint32>(wav.constData() + 24);
    QVERIFY2(seconds > 0.05 && seconds < 1.5, qPrintable(QString::number(seconds)));
    const auto [l, r] = Peaks(wav);
    // Audible, never clipped, and on the side it belongs.
    QVERIFY2(std::max(l, r) > 0.2 && std::max(l, r) < 1.0, qPrintable(QStringLiteral("%1 %2").arg(l).arg(r)));
    if (louder == 0) QVERIFY(std::abs(l - r) < 0.01);
    else QVERIFY(louder < 0 ? l > 2 * r : r > 2 * l);
    // No two cues sound alike (the three counts share one beep).
    for (int other = 0; other < CueCount; ++other) {
        const bool sameBeep = cue <= int(Cue::Count1) && other <= int(Cue::Count1);
        if (other != cue && !sameBeep) QVERIFY(SoundBoard::Wave(Cue(other), pan) != wav);
    }
}

void tst_Sound::muteAndVolumeSilenceEveryCue() {
    SoundBoard board;
    QVERIFY(!board.HasOutput()); // offscreen: silent by design
    auto playAll = [&board] {
        for (int c = 0; c < CueCount; ++c) board.Play(Cue(c), 0.5);
    };
    playAll();
    QCOMPARE(board.Played(), CueCount);
    board.SetMuted(true);
    playAll();
    QCOMPARE(board.Played(), CueCount);
    board.SetMuted(false);
    board.SetVolume(0);
    playAll();
    QCOMPARE(board.Played(), CueCount);
    board.SetVolume(250);
    QCOMPARE(board.Volume(), 100);
    playAll();
    QCOMPARE(board.Played(), 2 * CueCount);
}

QTEST_MAIN(tst_Sound)
#include "tst_Sound.moc"
