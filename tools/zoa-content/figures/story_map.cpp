#include "figures/story_map.h"

#include "figures/figure_text.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <graphviz/gvc.h>

namespace content {

namespace {

// A line break in a Graphviz label.
const QString lineBreak = QStringLiteral("\\n");

// Graphviz takes names and values as writable C strings.
void set(void* object, const char* name, const QString& value) {
    QByteArray key(name);
    QByteArray text = value.toUtf8();
    QByteArray none;
    agsafeset(object, key.data(), text.data(), none.data());
}

// The group an event is drawn in: a character's events, the answer scenes, or none (the title's
// events and the ending).
QString clusterOf(const ReachableEvent& event) {
    if (!event.face.isEmpty()) {
        return QStringLiteral("cluster_char") + event.face;
    }
    bool alone = event.name == story::endingEventName;
    for (const ReachableEvent& title : titleEvents()) {
        alone = alone || event.name == title.name;
    }
    return alone ? QString() : QStringLiteral("cluster_answers");
}

QString clusterLabel(const QString& cluster) {
    return cluster == QLatin1String("cluster_answers")
               ? QStringLiteral("answer scenes")
               : QStringLiteral("character ") + cluster.mid(QStringLiteral("cluster_char").size());
}

// The files an event needs that the folder lacks.
QStringList missingFiles(const ReachableEvent& event, const ContentFolder& folder) {
    QStringList missing;
    if (!QFileInfo(folder.script(event.name)).isFile()) {
        missing.append(event.name + ContentFolder::txt());
    }
    for (const QString& picture : {event.picture, event.face}) {
        if (!picture.isEmpty() && !QFileInfo(folder.picture(picture)).isFile()) {
            missing.append(picture + ContentFolder::bmp());
        }
    }
    return missing;
}

QString shareLabel(const EventFigures& figures) {
    if (figures.event.picture.isEmpty()) {
        return QStringLiteral("the title's right button");
    }
    return QStringLiteral("in ") + percent(figures.share) + QStringLiteral(" of stories");
}

void addNode(Agraph_t* graph, QHash<QString, Agraph_t*>& clusters, const EventFigures& figures,
             const ContentFolder& folder) {
    const ReachableEvent& event = figures.event;
    const QString cluster = clusterOf(event);
    Agraph_t* parent = graph;
    if (!cluster.isEmpty()) {
        if (!clusters.contains(cluster)) {
            QByteArray name = cluster.toUtf8();
            clusters.insert(cluster, agsubg(graph, name.data(), 1));
            set(clusters.value(cluster), "label", clusterLabel(cluster));
        }
        parent = clusters.value(cluster);
    }
    QByteArray name = event.name.toUtf8();
    Agnode_t* node = agnode(parent, name.data(), 1);
    const QStringList missing = missingFiles(event, folder);
    QString shows = event.picture.isEmpty() ? QStringLiteral("title picture") : event.picture;
    if (!event.face.isEmpty()) {
        shows += QStringLiteral(", face ") + event.face;
    }
    const QString files =
        missing.isEmpty() ? shows : QStringLiteral("missing ") + missing.join(QStringLiteral(", "));
    set(node, "label", QStringList{event.name, files, shareLabel(figures)}.join(lineBreak));
    if (!missing.isEmpty()) {
        set(node, "style", QStringLiteral("dashed"));
        set(node, "color", QStringLiteral("red"));
        set(node, "fontcolor", QStringLiteral("red"));
    }
}

void addEdge(Agraph_t* graph, const StepFigures& step) {
    QByteArray from = step.from.toUtf8();
    QByteArray to = step.to.toUtf8();
    Agnode_t* tail = agnode(graph, from.data(), 0);
    Agnode_t* head = agnode(graph, to.data(), 0);
    if (tail == nullptr || head == nullptr) {
        return;
    }
    set(agedge(graph, tail, head, nullptr, 1), "label", percent(step.chance));
}

QString graphLabel(const StoryFigures& figures, double smallestStep) {
    return QStringLiteral("The story by its rules, for a player who picks either caption with "
                          "equal chance: the ending comes after %1 answers on average (half the "
                          "stories by %2, 90% by %3, 99% by %4). Each step is marked with the "
                          "chance that an answer takes it; steps under %5 are left out.")
        .arg(fourDigits(figures.meanAnswers))
        .arg(figures.answersByHalf)
        .arg(figures.answersBy90)
        .arg(figures.answersBy99)
        .arg(percent(smallestStep));
}

} // namespace

StoryMap::StoryMap(const StoryFigures& figures, const ContentFolder& folder, double smallestStep) {
    QByteArray name("story");
    graph_ = agopen(name.data(), Agdirected, nullptr);
    set(graph_, "label", graphLabel(figures, smallestStep));
    set(graph_, "rankdir", QStringLiteral("LR"));
    // Ranks over the whole graph: Graphviz 2.42 frees some edge labels twice when ranking the
    // clusters one by one.
    set(graph_, "newrank", QStringLiteral("true"));
    QHash<QString, Agraph_t*> clusters;
    for (const EventFigures& event : figures.events) {
        addNode(graph_, clusters, event, folder);
    }
    for (const StepFigures& step : figures.steps) {
        // The figures are exact to the cut: a step of exactly the smallest chance may come out a
        // little under it, in the order the chances happened to be summed.
        if (step.chance >= smallestStep - storyFiguresCut) {
            addEdge(graph_, step);
        }
    }
}

StoryMap::~StoryMap() {
    agclose(graph_);
}

QString StoryMap::render(const QString& path, const QString& format) const {
    GVC_t* context = gvContext();
    QString problem;
    if (gvLayout(context, graph_, "dot") != 0) {
        problem = QStringLiteral("Graphviz could not lay the map out");
    } else {
        if (gvRenderFilename(context, graph_, format.toUtf8().constData(),
                             QFile::encodeName(path).constData()) != 0) {
            problem = QStringLiteral("Graphviz could not write %1").arg(path);
        }
        gvFreeLayout(context, graph_);
    }
    gvFreeContext(context);
    return problem;
}

} // namespace content
