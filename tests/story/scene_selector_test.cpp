// The selector table: which scene a run of selector values leads to, and how counters move.
#include "platform/random_source.h"
#include "story/scene_selector.h"

#include <QTest>

Q_DECLARE_METATYPE(story::Counters)

namespace {

QString nameOf(const story::SceneDraw& draw, const QString& key) {
    return draw.character == story::noCharacter
               ? story::answerEventName(key, draw.scene)
               : story::characterEventName(draw.character, draw.scene);
}

} // namespace

class SceneSelectorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each row: counters at the start, the selector values in turn, the random draws for the
    // random scenes, and the events they lead to (answers with key "b").
    void selectorValuesLeadToScenes_data() {
        QTest::addColumn<story::Counters>("start");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<story::Counters>("end");
        const story::Counters zero{};
        QTest::newRow("first meetings") << zero << QList<int>{7, 8, 4, 4} << QList<float>{}
                                        << QStringList{"char00", "char11", "char30", "char31"}
                                        << story::Counters{0, 1, 0, 2, 0};
        QTest::newRow("characters 0 and 1 take turns")
            << zero << QList<int>{8, 7, 7, 8, 8, 7} << QList<float>{}
            << QStringList{"char11", "char01", "char01", "char12", "char12", "char02"}
            << story::Counters{2, 2, 0, 0, 0};
        QTest::newRow("7 and 8: one jumps to 9 for good")
            << story::Counters{7, 8, 0, 0, 0} << QList<int>{8, 7, 8, 7} << QList<float>{}
            << QStringList{"char19", "char07", "char19", "char07"}
            << story::Counters{7, 9, 0, 0, 0};
        QTest::newRow("8 and 8 reach 10")
            << story::Counters{8, 8, 0, 0, 0} << QList<int>{8, 7, 8} << QList<float>{}
            << QStringList{"char19", "char09", "char110"} << story::Counters{9, 10, 0, 0, 0};
        QTest::newRow("character 4: 0, then random scenes")
            << zero << QList<int>{0, 0, 0} << QList<float>{0.0f, 0.99f}
            << QStringList{"char40", "char41", "char48"} << story::Counters{0, 0, 0, 0, 3};
        QTest::newRow("character 2 from its tenth meeting")
            << story::Counters{0, 0, 9, 0, 0} << QList<int>{2, 2} << QList<float>{}
            << QStringList{"char29", "char29"} << story::Counters{0, 0, 11, 0, 0};
        QTest::newRow("character 3 has no last scene")
            << story::Counters{0, 0, 0, 10, 0} << QList<int>{4, 4} << QList<float>{}
            << QStringList{"char310", "char311"} << story::Counters{0, 0, 0, 12, 0};
        QTest::newRow("answers") << zero << QList<int>{1, 3, 5, 6, 9} << QList<float>{}
                                 << QStringList{"b_0", "b_1", "b_2", "b_3", "b_4"} << zero;
        QTest::newRow("counters stop at 255")
            << story::Counters{0, 0, 255, 255, 255} << QList<int>{0, 2, 4} << QList<float>{}
            << QStringList{"char49", "char29", "char3255"} << story::Counters{0, 0, 255, 255, 255};
        QTest::newRow("character 1 at 255 stays")
            << story::Counters{255, 255, 0, 0, 0} << QList<int>{8, 7} << QList<float>{}
            << QStringList{"char1255", "char0255"} << story::Counters{255, 255, 0, 0, 0};
    }
    void selectorValuesLeadToScenes() {
        QFETCH(story::Counters, start);
        QFETCH(QList<int>, values);
        QFETCH(QList<float>, draws);
        QFETCH(QStringList, events);
        QFETCH(story::Counters, end);
        platform::ScriptedRandom random(std::vector<float>(draws.begin(), draws.end()));
        story::Counters affinity = start;
        QStringList names;
        for (int value : values) {
            names.append(nameOf(story::drawScene(value, affinity, random), "b"));
        }
        QCOMPARE(names, events);
        QCOMPARE(affinity, end);
        QCOMPARE(random.drawsMade(), std::size_t(draws.size()));
    }
};

QTEST_GUILESS_MAIN(SceneSelectorTest)
#include "scene_selector_test.moc"
