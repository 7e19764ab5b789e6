#include "map/story_map.h"

#include "figures/figure_text.h"
#include "map/map_plan.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <graphviz/gvc.h>

namespace content {

namespace {

// Text sizes in points: the smallest sets how far the map may shrink and stay readable.
constexpr double textPoints = 14;
constexpr double stepPoints = 12;
constexpr double smallestPoints = std::min(textPoints, stepPoints);
constexpr double readablePixels = 10;
constexpr double pointsPerInch = 72;
// The blank margin around the drawing.
constexpr double padPoints = 4;

const QString lineBreak = QStringLiteral("\\n");

// Graphviz takes names and values as writable C strings.
void set(void* object, const char* name, const QString& value) {
    QByteArray key(name);
    QByteArray text = value.toUtf8();
    QByteArray none;
    agsafeset(object, key.data(), text.data(), none.data());
}

void setDefault(Agraph_t* graph, int kind, const char* name, const QString& value) {
    QByteArray key(name);
    QByteArray text = value.toUtf8();
    agattr(graph, kind, key.data(), text.data());
}

Agraph_t* subgraph(Agraph_t* parent, const QString& name) {
    QByteArray text = name.toUtf8();
    return agsubg(parent, text.data(), 1);
}

Agnode_t* findNode(Agraph_t* graph, const QString& name) {
    QByteArray text = name.toUtf8();
    return agnode(graph, text.data(), 0);
}

// The missing files that check reports, by event.
using MissingByEvent = QHash<QString, QList<MissingFile>>;

QList<MissingFile> missingFiles(const MapBox& box, const MissingByEvent& missing) {
    QList<MissingFile> files;
    for (const EventFigures& figures : box.events) {
        files.append(missing.value(figures.event.name));
    }
    return files;
}

// All the names when there are few, else the first and the last.
QString missingText(const QList<MissingFile>& files) {
    QStringList missing;
    for (const MissingFile& file : files) {
        missing.append(QFileInfo(file.path).fileName());
    }
    constexpr int shownInFull = 3;
    if (missing.size() <= shownInFull) {
        return QStringLiteral("missing ") + missing.join(QStringLiteral(", "));
    }
    return QStringLiteral("missing %1 … %2\\n(%3 files)")
        .arg(missing.constFirst(), missing.constLast())
        .arg(missing.size());
}

QString shareLabel(const MapBox& box) {
    if (box.events.constFirst().event.picture.isEmpty()) {
        return QStringLiteral("the title's right button");
    }
    return percent(box.share());
}

// A box drawn dashed when check reports files of its events missing: red for an error, orange
// for a warning.
Agnode_t* addBox(Agraph_t* parent, const MapBox& box, const MissingByEvent& missingByEvent) {
    QByteArray name = box.name().toUtf8();
    Agnode_t* node = agnode(parent, name.data(), 1);
    QStringList label{box.name(), shareLabel(box)};
    const QList<MissingFile> missing = missingFiles(box, missingByEvent);
    if (!missing.isEmpty()) {
        label.append(missingText(missing));
        const bool error =
            std::any_of(missing.cbegin(), missing.cend(),
                        [](const MissingFile& file) { return file.severity == Severity::Error; });
        const QString colour = error ? QStringLiteral("red") : QStringLiteral("darkorange");
        set(node, "style", QStringLiteral("dashed"));
        set(node, "color", colour);
        set(node, "fontcolor", colour);
    }
    set(node, "label", label.join(lineBreak));
    return node;
}

// Boxes by column, to be ranked together.
using Columns = QMap<int, QList<Agnode_t*>>;

// A bold arrow from a character's scene to the next.
void joinNextMeeting(Agraph_t* cluster, Agnode_t* scene, Agnode_t* next, bool named) {
    const QString text = QStringLiteral("next meeting");
    const QString colour = QStringLiteral("#1f5fbf");
    Agedge_t* edge = agedge(cluster, scene, next, nullptr, 1);
    set(edge, "tooltip", text);
    set(edge, "color", colour);
    set(edge, "penwidth", QStringLiteral("2"));
    set(edge, "weight", QStringLiteral("100"));
    if (named) {
        set(edge, "label", text);
        set(edge, "fontcolor", colour);
    }
}

// Returns the row's boxes.
QList<Agnode_t*> addRow(Agraph_t* graph, const MapRow& row, const MissingByEvent& missing,
                        Columns& columns) {
    const QString character = QString::number(row.character);
    Agraph_t* cluster = subgraph(graph, QStringLiteral("cluster_char") + character);
    set(cluster, "label",
        QStringLiteral("character %1: picture %2, face %3")
            .arg(character, story::characterPictureName(row.character),
                 story::facePictureName(row.character)));
    QList<Agnode_t*> nodes;
    Agnode_t* previous = nullptr;
    for (const MapBox& box : row.boxes) {
        Agnode_t* node = addBox(cluster, box, missing);
        // Boxes of a group stand in a straight line.
        set(node, "group", character);
        columns[box.column].append(node);
        nodes.append(node);
        if (previous != nullptr) {
            // Named on the arrows out of scene 0 only, so as to widen one gap between columns.
            joinNextMeeting(cluster, previous, node, nodes.size() == 2 && row.boxes[0].column == 0);
        }
        previous = node;
    }
    return nodes;
}

void addAnswers(Agraph_t* graph, const QList<MapBox>& answers, const MissingByEvent& missing,
                Columns& columns) {
    Agraph_t* cluster = subgraph(graph, QStringLiteral("cluster_answers"));
    set(cluster, "label", QStringLiteral("answer scenes, each with the picture of its name"));
    for (const MapBox& box : answers) {
        columns[box.column].append(addBox(cluster, box, missing));
    }
}

QList<Agnode_t*> addBoxes(Agraph_t* parent, const QList<MapBox>& boxes,
                          const MissingByEvent& missing) {
    QList<Agnode_t*> nodes;
    for (const MapBox& box : boxes) {
        nodes.append(addBox(parent, box, missing));
    }
    return nodes;
}

// An arrow that is not drawn, to hold one box left of another.
void holdLeft(Agraph_t* graph, Agnode_t* left, Agnode_t* right) {
    set(agedge(graph, left, right, nullptr, 1), "style", QStringLiteral("invis"));
}

void rankColumns(Agraph_t* graph, const Columns& columns) {
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        Agraph_t* column = subgraph(graph, QStringLiteral("column %1").arg(it.key()));
        set(column, "rank", QStringLiteral("same"));
        for (Agnode_t* node : it.value()) {
            agsubnode(column, node, 1);
        }
    }
}

// The map's box for each event: its own, or its character's long plays.
QHash<QString, MapBox> boxOfEvent(const MapPlan& plan) {
    QHash<QString, MapBox> boxOf;
    QList<MapBox> boxes = plan.opening + plan.answers + plan.closing;
    for (const MapRow& row : plan.rows) {
        boxes.append(row.boxes);
    }
    for (const MapBox& box : boxes) {
        for (const EventFigures& figures : box.events) {
            boxOf.insert(figures.event.name, box);
        }
    }
    return boxOf;
}

// The steps between boxes in different columns: the likeliest where several join two boxes.
// They leave the layout to the story's order; steps within a column, which Graphviz cannot
// always route, are left out, and so are steps into the ending: any answer "a" may end it.
void addSteps(Agraph_t* graph, const StoryFigures& figures, const MapPlan& plan,
              double smallestStep) {
    const QHash<QString, MapBox> boxOf = boxOfEvent(plan);
    QMap<QPair<QString, QString>, double> chances;
    for (const StepFigures& step : figures.steps) {
        const MapBox from = boxOf.value(step.from);
        const MapBox to = boxOf.value(step.to);
        const QPair<QString, QString> ends{from.name(), to.name()};
        // The figures are exact to the cut: a step of exactly the smallest chance may come out a
        // little under it, in the order the chances happened to be summed.
        if (from.column != to.column && step.to != story::endingEventName &&
            step.chance >= smallestStep - storyFiguresCut) {
            chances[ends] = std::max(chances.value(ends), step.chance);
        }
    }
    for (auto it = chances.cbegin(); it != chances.cend(); ++it) {
        Agnode_t* tail = findNode(graph, it.key().first);
        Agnode_t* head = findNode(graph, it.key().second);
        if (tail == nullptr || head == nullptr) {
            continue;
        }
        Agedge_t* edge = agedge(graph, tail, head, nullptr, 1);
        set(edge, "label", percent(it.value()));
        set(edge, "constraint", QStringLiteral("false"));
        set(edge, "color", QStringLiteral("grey60"));
        set(edge, "fontcolor", QStringLiteral("grey35"));
        set(edge, "fontsize", QString::number(stepPoints));
        set(edge, "arrowsize", QStringLiteral("0.6"));
    }
}

QString graphLabel(const StoryFigures& figures, double smallestStep) {
    return QStringLiteral(
               "The story as it is told: the opening at the left, a row for each character with "
               "its scenes in order joined by its next meetings, the answer scenes apart, the "
               "ending and the credits at the right.\\l"
               "Each box tells the share of stories that reach it; dashed red boxes miss "
               "files.\\l"
               "The ending comes after %1 answers on average (half the stories by %2, 90% by %3, "
               "99% by %4), for a player who picks either caption with equal chance.\\l"
               "Grey arrows: the steps an answer takes at least %5 of the time, with their "
               "chance; steps into the ending are left out, as any answer \"a\" may end the "
               "story.\\l")
        .arg(fourDigits(figures.meanAnswers))
        .arg(figures.answersByHalf)
        .arg(figures.answersBy90)
        .arg(figures.answersBy99)
        .arg(percent(smallestStep));
}

void setLook(Agraph_t* graph) {
    const QString font = QStringLiteral("DejaVu Sans");
    const QString size = QString::number(textPoints);
    for (int kind : {AGRAPH, AGNODE, AGEDGE}) {
        setDefault(graph, kind, "fontname", font);
        setDefault(graph, kind, "fontsize", size);
    }
    set(graph, "rankdir", QStringLiteral("LR"));
    // Ranks over the whole graph: the columns cross the clusters.
    set(graph, "newrank", QStringLiteral("true"));
    set(graph, "nodesep", QStringLiteral("0.08"));
    set(graph, "ranksep", QStringLiteral("0.25"));
    set(graph, "labeljust", QStringLiteral("l"));
    set(graph, "pad", QString::number(padPoints / pointsPerInch));
    setDefault(graph, AGNODE, "shape", QStringLiteral("box"));
    setDefault(graph, AGNODE, "margin", QStringLiteral("0.06,0.03"));
    setDefault(graph, AGNODE, "width", QStringLiteral("0"));
    setDefault(graph, AGNODE, "height", QStringLiteral("0"));
}

// The fewest pixels per inch at which every text of the map is 10 pixels high.
double readableDpi() {
    return readablePixels / smallestPoints * pointsPerInch;
}

// The pixels per inch at which a drawing of the given bounds fits the picture.
double dpiToFit(const boxf& bounds, QSize picture) {
    // A pixel to spare on each side for Graphviz's rounding.
    const double across = (picture.width() - 1) / (bounds.UR.x - bounds.LL.x + 2 * padPoints);
    const double down = (picture.height() - 1) / (bounds.UR.y - bounds.LL.y + 2 * padPoints);
    return std::min(across, down) * pointsPerInch;
}

} // namespace

StoryMap::StoryMap(const StoryFigures& figures, const QList<MissingFile>& missingFiles,
                   double smallestStep) {
    MissingByEvent missing;
    for (const MissingFile& file : missingFiles) {
        missing[file.event].append(file);
    }
    QByteArray name("story");
    graph_ = agopen(name.data(), Agdirected, nullptr);
    setLook(graph_);
    set(graph_, "label", graphLabel(figures, smallestStep));
    const MapPlan plan = planMap(figures);
    Columns columns;
    const QList<Agnode_t*> opening = addBoxes(graph_, plan.opening, missing);
    Agraph_t* closingRank = subgraph(graph_, QStringLiteral("closing"));
    set(closingRank, "rank", QStringLiteral("same"));
    const QList<Agnode_t*> closing = addBoxes(closingRank, plan.closing, missing);
    for (const MapRow& row : plan.rows) {
        const QList<Agnode_t*> nodes = addRow(graph_, row, missing, columns);
        for (Agnode_t* first : opening) {
            holdLeft(graph_, first, nodes.constFirst());
        }
        for (Agnode_t* last : closing) {
            holdLeft(graph_, nodes.constLast(), last);
        }
    }
    addAnswers(graph_, plan.answers, missing, columns);
    rankColumns(graph_, columns);
    addSteps(graph_, figures, plan, smallestStep);
}

StoryMap::~StoryMap() {
    agclose(graph_);
}

StoryMap::Drawn StoryMap::render(const QString& format, QSize fitIn) const {
    GVC_t* context = gvContext();
    Drawn drawn;
    if (gvLayout(context, graph_, "dot") != 0) {
        drawn.problem = QStringLiteral("Graphviz could not lay the map out");
    } else {
        if (fitIn.isValid()) {
            const double fitting = dpiToFit(GD_bb(graph_), fitIn);
            drawn.fits = fitting >= readableDpi();
            GD_drawing(graph_)->dpi = std::max(fitting, readableDpi());
        }
        char* data = nullptr;
        unsigned int size = 0;
        if (gvRenderData(context, graph_, format.toUtf8().constData(), &data, &size) != 0) {
            drawn.problem = QStringLiteral("Graphviz could not draw the map as %1").arg(format);
        } else {
            drawn.bytes = QByteArray(data, static_cast<qsizetype>(size));
        }
        gvFreeRenderData(data);
        gvFreeLayout(context, graph_);
    }
    gvFreeContext(context);
    return drawn;
}

} // namespace content
