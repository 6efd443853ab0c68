#include "Decode.h"
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
    void decoderReadsEveryKind_data();
    void decoderReadsEveryKind();
};

namespace {
// A decoded message as text: its kind, then each field in order, "-" where it is empty.
QString Describe(const wire::Datagram& d) {
    QStringList out;
    auto n = [&](const auto& v) { out << (v ? QString::number(*v) : QStringLiteral("-")); };
    auto t = [&](const std::optional<QString>& v) { out << v.value_or(QStringLiteral("-")); };
    using namespace wire::msg;
    std::visit(
        [&](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, Unknown>) { out << QStringLiteral("unknown"); n(m.number); }
            else out << QString::number(int(*wire::KindOf(d)));
            if constexpr (std::is_same_v<M, Positions>)
                for (std::size_t i = 0; i < 8; ++i) { n(m.x[i]); n(m.y[i]); }
            if constexpr (std::is_same_v<M, Positions>)
                for (const auto& f : m.fuel) n(f);
            if constexpr (std::is_same_v<M, Steer>) { n(m.slot); n(m.direction); n(m.turbo); }
            if constexpr (std::is_same_v<M, RoundOutcome>) n(m.code);
            if constexpr (std::is_same_v<M, MatchSettings>) {
                for (const auto& v : {m.height, m.width, m.speed, m.thickness, m.warp, m.players, m.matchScore,
                                      m.complexity, m.turbo, m.team})
                    n(v);
                t(m.name); n(m.color); n(m.back); n(m.fixedPosition); n(m.diagonal);
            }
            if constexpr (std::is_same_v<M, Obstacle>) { n(m.x1); n(m.y1); n(m.x2); n(m.y2); }
            if constexpr (std::is_same_v<M, Register>) { n(m.slot); t(m.name); n(m.colour); }
            if constexpr (std::is_same_v<M, PauseResume>) t(m.pause);
            if constexpr (std::is_same_v<M, Unregister>) n(m.slot);
            if constexpr (std::is_same_v<M, TurboOff>) n(m.player);
            if constexpr (std::is_same_v<M, Turn>) { n(m.player); n(m.direction); }
            if constexpr (std::is_same_v<M, Chat>) { t(m.name); n(m.colour); t(m.text); }
        },
        d);
    return out.join(QLatin1Char(' '));
}
} // namespace

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

// Every kind, with fields valid, short, long and malformed, by the number rules; and the seat
// a Register or Unregister names, which the dispatcher takes and the gateway records alike.
void tst_Messages::decoderReadsEveryKind_data() {
    QTest::addColumn<QByteArray>("datagram"); // '|' stands for the delimiter
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<int>("seat"); // -1: none
    const QString noHeads = QStringLiteral(" -").repeated(22);
    QTest::newRow("1 positions, short") << QByteArray("1|5| 6 |") << "1 5 6" + noHeads << -1;
    QTest::newRow("1 positions, long")
        << QByteArray("1|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|81|82|83|84|85|86|87|88|99|99|")
        << "1 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 81 82 83 84 85 86 87 88" << -1;
    QTest::newRow("2 steer: 9.4, spaces, -0") << QByteArray("2|9.4| 7 |-0|") << "2 9 7 0" << -1;
    QTest::newRow("2 steer: halves to even") << QByteArray("2|2.5|3.5") << "2 2 4 -" << -1;
    QTest::newRow("3 outcome beyond 16 bits") << QByteArray("3|32768") << "3 -" << -1;
    QTest::newRow("3 outcome at the edge") << QByteArray("3|-32768") << "3 -32768" << -1;
    QTest::newRow("4 settings, short") << QByteArray("4|295|360|")
                                       << "4 295 360 - - - - - - - - - - - - -" << -1;
    QTest::newRow("4 settings, whole")
        << QByteArray("4|295|360|85|0|0|2|7|8|1|0|Ann|16777215|0|1|0|")
        << "4 295 360 85 0 0 2 7 8 1 0 Ann 16777215 0 1 0" << -1;
    QTest::newRow("6 obstacle, malformed") << QByteArray("6|a|1|2|3") << "6 - 1 2 3" << -1;
    QTest::newRow("7 reset all, long") << QByteArray("7|x|y") << "7" << -1;
    QTest::newRow("9 register 2.6 is seat 3") << QByteArray("9|2.6|Ann|255|") << "9 3 Ann 255" << 3;
    QTest::newRow("9 register, no colour") << QByteArray("9|4|Bo") << "9 4 Bo -" << 4;
    QTest::newRow("9 register, colour beyond 32 bits") << QByteArray("9|5|Cy|4294967296") << "9 5 Cy -" << 5;
    QTest::newRow("9 register, no seat") << QByteArray("9|x|Di|1") << "9 - Di 1" << -1;
    QTest::newRow("10 pause") << QByteArray("10|1") << "10 1" << -1;
    QTest::newRow("10 pause, short") << QByteArray("10") << "10 -" << -1;
    QTest::newRow("11 roll call") << QByteArray("11|") << "11" << -1;
    QTest::newRow("13 unregister -0 is the host") << QByteArray("13|-0|") << "13 0" << 0;
    QTest::newRow("14 turbo off, spaced") << QByteArray("14| 7 ") << "14 7" << -1;
    QTest::newRow("15 turn") << QByteArray("15|2|3|") << "15 2 3" << -1;
    QTest::newRow("16 reset match") << QByteArray("16") << "16" << -1;
    QTest::newRow("20 chat") << QByteArray("20|Ann|255|hi|") << "20 Ann 255 hi" << -1;
    QTest::newRow("20 chat, no colour") << QByteArray("20|Ann|red|hi|") << "20 Ann - hi" << -1;
    QTest::newRow("5: no such message") << QByteArray("5|1|2") << "unknown 5" << -1;
    QTest::newRow("9.4 is 9") << QByteArray("9.4|1|Ed|2") << "9 1 Ed 2" << 1;
    QTest::newRow("no number") << QByteArray("x|9") << "unknown -" << -1;
    QTest::newRow("nothing") << QByteArray() << "unknown -" << -1;
}

void tst_Messages::decoderReadsEveryKind() {
    QFETCH(QByteArray, datagram);
    QFETCH(QString, decoded);
    QFETCH(int, seat);
    const wire::Datagram d = wire::Decode(datagram.replace('|', wire::Delimiter));
    QCOMPARE(Describe(d), decoded);
    QCOMPARE(wire::SeatOf(d).value_or(-1), seat);
}
