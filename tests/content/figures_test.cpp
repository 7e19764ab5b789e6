// The exact story figures: shares and steps that follow by hand from the rules, every event's
// steps adding up, agreement with stories played at random, and rules the figures cannot count
// as they are. Then zoa-content map: the graph holds every event the rules reach, with its share
// of stories and its missing files, and the likelier steps with their chances; the command
// writes SVG or PNG.
#include "figures/simulation.h"
#include "figures/story_figures.h"
#include "figures/story_map.h"
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <graphviz/cgraph.h>
#include <stdexcept>

namespace {

const content::StoryFigures& figures() {
    return content::storyFigures();
}

double stepChance(const QString& from, const QString& to) {
    for (const content::StepFigures& step : figures().steps) {
        if (step.from == from && step.to == to) {
            return step.chance;
        }
    }
    return 0;
}

// Three values: 0 and 1 each raise a counter of their own and start the scene "x", 2 ends the
// story.
std::vector<content::StoryStep> twoWaysToOneScene(int s, const content::StoryState& from) {
    content::StoryState next = from;
    if (s == 2) {
        return {{story::endingEventName, story::noCharacter, 0, next, 1.0}};
    }
    next.counters[s] = static_cast<std::uint8_t>(std::min(next.counters[s] + 1, 255));
    return {{"x", story::noCharacter, 0, next, 1.0}};
}

std::vector<content::StoryStep> neverEnding(int, const content::StoryState& from) {
    return {{"x", story::noCharacter, 0, from, 1.0}};
}

QString attribute(void* object, const char* name) {
    QByteArray key(name);
    return QString::fromUtf8(agget(object, key.data()));
}

Agnode_t* node(Agraph_t* graph, const QString& name) {
    QByteArray text = name.toUtf8();
    return agnode(graph, text.data(), 0);
}

// Content with character 3's second scene and its pictures, nothing else but the title.
void writeContent(TestContent& content) {
    content.writeScript("char31", {"text", ">", "A", "B"});
    content.writePicture("char3");
    content.writePicture("3");
}

} // namespace

class FiguresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each answer is "a" after an answer draw with chance 1/4, and the fifth such answer ends the
    // story; a character's value comes with chance 1/10.
    void sharesFollowFromTheRules_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<double>("share");
        QTest::newRow("a_0: one of four answers a draws scene 0") << "a_0" << 1 - std::pow(0.8, 4);
        QTest::newRow("b_0: 1/20 against 1/4, five times") << "b_0" << 1 - std::pow(5.0 / 6, 5);
        QTest::newRow("char30: 1/10 against 1/4") << "char30" << 1 - std::pow(5.0 / 7, 5);
        QTest::newRow("char31: character 3 met twice")
            << "char31" << 1 - std::pow(5.0 / 7, 5) * (1 + 5 * 2.0 / 7);
        QTest::newRow("every story ends") << "name_end" << 1.0;
    }
    void sharesFollowFromTheRules() {
        QFETCH(QString, event);
        QFETCH(double, share);
        QVERIFY(figures().events.contains(event));
        QVERIFY2(std::fabs(figures().events.value(event).share - share) < 1e-9,
                 qPrintable(QString::number(figures().events.value(event).share, 'g', 12)));
    }

    // The number of answers to the ending counts the answers until the fifth with chance 1/4.
    void answersToTheEndingFollowTheirDistribution() {
        QVERIFY(std::fabs(figures().meanAnswers - 20) < 1e-9);
        QCOMPARE(figures().answersByHalf, 19);
        QCOMPARE(figures().answersBy90, 30);
        QCOMPARE(figures().answersBy99, 43);
    }

    void stepsFollowFromTheRules_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("chance");
        QTest::newRow("first answer meets character 3") << "zoa"
                                                        << "char30" << 0.1;
        QTest::newRow("first answer b with scene 2") << "zoa"
                                                     << "b_2" << 0.05;
        QTest::newRow("character 3 met again") << "char31"
                                               << "char32" << 0.1;
        QTest::newRow("character 1 never starts at 0") << "zoa"
                                                       << "char10" << 0.0;
        QTest::newRow("the ending leads nowhere") << "name_end"
                                                  << "a_0" << 0.0;
    }
    void stepsFollowFromTheRules() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(double, chance);
        QVERIFY(std::fabs(stepChance(from, to) - chance) < 1e-9);
    }

    // The steps from an event cover every answer given there, but for what the cut leaves out of
    // the stories that reach the event.
    void stepsFromEachEventAddUp() {
        QHash<QString, double> sums;
        for (const content::StepFigures& step : figures().steps) {
            sums[step.from] += step.chance;
        }
        for (const content::EventFigures& event : figures().events) {
            const QString& name = event.event.name;
            const bool leadsOn = name != "end" && name != "name_end";
            const double leftOut = std::fabs(sums.value(name) - (leadsOn ? 1 : 0)) * event.share;
            QVERIFY2(leftOut < 10 * content::storyFiguresCut, qPrintable(name));
        }
    }

    // Within five standard errors of the share, for every event of normal play and beyond.
    void sharesAgreeWithSampledStories() {
        constexpr int stories = 20000;
        const QHash<QString, int> sampled = content::simulateStories(stories, 11).reached;
        for (const content::EventFigures& event : figures().events) {
            const QString& name = event.event.name;
            if (name == "zoa" || name == "end") {
                continue;
            }
            const double share = event.share;
            const double error = std::sqrt(share * (1 - share) / stories) + 1.0 / stories;
            const double found = static_cast<double>(sampled.value(name)) / stories;
            QVERIFY2(std::fabs(found - share) <= 5 * error,
                     qPrintable(name + QString(": %1 sampled, %2 exact").arg(found).arg(share)));
        }
        for (auto it = sampled.cbegin(); it != sampled.cend(); ++it) {
            QVERIFY2(figures().events.contains(it.key()), qPrintable(it.key()));
        }
    }

    // A scene two independent values start comes before the ending in two stories of three.
    void sceneOfTwoPartsIsCountedOnce() {
        const content::StoryFigures toy = content::computeStoryFigures({3, &twoWaysToOneScene});
        QVERIFY(std::fabs(toy.events.value("x").share - 2.0 / 3) < 1e-9);
    }

    void rulesWithoutAnEndingAreReported() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, content::computeStoryFigures({1, &neverEnding}));
    }

    void nodesShowShareAndMissingFiles_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("cluster");
        QTest::newRow("present") << "char31"
                                 << "char31\\nchar3, face 3\\nin 54.84% of stories"
                                 << "cluster_char3";
        QTest::newRow("script and pictures missing")
            << "char45"
            << "char45\\nmissing char45.txt, char4.bmp, 4.bmp\\nin 13.10% of stories"
            << "cluster_char4";
        QTest::newRow("answer scene") << "b_3"
                                      << "b_3\\nmissing b_3.txt, b_3.bmp\\nin 59.81% of "
                                         "stories"
                                      << "cluster_answers";
        QTest::newRow("long play") << "char320"
                                   << "char320\\nmissing char320.txt\\nin 1.331e-06% of stories"
                                   << "cluster_char3";
    }
    void nodesShowShareAndMissingFiles() {
        QFETCH(QString, event);
        QFETCH(QString, label);
        QFETCH(QString, cluster);
        TestContent content;
        writeContent(content);
        const content::StoryMap map(content::storyFigures(),
                                    content::ContentFolder(content.folder()), 0.1);
        Agnode_t* found = node(map.graph(), event);
        QVERIFY(found != nullptr);
        QCOMPARE(attribute(found, "label"), label);
        const bool missing = label.contains("missing");
        QCOMPARE(attribute(found, "style"), QString(missing ? "dashed" : ""));
        QCOMPARE(attribute(found, "color"), QString(missing ? "red" : ""));
        QByteArray clusterName = cluster.toUtf8();
        Agraph_t* group = agsubg(map.graph(), clusterName.data(), 0);
        QVERIFY(group != nullptr && agsubnode(group, found, 0) != nullptr);
        QCOMPARE(agnnodes(map.graph()), int(content::storyFigures().events.size()));
    }

    // Steps of at least the smallest chance asked for, each marked with its chance.
    void stepsAtLeastTheSmallestChanceAreDrawn_data() {
        QTest::addColumn<double>("smallest");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("label"); // empty when the step is not drawn
        QTest::newRow("meeting again") << 0.1 << "char31"
                                       << "char32"
                                       << "10.00%";
        QTest::newRow("answer scene under 10%") << 0.1 << "char31"
                                                << "b_0"
                                                << "";
        QTest::newRow("answer scene at 5%") << 0.05 << "char31"
                                            << "b_0"
                                            << "5.000%";
    }
    void stepsAtLeastTheSmallestChanceAreDrawn() {
        QFETCH(double, smallest);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, label);
        TestContent content;
        const content::StoryMap map(content::storyFigures(),
                                    content::ContentFolder(content.folder()), smallest);
        Agedge_t* edge =
            agedge(map.graph(), node(map.graph(), from), node(map.graph(), to), nullptr, 0);
        QCOMPARE(edge != nullptr ? attribute(edge, "label") : QString(), label);
    }

    void commandWritesTheMap_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start"); // the format's first bytes
        QTest::newRow("svg") << "story.svg" << QByteArray("<?xml");
        QTest::newRow("png") << "story.PNG" << QByteArray("\x89PNG");
    }
    void commandWritesTheMap() {
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        TestContent content;
        writeContent(content);
        const QString path = content.folder() + "/" + file;
        QCOMPARE(runTool(ZOA_CONTENT_TOOL, {"map", content.folder(), "-o", path}).exitCode, 0);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(start.size()) == start);
    }
};

QTEST_GUILESS_MAIN(FiguresTest)
#include "figures_test.moc"
