// The exact story figures: shares and steps that follow by hand from the rules, every event's
// steps adding up, agreement with stories played at random, and rules the figures cannot count
// as they are. Then zoa-content map: a box for every event the rules reach, with its share of
// stories and its missing files, laid out as the story is told, and the likelier steps with their
// chances; the command writes SVG or PNG, fitted to a screen with its text readable.
#include "figures/simulation.h"
#include "figures/story_figures.h"
#include "map/story_map.h"
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>
#include <graphviz/gvc.h>
#include <stdexcept>

namespace {

const content::StoryFigures& figures() {
    return content::storyFigures();
}

// A figure by its name: an event's share of stories, "FROM>TO" the chance of that step, or one of
// the counts of answers to the ending.
double figureNamed(const QString& name) {
    const QHash<QString, double> answers = {{"answers: mean", figures().meanAnswers},
                                            {"answers: half", figures().answersByHalf},
                                            {"answers: 90%", figures().answersBy90},
                                            {"answers: 99%", figures().answersBy99}};
    for (const content::StepFigures& step : figures().steps) {
        if (step.from + '>' + step.to == name) {
            return step.chance;
        }
    }
    return answers.contains(name)            ? answers.value(name)
           : figures().events.contains(name) ? figures().events.value(name).share
                                             : 0;
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

// The label of the arrow between two boxes, and which way it points ("back", "both" or none);
// empty when there is none.
QString arrowLabel(Agraph_t* graph, const QString& from, const QString& to) {
    for (const auto& [tail, head] : {std::pair{from, to}, std::pair{to, from}}) {
        if (Agedge_t* edge = agedge(graph, node(graph, tail), node(graph, head), nullptr, 0)) {
            const QString dir = attribute(edge, "dir");
            const bool forward = dir.isEmpty() || dir == "forward";
            return attribute(edge, "label") + (tail != from ? " back" : forward ? "" : " " + dir);
        }
    }
    return {};
}

QString firstEvent(Agnode_t* box) {
    return QString::fromUtf8(agnameof(box)).section(' ', 0, 0);
}

// A story map as dot lays it out: where each box stands, by its first event, which boxes
// next-meeting arrows join, and where each text is drawn, in points.
struct MapLayout {
    QHash<QString, QPointF> places;
    QSet<QPair<QString, QString>> nextMeetings;
    QList<QPair<QString, QRectF>> texts;
    // Points along each arrow, with the names of the texts it may touch: its label and its ends.
    QList<QPair<QStringList, QList<QPointF>>> arrows;
    QList<QPair<QString, QRectF>> groups; // each cluster's border
};

QRectF around(pointf centre, pointf size) {
    return {centre.x - size.x / 2, centre.y - size.y / 2, size.x, size.y};
}

// Points along the arrow's Bézier curves.
QList<QPointF> pointsAlong(Agedge_t* edge) {
    QList<QPointF> points;
    for (int i = 0; ED_spl(edge) != nullptr && i < ED_spl(edge)->size; ++i) {
        const bezier& curve = ED_spl(edge)->list[i];
        for (int start = 0; start + 3 < curve.size; start += 3) {
            const pointf* p = curve.list + start;
            for (double t = 0; t < 1; t += 0.05) {
                const double u = 1 - t;
                points.append({u * u * u * p[0].x + 3 * u * u * t * p[1].x +
                                   3 * u * t * t * p[2].x + t * t * t * p[3].x,
                               u * u * u * p[0].y + 3 * u * u * t * p[1].y +
                                   3 * u * t * t * p[2].y + t * t * t * p[3].y});
            }
        }
    }
    return points;
}

// The labels of the graph and its clusters, of every depth, and the clusters' borders.
void addClusterLabels(Agraph_t* graph, MapLayout& laidOut) {
    if (GD_label(graph) != nullptr) {
        laidOut.texts.append(
            {agnameof(graph), around(GD_label(graph)->pos, GD_label(graph)->dimen)});
    }
    if (QString(agnameof(graph)).startsWith("cluster")) {
        const boxf& box = GD_bb(graph);
        laidOut.groups.append(
            {agnameof(graph), QRectF(QPointF(box.LL.x, box.LL.y), QPointF(box.UR.x, box.UR.y))});
    }
    for (Agraph_t* sub = agfstsubg(graph); sub; sub = agnxtsubg(sub)) {
        addClusterLabels(sub, laidOut);
    }
}

MapLayout layOut(const content::StoryMap& map) {
    GVC_t* context = content::graphvizContext();
    gvLayout(context, map.graph(), "dot");
    MapLayout laidOut;
    for (Agnode_t* box = agfstnode(map.graph()); box; box = agnxtnode(map.graph(), box)) {
        laidOut.places.insert(firstEvent(box), {ND_coord(box).x, ND_coord(box).y});
        laidOut.texts.append(
            {agnameof(box), around(ND_coord(box), {ND_width(box) * 72, ND_height(box) * 72})});
        for (Agedge_t* edge = agfstout(map.graph(), box); edge;
             edge = agnxtout(map.graph(), edge)) {
            if (attribute(edge, "tooltip") == "next meeting") {
                laidOut.nextMeetings.insert({firstEvent(box), firstEvent(aghead(edge))});
            }
            QStringList touched{agnameof(box), agnameof(aghead(edge))};
            if (ED_label(edge) != nullptr) {
                touched.append(touched.join('>') + ' ' + ED_label(edge)->text);
                laidOut.texts.append(
                    {touched.last(), around(ED_label(edge)->pos, ED_label(edge)->dimen)});
            }
            laidOut.arrows.append({touched, pointsAlong(edge)});
        }
    }
    addClusterLabels(map.graph(), laidOut);
    gvFreeLayout(context, map.graph());
    return laidOut;
}

const MapLayout& demoLayout() {
    static const MapLayout layout = layOut(content::StoryMap(content::storyFigures(), {}, 0.1));
    return layout;
}

// The SVG's width in points and its smallest text in points.
QPair<double, double> svgWidthAndSmallestText(const QString& path) {
    QFile file(path);
    const QString svg = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    const double width =
        QRegularExpression("viewBox=\"[\\d.]+ [\\d.]+ ([\\d.]+)").match(svg).captured(1).toDouble();
    double smallest = 1e9;
    for (const QRegularExpressionMatch& size :
         QRegularExpression("font-size=\"([\\d.]+)\"").globalMatch(svg)) {
        smallest = std::min(smallest, size.captured(1).toDouble());
    }
    return {width, smallest};
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
    // story; a character's value comes with chance 1/10. The number of answers to the ending
    // counts the answers until the fifth with chance 1/4.
    void figuresFollowFromTheRules_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<double>("value");
        const auto row = [](const char* name, const char* figure, double value) {
            QTest::newRow(name) << QString(figure) << value;
        };
        row("a_0: one of four answers a draws scene 0", "a_0", 1 - std::pow(0.8, 4));
        row("b_0: 1/20 against 1/4, five times", "b_0", 1 - std::pow(5.0 / 6, 5));
        row("char30: 1/10 against 1/4", "char30", 1 - std::pow(5.0 / 7, 5));
        row("char31: character 3 met twice", "char31",
            1 - std::pow(5.0 / 7, 5) * (1 + 5 * 2.0 / 7));
        row("every story ends", "name_end", 1.0);
        row("mean answers to the ending", "answers: mean", 20);
        row("half the stories end by 19 answers", "answers: half", 19);
        row("90% by 30 answers", "answers: 90%", 30);
        row("99% by 43 answers", "answers: 99%", 43);
        row("first answer meets character 3", "zoa>char30", 0.1);
        row("first answer b with scene 2", "zoa>b_2", 0.05);
        row("character 3 met again", "char31>char32", 0.1);
        row("character 1 never starts at 0", "zoa>char10", 0.0);
        row("the ending leads nowhere", "name_end>a_0", 0.0);
    }
    void figuresFollowFromTheRules() {
        QFETCH(QString, figure);
        QFETCH(double, value);
        QVERIFY2(std::fabs(figureNamed(figure) - value) < 1e-9,
                 qPrintable(QString::number(figureNamed(figure), 'g', 12)));
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

    // Boxes with their share and missing files, in their character's group; steps of at least the
    // smallest chance asked for, each marked with its chance.
    void mapShowsBoxesAndSteps_data() {
        QTest::addColumn<double>("smallest");
        QTest::addColumn<QString>("item");    // an event's box, or "FROM>TO" a step
        QTest::addColumn<QString>("label");   // empty when a step is not drawn
        QTest::addColumn<QString>("cluster"); // of a box, and its colour when files are missing
        const auto row = [](const char* name, double smallest, const char* item, const char* label,
                            const char* cluster) {
            QTest::newRow(name) << smallest << QString(item) << QString(label) << QString(cluster);
        };
        row("present", 0.1, "char31", "char31\\n54.84%", "cluster_char3");
        row("script and pictures missing", 0.1, "char40",
            "char40\\n81.41%\\nmissing char40.txt, char4.bmp, 4.bmp", "cluster_char4 red");
        row("script missing", 0.1, "char45", "char45\\n13.10%\\nmissing char45.txt",
            "cluster_char4 red");
        row("answer scene", 0.1, "b_3", "b_3\\n59.81%\\nmissing b_3.txt, b_3.bmp",
            "cluster_answers red");
        row("long plays in one box", 0.1, "char310 … char328",
            "char310 … char328\\n0.04219%\\nmissing char310.txt … char315.txt\\n(6 files)",
            "cluster_char3 darkorange");
        row("a share as people read it", 0.1, "char010 … char014", "char010 … char014\\n0.0000044%",
            "cluster_char0");
        row("meeting again, on the next meeting's arrow", 0.1, "char31>char32", "10.00%", "");
        row("answer scene under 10%", 0.1, "char31>b_0", "", "");
        row("answer scene at 5%, a step back", 0.05, "char31>b_0", "5.000% back", "");
        row("random scenes both ways", 0.01, "char22>char23", "→ 1.247%\\n← 1.247%", "");
        row("steps both ways", 0.01, "char21>char23", "→ 1.247%\\n← 1.247% both", "");
        row("into the ending", 0.1, "a_0>name_end", "", "");
        row("a press on the title", 0.1, "title>zoa", "a press", "");
        row("a right press on the title", 0.1, "title>end", "a right press", "");
        row("answer a", 0.1, "choice>a_0", "answer \"a\"", "");
        row("answer b", 0.1, "choice>b_0", "answer \"b\"", "");
        row("the fifth answer a", 0.1, "choice>name_end", "the fifth answer \"a\"", "");
    }
    void mapShowsBoxesAndSteps() {
        QFETCH(double, smallest);
        QFETCH(QString, item);
        QFETCH(QString, label);
        QFETCH(QString, cluster);
        TestContent content;
        writeContent(content);
        const content::StoryMap map(content::storyFigures(),
                                    content::missingFiles(content::ContentFolder(content.folder()),
                                                          content::storyFigures()),
                                    smallest);
        if (cluster.isEmpty()) {
            QCOMPARE(arrowLabel(map.graph(), item.section('>', 0, 0), item.section('>', 1)), label);
            return;
        }
        Agnode_t* found = node(map.graph(), item);
        QVERIFY(found != nullptr);
        QCOMPARE(attribute(found, "label"), label);
        const bool missing = label.contains("missing");
        QCOMPARE(attribute(found, "style"), QString(missing ? "dashed" : ""));
        QCOMPARE(attribute(found, "color"), cluster.section(' ', 1));
        QByteArray clusterName = cluster.section(' ', 0, 0).toUtf8();
        Agraph_t* group = agsubg(map.graph(), clusterName.data(), 0);
        QVERIFY(group != nullptr && agsubnode(group, found, 0) != nullptr);
    }

    void commandWritesTheMap_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start"); // the format's first bytes
        QTest::addColumn<QString>("steps");
        QTest::newRow("svg") << "story.svg" << QByteArray("<?xml") << "10";
        QTest::newRow("png") << "story.PNG" << QByteArray("\x89PNG") << "10";
    }
    void commandWritesTheMap() {
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        QFETCH(QString, steps);
        TestContent content;
        writeContent(content);
        const QString output = content.folder() + "/" + file;
        QCOMPARE(
            runTool(ZOA_CONTENT_TOOL, {"map", content.folder(), "-o", output, "--steps", steps})
                .exitCode,
            0);
        QFile written(output);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(start.size()) == start);
    }

    // Each character's scenes left to right in one row, long plays in one box at its end; the
    // answer scenes in rows of their own.
    void scenesReadInRowsAsTold_data() {
        QTest::addColumn<QString>("boxes"); // by their first event, left to right
        QTest::addColumn<bool>("joined");   // by next-meeting arrows
        QTest::newRow("character 0")
            << "char00 char01 char02 char03 char04 char05 char06 char07 char08 char09 char010"
            << true;
        QTest::newRow("character 1")
            << "char11 char12 char13 char14 char15 char16 char17 char18 char19 char110" << true;
        QTest::newRow("character 2")
            << "char20 char21 char22 char23 char24 char25 char26 char27 char28 char29" << true;
        QTest::newRow("character 3")
            << "char30 char31 char32 char33 char34 char35 char36 char37 char38 char39 char310"
            << true;
        QTest::newRow("character 4")
            << "char40 char41 char42 char43 char44 char45 char46 char47 char48 char49" << true;
        QTest::newRow("answers a") << "a_0 a_1 a_2 a_3 a_4" << false;
        QTest::newRow("answers b") << "b_0 b_1 b_2 b_3 b_4" << false;
    }
    void scenesReadInRowsAsTold() {
        QFETCH(QString, boxes);
        QFETCH(bool, joined);
        const MapLayout& layout = demoLayout();
        const QStringList events = boxes.split(' ');
        for (int i = 1; i < events.size(); ++i) {
            const QPointF scene = layout.places.value(events[i - 1]);
            const QPointF next = layout.places.value(events[i]);
            QVERIFY2(layout.places.contains(events[i]), qPrintable(events[i]));
            QCOMPARE(next.y(), scene.y());
            QVERIFY2(next.x() > scene.x(), qPrintable(events[i]));
            QCOMPARE(layout.nextMeetings.contains({events[i - 1], events[i]}), joined);
        }
    }

    // No text of the map covers another, nor is crossed by a group's border or another's arrow:
    // boxes, arrows' labels and the groups' titles.
    void textsNeverOverlap_data() {
        QTest::addColumn<double>("smallest");
        QTest::addColumn<bool>("uncrossed"); // by lines too: at 1% the arrows are too many
        QTest::newRow("steps of 10%") << 0.1 << true;
        QTest::newRow("steps of 1%") << 0.01 << false;
    }
    void textsNeverOverlap() {
        QFETCH(double, smallest);
        QFETCH(bool, uncrossed);
        const MapLayout layout = layOut(content::StoryMap(content::storyFigures(), {}, smallest));
        for (qsizetype i = 0; i < layout.texts.size(); ++i) {
            for (qsizetype j = i + 1; j < layout.texts.size(); ++j) {
                const auto& [one, oneBox] = layout.texts[i];
                const auto& [other, otherBox] = layout.texts[j];
                QVERIFY2(!oneBox.intersects(otherBox), qPrintable(one + " / " + other));
            }
            if (!uncrossed) {
                continue;
            }
            // Lines may touch the 2 points above and below a label's glyphs, which Graphviz
            // counts in its height.
            const auto& [text, area] = layout.texts[i];
            const QRectF glyphs = area.adjusted(0, 2, 0, -2);
            for (const auto& [touched, points] : layout.arrows) {
                for (const QPointF& at : touched.contains(text) ? points.mid(0, 0) : points) {
                    QVERIFY2(!glyphs.contains(at), qPrintable(text + " / " + touched.join(' ')));
                }
            }
            for (const auto& [group, border] : layout.groups) {
                QVERIFY2(!border.intersects(glyphs) || border.contains(glyphs),
                         qPrintable(text + " / " + group));
            }
        }
    }

    // The title left of every other box, its events left of every scene.
    void titleStandsFirst_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("right"); // what stands right of it
        const QString scenes = "^(char\\d|[ab]_\\d|name_end)";
        QTest::newRow("title") << "title"
                               << "^(?!title$)";
        QTest::newRow("opening") << "zoa" << scenes;
        QTest::newRow("credits") << "end" << scenes;
    }
    void titleStandsFirst() {
        QFETCH(QString, event);
        QFETCH(QString, right);
        const QHash<QString, QPointF>& places = demoLayout().places;
        QVERIFY(places.contains(event));
        for (auto other = places.cbegin(); other != places.cend(); ++other) {
            if (other.key().contains(QRegularExpression(right))) {
                QVERIFY2(places.value(event).x() < other->x(), qPrintable(other.key()));
            }
        }
    }

    // The demo's whole map at a screen's size, or larger when its text would be less than 10
    // pixels high. The SVG of the same layout tells the text's size in points.
    void pngFitsTheSizeWithReadableText_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("fits");
        QTest::newRow("full HD") << "1920x1080" << true;
        QTest::newRow("too small") << "800x600" << false;
    }
    void pngFitsTheSizeWithReadableText() {
        QFETCH(QString, size);
        QFETCH(bool, fits);
        TestContent scratch;
        const QString png = scratch.path("map.png");
        const QString svg = scratch.path("map.svg");
        const ToolRun run =
            runTool(ZOA_CONTENT_TOOL, {"map", ZOA_DEMO_FOLDER, "-o", png, "--size", size});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.contains("does not fit"), !fits);
        QCOMPARE(runTool(ZOA_CONTENT_TOOL, {"map", ZOA_DEMO_FOLDER, "-o", svg}).exitCode, 0);
        const QSize picture = QImageReader(png).size();
        const QStringList asked = size.split('x');
        const QSize screen(asked[0].toInt(), asked[1].toInt());
        QCOMPARE(picture.width() <= screen.width() && picture.height() <= screen.height(), fits);
        if (fits) {
            // Filled across or down, but for Graphviz's rounding.
            QVERIFY(picture.width() >= screen.width() - 3 ||
                    picture.height() >= screen.height() - 3);
        }
        const auto [widthPoints, smallestPoints] = svgWidthAndSmallestText(svg);
        QVERIFY(widthPoints > 0);
        // The picture's width is rounded to whole pixels.
        const double pixelsPerPoint = (picture.width() + 0.5) / widthPoints;
        QVERIFY2(smallestPoints * pixelsPerPoint >= 10,
                 qPrintable(QString::number(smallestPoints * pixelsPerPoint)));
    }
};

QTEST_GUILESS_MAIN(FiguresTest)
#include "figures_test.moc"
