#include "Messages.h"

#include <QtTest>

// The wire format, byte for byte.
class tst_Messages : public QObject {
    Q_OBJECT

private slots:
    void layoutIsExact_data();
    void layoutIsExact();
    void splitKeepsEveryField_data();
    void splitKeepsEveryField();
    void namesNeverCarryTheDelimiter();
    void theNumberIsReadAsEveryFieldIs_data();
    void theNumberIsReadAsEveryFieldIs();
    void onlyCatalogueNumbersAreKnown();
};

void tst_Messages::layoutIsExact_data() {
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected"); // '|' stands for the delimiter
    std::array<std::int16_t, 8> x{90, 270, 3, 4, 5, 6, 7, 8}, y{147, 147, 0, 0, 0, 0, 0, -1},
        fuel{85, 84, 85, 85, 85, 85, 85, -1};
    QTest::newRow("1 positions") << wire::Positions(x, y, fuel)
                                 << QByteArray(
                                        "1|90|147|270|147|3|0|4|0|5|0|6|0|7|0|8|-1|85|84|85|85|85|85|85|-1|");
    QTest::newRow("2 steer") << wire::Steer(3, 4, 1) << QByteArray("2|3|4|1|");
    QTest::newRow("3 outcome, no trailing delimiter") << wire::RoundOutcome(12) << QByteArray("3|12");
    wire::Settings s;
    s.height = 295;
    s.width = 360;
    s.speed = 85;
    s.thickness = 0;
    s.warp = 0;
    s.numPlayers = 2;
    s.matchScore = 7;
    s.complexity = 8;
    s.turbo = 1;
    s.team = 0;
    s.name = QStringLiteral("Ann");
    s.color = 16777215;
    s.gridColor = 0;
    s.fixedPosition = 1;
    s.diagonalMotion = 0;
    QTest::newRow("4 settings") << wire::MatchSettings(s)
                                << QByteArray("4|295|360|85|0|0|2|7|8|1|0|Ann|16777215|0|1|0|");
    QTest::newRow("6 obstacle") << wire::Obstacle(33, 48, 60, -2) << QByteArray("6|33|48|60|-2|");
    QTest::newRow("7 reset all") << wire::ResetAll() << QByteArray("7|");
    QTest::newRow("9 register") << wire::Register(2, QStringLiteral("Bo"), 255) << QByteArray("9|2|Bo|255|");
    QTest::newRow("9 roll-call answer of a free instance")
        << wire::Register(-1, QString(), 0) << QByteArray("9|-1||0|");
    QTest::newRow("9 register, UTF-8 name")
        << wire::Register(1, QStringLiteral("Zoë"), 1) << QByteArray("9|1|Zo\xC3\xAB|1|");
    QTest::newRow("10 pause, no trailing delimiter") << wire::PauseResume(true) << QByteArray("10|1");
    QTest::newRow("10 resume") << wire::PauseResume(false) << QByteArray("10|2");
    QTest::newRow("11 roll call") << wire::RollCall() << QByteArray("11|");
    QTest::newRow("13 unregister") << wire::Unregister(0) << QByteArray("13|0|");
    QTest::newRow("14 turbo off") << wire::TurboOff(8) << QByteArray("14|8|");
    QTest::newRow("15 turn") << wire::Turn(1, 3) << QByteArray("15|1|3|");
    QTest::newRow("16 reset match") << wire::ResetMatch() << QByteArray("16|");
}

void tst_Messages::layoutIsExact() {
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built, expected.replace('|', wire::Delimiter));
}

void tst_Messages::splitKeepsEveryField_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty") << QByteArray() << QStringList{""};
    QTest::newRow("no delimiter") << QByteArray("hello") << QStringList{"hello"};
    QTest::newRow("trailing delimiter") << QByteArray("7\x01") << QStringList{"7", ""};
    QTest::newRow("UTF-8 name") << QByteArray("9\x01"
                                              "1\x01Zo\xC3\xAB\x01")
                                << QStringList{"9", "1", "Zoë", ""};
    QTest::newRow("Latin-1 name from an older peer") << QByteArray("9\x01"
                                                                   "1\x01Zo\xEB\x01")
                                                     << QStringList{"9", "1", "Zoë", ""};
    QTest::newRow("bare continuation byte") << QByteArray("\x80\x01x") << QStringList{"\u0080", "x"};
}

void tst_Messages::splitKeepsEveryField() {
    QFETCH(QByteArray, datagram);
    QTEST(wire::Split(datagram), "fields");
}

void tst_Messages::namesNeverCarryTheDelimiter() {
    const QByteArray d = wire::Register(1,
                                        QStringLiteral("a\x01"
                                                       "b") +
                                            QString(100, u'x'),
                                        5);
    const QStringList f = wire::Split(d);
    QCOMPARE(f.size(), 5);
    QVERIFY(f[2].startsWith(QStringLiteral("ab")));
    QCOMPARE(f[2].size(), wire::MaxNameLength);
    const QStringList huge = wire::Split(QByteArray(70000, '\x01'));
    QCOMPARE(huge.size(), 70001);
}

void tst_Messages::theNumberIsReadAsEveryFieldIs_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << QByteArray("9\x01" "3\x01") << 9;
    QTest::newRow("spaces and a sign") << QByteArray(" +9 \x01" "3\x01") << 9;
    QTest::newRow("a fraction, rounded") << QByteArray("8.6\x01") << 9;
    QTest::newRow("no delimiter") << QByteArray("13") << 13;
    QTest::newRow("not a number") << QByteArray("x\x01" "3") << 0;
    QTest::newRow("empty first field") << QByteArray("\x01" "9") << 0;
    QTest::newRow("beyond 16 bits") << QByteArray("99999\x01") << 0;
    QTest::newRow("nothing") << QByteArray() << 0;
}

void tst_Messages::theNumberIsReadAsEveryFieldIs() {
    // One decoder: the quick look at a datagram's number and its fields agree on every input.
    QFETCH(QByteArray, datagram);
    QTEST(wire::NumberOf(datagram), "number");
    QCOMPARE(wire::NumberOf(datagram), int(wire::Fields(datagram).Number().value_or(0)));
}

void tst_Messages::onlyCatalogueNumbersAreKnown() {
    QList<int> known;
    for (int n = -2; n <= 20; ++n)
        if (wire::IsKnown(n)) known << n;
    QCOMPARE(known, QList<int>({1, 2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 15, 16, 20}));
}

QTEST_GUILESS_MAIN(tst_Messages)
#include "tst_Messages.moc"
