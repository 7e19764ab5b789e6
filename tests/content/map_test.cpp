// zoa-content map: the graph holds every event the rules reach, with its share of stories and
// its missing files, and the likelier steps with their chances; the command writes SVG or PNG.
#include "figures/story_figures.h"
#include "figures/story_map.h"
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QFile>
#include <QTest>

#include <graphviz/cgraph.h>

namespace {

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

class MapTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nodesShowShareAndMissingFiles_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("cluster");
        QTest::newRow("present") << "char31"
                                 << "char31\\nchar3, face 3\\nin 54.84% of stories"
                                 << "cluster_char3";
        QTest::newRow("script missing") << "char32"
                                        << "char32\\nmissing char32.txt\\nin 32.08% of stories"
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
        int drawn = 0;
        for (const content::StepFigures& step : content::storyFigures().steps) {
            drawn += step.chance >= smallest - content::storyFiguresCut ? 1 : 0;
        }
        QCOMPARE(agnedges(map.graph()), drawn);
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

QTEST_GUILESS_MAIN(MapTest)
#include "map_test.moc"
