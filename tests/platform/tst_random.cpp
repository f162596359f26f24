// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random indices: nearest(u * m) with exact halves going to the even neighbour.

#include "platform/Mt19937Random.h"
#include "platform/RandomSource.h"

#include "fakes/FakePlatform.h"

#include <QTest>

using namespace orbelle::platform;

class TestRandom : public QObject {
    Q_OBJECT

private slots:
    void nearestRoundsHalvesToEven_data();
    void nearestRoundsHalvesToEven();
    void randomIndex_data();
    void randomIndex();
    void drawsStayInUnitInterval();
    void sameSeedSameSequence();
};

void TestRandom::nearestRoundsHalvesToEven_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("5.5 -> 6") << 5.5 << 6;
    QTest::newRow("4.5 -> 4") << 4.5 << 4;
    QTest::newRow("2.5 -> 2") << 2.5 << 2;
    QTest::newRow("0.5 -> 0") << 0.5 << 0;
    QTest::newRow("1.5 -> 2") << 1.5 << 2;
    QTest::newRow("6.5 -> 6") << 6.5 << 6;
    QTest::newRow("7.5 -> 8") << 7.5 << 8;
    QTest::newRow("0.4999 -> 0") << 0.4999 << 0;
    QTest::newRow("0.5001 -> 1") << 0.5001 << 1;
    QTest::newRow("3.2 -> 3") << 3.2 << 3;
    QTest::newRow("3.7 -> 4") << 3.7 << 4;
    QTest::newRow("0 -> 0") << 0.0 << 0;
    QTest::newRow("11 -> 11") << 11.0 << 11;
    QTest::newRow("-0.5 -> 0") << -0.5 << 0;
    QTest::newRow("-1.5 -> -2") << -1.5 << -2;
}

void TestRandom::nearestRoundsHalvesToEven() {
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(nearest(x), expected);
}

void TestRandom::randomIndex_data() {
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("expected");
    QTest::newRow("u*11 = 5.5 gives 6") << 0.5f << 11 << 6;
    QTest::newRow("u*9 = 4.5 gives 4") << 0.5f << 9 << 4;
    QTest::newRow("u*4 = 2.5 gives 2") << 0.625f << 4 << 2;
    QTest::newRow("u*4 = 1.5 gives 2") << 0.375f << 4 << 2;
    QTest::newRow("u*4 = 0.5 gives 0") << 0.125f << 4 << 0;
    QTest::newRow("u*4 = 3.5 gives 4") << 0.875f << 4 << 4;
    QTest::newRow("u = 0 gives 0") << 0.0f << 11 << 0;
    QTest::newRow("largest u gives m") << std::nextafter(1.0f, 0.0f) << 11 << 11;
    QTest::newRow("not truncated: 0.99*9 gives 9") << 0.99f << 9 << 9;
    QTest::newRow("u*6 = 3 exactly") << 0.5f << 6 << 3;
}

void TestRandom::randomIndex() {
    QFETCH(float, u);
    QFETCH(int, m);
    QFETCH(int, expected);
    orbelle::fakes::ScriptedRandom random{u};
    QCOMPARE(orbelle::platform::randomIndex(random, m), expected);
}

void TestRandom::drawsStayInUnitInterval() {
    Mt19937Random random(7);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float u = random.nextSingle();
        QVERIFY(u >= 0.0f && u < 1.0f);
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestRandom::sameSeedSameSequence() {
    Mt19937Random first(2026);
    Mt19937Random second(2026);
    Mt19937Random other(2027);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const float u = first.nextSingle();
        QCOMPARE(second.nextSingle(), u);
        differs = differs || other.nextSingle() != u;
    }
    QVERIFY(differs);
    // The first draw for seed 5489 (the engine's default) is fixed by the engine's definition.
    Mt19937Random reference(5489);
    QCOMPARE(reference.nextSingle(), float(3499211612u >> 8) / 16777216.0f);
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
