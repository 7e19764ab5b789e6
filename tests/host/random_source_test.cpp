// The random source: always below 1, and whole numbers drawn from it stay in their range.
#include "host/random_source.h"

#include <QTest>

class RandomSourceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void largestBitsStayBelowOne() {
        QVERIFY(host::unitFloatFromBits(0xFFFFFFFFu) < 1.0f);
        QCOMPARE(host::unitFloatFromBits(0), 0.0f);
    }

    void uniformIndexStaysInRange_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("zero") << 0.0f << 10 << 0;
        QTest::newRow("largest draw") << host::unitFloatFromBits(0xFFFFFFFFu) << 10 << 9;
        QTest::newRow("half of two") << 0.5f << 2 << 1;
        QTest::newRow("just below half") << 0.49999997f << 2 << 0;
        QTest::newRow("broken source gives one") << 1.0f << 2 << 1;
        QTest::newRow("broken source gives negative") << -0.5f << 8 << 0;
    }
    void uniformIndexStaysInRange() {
        QFETCH(float, r);
        QFETCH(int, count);
        QFETCH(int, index);
        QCOMPARE(host::uniformIndex(r, count), index);
    }
};

QTEST_GUILESS_MAIN(RandomSourceTest)
#include "random_source_test.moc"
