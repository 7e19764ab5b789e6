#include "map/story_map.h"

#include "figures/figure_text.h"
#include "map/graph_building.h"
#include "map/map_plan.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <graphviz/gvc.h>

namespace content {

namespace {

using namespace graphviz;

// Text sizes in points: the smallest sets how far the map may shrink and stay readable.
constexpr double textPoints = 14;
constexpr double stepPoints = 12;
constexpr double smallestPoints = std::min(textPoints, stepPoints);
constexpr double readablePixels = 10;
constexpr double pointsPerInch = 72;
// The blank margin around the drawing.
constexpr double padPoints = 4;

const QString lineBreak = QStringLiteral("\\n");

// The missing files that check reports, by event.
using MissingByEvent = QHash<QString, QList<MissingFile>>;

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
    if (box.events.constFirst().event.name == story::creditsScene().event) {
        return QStringLiteral("played from the title");
    }
    return percent(box.share());
}

bool hasError(const QList<MissingFile>& files) {
    return std::any_of(files.cbegin(), files.cend(),
                       [](const MissingFile& file) { return file.severity == Severity::Error; });
}

// A box drawn dashed when check reports files of its events missing: red for an error, orange
// for a warning.
Agnode_t* addBox(Agraph_t* parent, const MapBox& box, const MissingByEvent& missingByEvent) {
    Agnode_t* drawn = node(parent, box.name());
    QStringList label{box.name(), shareLabel(box)};
    QList<MissingFile> missing;
    for (const EventFigures& figures : box.events) {
        missing.append(missingByEvent.value(figures.event.name));
    }
    if (!missing.isEmpty()) {
        label.append(missingText(missing));
        const QString colour =
            hasError(missing) ? QStringLiteral("red") : QStringLiteral("darkorange");
        set(drawn, "style", QStringLiteral("dashed"));
        set(drawn, "color", colour);
        set(drawn, "fontcolor", colour);
    }
    set(drawn, "label", label.join(lineBreak));
    return drawn;
}

// A text that heads a group of boxes, laid out as a box is, so that no arrow's label covers it.
Agnode_t* addHeading(Agraph_t* parent, const QString& name, const QString& text) {
    Agnode_t* heading = node(parent, name);
    set(heading, "shape", QStringLiteral("plaintext"));
    set(heading, "label", text);
    return heading;
}

// An arrow that is not drawn, to hold one box left of another.
void holdLeft(Agraph_t* graph, Agnode_t* left, Agnode_t* right) {
    set(edge(graph, left, right), "style", QStringLiteral("invis"));
}

// An arrow that tells what leads to a box, or to the group of boxes of a cluster.
void lead(Agraph_t* graph, Agnode_t* from, Agnode_t* to, const QString& why,
          const QString& cluster = {}) {
    Agedge_t* arrow = edge(graph, from, to);
    set(arrow, "label", why);
    if (!cluster.isEmpty()) {
        set(arrow, "lhead", cluster);
    }
}

// A bold arrow from a character's scene to the next.
Agedge_t* joinNextMeeting(Agraph_t* cluster, Agnode_t* scene, Agnode_t* next, bool named) {
    const QString text = QStringLiteral("next meeting");
    const QString colour = QStringLiteral("#1f5fbf");
    Agedge_t* arrow = edge(cluster, scene, next);
    set(arrow, "tooltip", text);
    set(arrow, "color", colour);
    set(arrow, "penwidth", QStringLiteral("2"));
    set(arrow, "weight", QStringLiteral("100"));
    set(arrow, "fontcolor", colour);
    set(arrow, "label", named ? text : QString());
    return arrow;
}

// Builds the map's graph from the plan: the boxes, ranked in their columns, and the arrows that
// tell what leads where.
class MapBuilder {
public:
    MapBuilder(Agraph_t* graph, const MissingByEvent& missing)
        : graph_(graph)
        , missing_(missing) {}

    void addTitle(const QList<MapBox>& opening);
    void addRow(const MapRow& row);
    void addAnswers(const QList<MapBox>& answers, const QList<MapBox>& endings);
    void addSteps(const StoryFigures& figures, const MapPlan& plan, double smallestStep);
    void rankColumns();

private:
    Agnode_t* place(Agraph_t* parent, const MapBox& box) {
        Agnode_t* drawn = addBox(parent, box, missing_);
        columns_[box.column].append(drawn);
        return drawn;
    }
    // The chances of the likeliest steps between two boxes, each way; 0 for none.
    struct Chances {
        double forward = 0;
        double back = 0;
    };
    void addStep(const QString& left, const QString& right, const Chances& chances);

    Agraph_t* graph_;
    const MissingByEvent& missing_;
    QMap<int, QList<Agnode_t*>> columns_; // boxes by column, to be ranked together
    Agnode_t* choice_ = nullptr;          // any scene's choice, where answers lead on
    QHash<QPair<QString, QString>, Agedge_t*> nextMeetings_; // by the boxes' names
};

// The title, whose presses start the opening and the credits.
void MapBuilder::addTitle(const QList<MapBox>& opening) {
    Agnode_t* title = node(graph_, QStringLiteral("title"));
    set(title, "label", QStringLiteral("title\\npicture opn"));
    const QStringList presses = {QStringLiteral("a press"), QStringLiteral("a right press")};
    for (qsizetype i = 0; i < opening.size(); ++i) {
        lead(graph_, title, place(graph_, opening[i]), presses.value(i));
    }
}

void MapBuilder::addRow(const MapRow& row) {
    const QString character = QString::number(row.character);
    Agraph_t* cluster = subgraph(graph_, QStringLiteral("cluster_char") + character);
    Agnode_t* previous = addHeading(cluster, QStringLiteral("character ") + character,
                                    QStringLiteral("character %1\\npicture %2\\nface %3")
                                        .arg(character, story::characterPictureName(row.character),
                                             story::facePictureName(row.character)));
    columns_[openingColumn].append(previous);
    for (qsizetype i = 0; i < row.boxes.size(); ++i) {
        Agnode_t* drawn = place(cluster, row.boxes[i]);
        if (i == 0) {
            holdLeft(cluster, previous, drawn);
        } else {
            // Named on the arrows out of scene 0 only, so as to widen one gap between columns.
            nextMeetings_.insert(
                {row.boxes[i - 1].name(), row.boxes[i].name()},
                joinNextMeeting(cluster, previous, drawn, i == 1 && row.boxes[0].column == 0));
        }
        previous = drawn;
    }
}

// The scenes an answer draw leads to, under a heading: the answer scenes in a row for each
// answer's key, and the ending, which the fifth answer "a" leads to instead. Any scene's choice
// stands in their group, so that the arrows from it and their labels stay inside it, clear of
// its border.
void MapBuilder::addAnswers(const QList<MapBox>& answers, const QList<MapBox>& endings) {
    Agraph_t* cluster = subgraph(graph_, QStringLiteral("cluster_answers"));
    columns_[openingColumn].append(
        addHeading(cluster, QStringLiteral("answer scenes"),
                   QStringLiteral("answer scenes,\\neach with\\nthe picture\\nof its name")));
    choice_ = addHeading(cluster, QStringLiteral("choice"), QStringLiteral("any scene's\\nchoice"));
    columns_[openingColumn].append(choice_);
    for (const QLatin1String& key : story::answerKeys) {
        const QString rowName = QStringLiteral("cluster_answer_") + key;
        Agraph_t* row = subgraph(cluster, rowName);
        set(row, "pencolor", QStringLiteral("grey80"));
        Agnode_t* first = nullptr;
        for (const MapBox& box : answers) {
            if (box.name().startsWith(key + QLatin1Char('_'))) {
                Agnode_t* drawn = place(row, box);
                first = first != nullptr ? first : drawn;
            }
        }
        if (first != nullptr) {
            lead(graph_, choice_, first, QStringLiteral("answer \"%1\"").arg(key));
        }
    }
    for (const MapBox& ending : endings) {
        lead(graph_, choice_, place(cluster, ending),
             QStringLiteral("the fifth answer \"%1\"").arg(story::answerA));
    }
}

void MapBuilder::rankColumns() {
    for (auto it = columns_.cbegin(); it != columns_.cend(); ++it) {
        Agraph_t* column = subgraph(graph_, QStringLiteral("column %1").arg(it.key()));
        set(column, "rank", QStringLiteral("same"));
        for (Agnode_t* drawn : it.value()) {
            agsubnode(column, drawn, 1);
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

// The steps between boxes in different columns, each pair of boxes joined once, with the chance
// of the likeliest step each way. Steps within a column, which Graphviz cannot always route, are
// left out, and so are steps into the ending, which its own arrow tells.
void MapBuilder::addSteps(const StoryFigures& figures, const MapPlan& plan, double smallestStep) {
    const QHash<QString, MapBox> boxOf = boxOfEvent(plan);
    QMap<QPair<QString, QString>, Chances> joins; // by the boxes' names, left to right
    for (const StepFigures& step : figures.steps) {
        const MapBox from = boxOf.value(step.from);
        const MapBox to = boxOf.value(step.to);
        // The figures are exact to the cut: a step of exactly the smallest chance may come out a
        // little under it, in the order the chances happened to be summed.
        if (from.column == to.column || step.to == story::endingEventName ||
            step.chance < smallestStep - storyFiguresCut) {
            continue;
        }
        const bool back = from.column > to.column;
        Chances& chances =
            joins[back ? qMakePair(to.name(), from.name()) : qMakePair(from.name(), to.name())];
        double& chance = back ? chances.back : chances.forward;
        chance = std::max(chance, step.chance);
    }
    for (auto it = joins.cbegin(); it != joins.cend(); ++it) {
        addStep(it.key().first, it.key().second, *it);
    }
}

// A grey arrow with the steps' chances, laid out left to right as the columns go, so that dot
// places its label as it places boxes, apart from every other text; drawn pointing back, or
// both ways, as the steps go. Beside a next-meeting arrow, that arrow tells the chances.
void MapBuilder::addStep(const QString& left, const QString& right, const Chances& chances) {
    QStringList label;
    if (chances.forward > 0) {
        label.append((chances.back > 0 ? QStringLiteral("→ ") : QString()) +
                     percent(chances.forward));
    }
    if (chances.back > 0) {
        label.append((chances.forward > 0 ? QStringLiteral("← ") : QString()) +
                     percent(chances.back));
    }
    const auto meeting = nextMeetings_.constFind({left, right});
    if (meeting != nextMeetings_.cend()) {
        const QString named = get(*meeting, "label");
        set(*meeting, "label",
            (named.isEmpty() ? label : QStringList{named} + label).join(lineBreak));
        return;
    }
    Agedge_t* arrow = edge(graph_, findNode(graph_, left), findNode(graph_, right));
    set(arrow, "dir",
        chances.back <= 0      ? QStringLiteral("forward")
        : chances.forward <= 0 ? QStringLiteral("back")
                               : QStringLiteral("both"));
    set(arrow, "label", label.join(lineBreak));
    set(arrow, "weight", QStringLiteral("0"));
    set(arrow, "color", QStringLiteral("grey60"));
    set(arrow, "fontcolor", QStringLiteral("grey35"));
    set(arrow, "fontsize", QString::number(stepPoints));
    set(arrow, "arrowsize", QStringLiteral("0.6"));
}

QString graphLabel(const StoryFigures& figures, double smallestStep) {
    return QStringLiteral(
               "The story as it is told: the title at the left, whose presses start the opening "
               "and the credits; a row for each character with its scenes in order joined by "
               "its next meetings; the answer scenes and the ending, which any scene's choice "
               "leads to on an answer draw.\\l"
               "Each box tells the share of stories that reach it; dashed boxes miss files (red "
               "for errors, orange for warnings, as check reports them).\\l"
               "The ending comes after %1 answers on average (half the stories by %2, 90% by %3, "
               "99% by %4), for a player who picks either caption with equal chance.\\l"
               "Grey arrows: the steps an answer takes at least %5 of the time, with their "
               "chance.\\l")
        .arg(readableFigure(figures.meanAnswers))
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
    // Arrows may point at a cluster: a row of boxes.
    set(graph, "compound", QStringLiteral("true"));
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
    const MapPlan plan = planMap(figures);
    MapBuilder builder(graph_, missing);
    builder.addTitle(plan.opening);
    for (const MapRow& row : plan.rows) {
        builder.addRow(row);
    }
    builder.addAnswers(plan.answers, plan.closing);
    builder.rankColumns();
    builder.addSteps(figures, plan, smallestStep);
    // Set last, as subgraphs made after it would take it for theirs.
    set(graph_, "label", graphLabel(figures, smallestStep));
}

StoryMap::~StoryMap() {
    agclose(graph_);
}

GVC_t* graphvizContext() {
    static GVC_t* const context = gvContext();
    return context;
}

StoryMap::Drawn StoryMap::render(const QString& format, QSize fitIn) const {
    GVC_t* context = graphvizContext();
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
    return drawn;
}

} // namespace content
