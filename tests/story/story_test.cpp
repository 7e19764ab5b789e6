// The story through the handlers, as a table: presses on the title, answers, counters, the
// ending, faces and the pressed look (the face's verse is read in real_events_test). The story
// content is TestContent::writeStory; steps and short forms are those of GameFixture::play.
// Then the selector table alone: which scene a run of selector values leads to.
#include "scripted-random/scripted_random.h"
#include "story/scene_selector.h"
#include "support/game_fixture.h"

#include <QTest>

Q_DECLARE_METATYPE(story::Counters)

class StoryTest : public QObject {
    Q_OBJECT

    static void row(const char* name, const QString& setup, const QString& steps,
                    const QString& trace, const QString& state, const QString& counters) {
        QTest::newRow(name) << setup << steps << trace << state << counters;
    }

private Q_SLOTS:
    void storyFollowsPressesAndAnswers_data() {
        QTest::addColumn<QString>("setup"); // steps whose trace is not looked at
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("counters");
        const QString zero = "0 0 0 0 0 | 0";
        const QString answerAt = "r:0.2 pleft k"; // a choice open, "a" on top, next draws 2

        // Presses on the title.
        row("a left press starts a story afresh", "c:1,2,3,4,5,4 r:0.45", "pleft",
            "selector 4 | se2 | event zoa zoa", "typing script img=zoa", zero);
        row("a middle press starts a story afresh", "c:1,2,3,4,5,4 r:0.45", "pmiddle",
            "selector 4 | se2 | event zoa zoa", "typing script img=zoa", zero);
        row("a right press plays the credits", "c:1,2,3,4,5,4 r:0.45", "pright", "event end -",
            "typing script title img=opn", "1 2 3 4 5 | 4");
        row("a second right press starts the credits over", "pright t4", "pright t1",
            "event end - | se | line credits", "typing script title img=opn", zero);
        row("presses are not taken while a story runs", "r:0.45 pleft t3", "pright pleft", "",
            "typing script img=zoa", zero);
        row("a first draw equal to the selector sounds nothing", "r:0.15", "pleft", "event zoa zoa",
            "typing script img=zoa", zero);

        // Answers.
        row("an answer a after an answer draw counts", answerAt + " s6", "a0",
            "answer 0 a 6 | se2 | selector 2 | se2 | event a_3 a_3", "typing script img=a_3",
            "0 0 0 0 0 | 1");
        row("an answer b does not count", answerAt + " s1", "a1",
            "answer 1 b 1 | se2 | selector 2 | se2 | event b_0 b_0", "typing script img=b_0", zero);
        row("the fifth answer a plays the ending", answerAt + " c:0,0,0,0,0,4 s9", "a0",
            "answer 0 a 9 | se2 | selector 2 | se2 | event name_end name_end",
            "typing script img=name_end", "0 0 0 0 0 | 5");
        row("a next draw equal to the selector sounds nothing", "r:0.35 pleft k", "a0",
            "answer 0 a 3 | se2 | event a_1 a_1", "typing script img=a_1", "0 0 0 0 0 | 1");

        // Character draws.
        row("an answer a at a character draw does not count", answerAt + " c:0,0,0,0,0,4 s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | face 3",
            "typing script img=char3 face=3", "0 0 0 1 0 | 4");
        row("both captions lead to the character", answerAt + " c:0,0,0,0,0,4 s4", "a1",
            "answer 1 b 4 | se2 | selector 2 | se2 | event char30 char3 | face 3",
            "typing script img=char3 face=3", "0 0 0 1 0 | 4");
        row("an answer draw hides the face", answerAt + " s4 a0 k s1", "a1",
            "answer 1 b 1 | se2 | selector 2 | se2 | event b_0 b_0", "typing script img=b_0",
            "0 0 0 1 0 | 0");
        row("a face that cannot be read stays hidden", answerAt + " x:dat2/3.bmp s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | warning dat2/3.bmp",
            "typing script img=char3", "0 0 0 1 0 | 0");
        row("a scene without its script shows no face", answerAt + " x:dat1/char30.txt s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | "
            "warning dat1/char30.txt | end char30 | title",
            "title img=opn", "0 0 0 1 0 | 0");
        row("the title hides the face and keeps the counters", answerAt + " w:char30:bye s4 a0",
            "t5", "se | line bye | se | end char30 | title", "title img=opn", "0 0 0 1 0 | 0");

        // The pressed look.
        row("a press paints its caption pressed", "pleft k", "d1", "",
            "choice[A zoa|B zoa*] img=zoa", zero);
    }

    void storyFollowsPressesAndAnswers() {
        QFETCH(QString, setup);
        QFETCH(QString, steps);
        QFETCH(QString, trace);
        QFETCH(QString, state);
        QFETCH(QString, counters);
        GameFixture game;
        game.content.writeStory();
        game.start();
        game.play(setup);
        QCOMPARE(game.play(steps), trace);
        QCOMPARE(game.state(), state);
        QCOMPARE(game.counters(), counters);
    }
    // Each row: counters at the start, the selector values in turn, the random draws for the
    // random scenes, and the events they lead to (answers with key "b").
    void selectorValuesLeadToScenes_data() {
        QTest::addColumn<story::Counters>("start");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<story::Counters>("end");
        const auto row = [](const char* name, story::Counters start, const QList<int>& values,
                            const QList<float>& draws, const QStringList& events,
                            story::Counters end) {
            QTest::newRow(name) << start << values << draws << events << end;
        };
        row("first meetings", {}, {7, 8, 4, 4}, {}, {"char00", "char11", "char30", "char31"},
            {0, 1, 0, 2, 0});
        row("characters 0 and 1 take turns", {}, {8, 7, 7, 8, 8, 7}, {},
            {"char11", "char01", "char01", "char12", "char12", "char02"}, {2, 2, 0, 0, 0});
        row("7 and 8: one jumps to 9 for good", {7, 8, 0, 0, 0}, {8, 7, 8, 7}, {},
            {"char19", "char07", "char19", "char07"}, {7, 9, 0, 0, 0});
        row("8 and 8 reach 10", {8, 8, 0, 0, 0}, {8, 7, 8}, {}, {"char19", "char09", "char110"},
            {9, 10, 0, 0, 0});
        row("character 4: 0, then random scenes", {}, {0, 0, 0}, {0.0f, 0.99f},
            {"char40", "char41", "char48"}, {0, 0, 0, 0, 3});
        row("character 2 from its tenth meeting", {0, 0, 9, 0, 0}, {2, 2}, {}, {"char29", "char29"},
            {0, 0, 11, 0, 0});
        row("character 3 has no last scene", {0, 0, 0, 10, 0}, {4, 4}, {}, {"char310", "char311"},
            {0, 0, 0, 12, 0});
        row("answers", {}, {1, 3, 5, 6, 9}, {}, {"b_0", "b_1", "b_2", "b_3", "b_4"}, {});
        row("counters stop at 255", {0, 0, 255, 255, 255}, {0, 2, 4}, {},
            {"char49", "char29", "char3255"}, {0, 0, 255, 255, 255});
        row("character 1 at 255 stays", {255, 255, 0, 0, 0}, {8, 7}, {}, {"char1255", "char0255"},
            {255, 255, 0, 0, 0});
    }
    void selectorValuesLeadToScenes() {
        QFETCH(story::Counters, start);
        QFETCH(QList<int>, values);
        QFETCH(QList<float>, draws);
        QFETCH(QStringList, events);
        QFETCH(story::Counters, end);
        ScriptedRandom random(std::vector<float>(draws.begin(), draws.end()));
        story::Counters affinity = start;
        QStringList names;
        for (int value : values) {
            std::uint8_t answers = 0;
            const story::SceneDraw draw = story::drawScene(value, affinity, random);
            names.append(story::answeredScene(draw, story::answerB, answers).event);
        }
        QCOMPARE(names, events);
        QCOMPARE(affinity, end);
        QCOMPARE(random.drawsMade(), std::size_t(draws.size()));
    }
};

QTEST_MAIN(StoryTest)
#include "story_test.moc"
