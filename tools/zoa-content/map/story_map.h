#pragma once

#include "checks/missing_files.h"
#include "figures/story_figures.h"

#include <QByteArray>
#include <QSize>
#include <QString>

struct Agraph_s;
struct GVC_s;

namespace content {

// The story map: a Graphviz graph laid out as the story is told. The opening stands at the left,
// the ending and the credits at the right; between them each character's scenes make a row in
// scene order, joined by "next meeting" arrows, and the answer scenes a block of their own, each
// scene number a column. A box tells the share of stories that reach its event and is drawn
// dashed, naming them, when check reports files it needs missing: red for an error, orange
// for a warning. Thin grey arrows
// mark the likelier steps an answer takes, with their chances.
class StoryMap {
public:
    // The missing files are those check reports; steps less likely than smallestStep are left
    // out.
    StoryMap(const StoryFigures& figures, const QList<MissingFile>& missing, double smallestStep);
    ~StoryMap();
    StoryMap(const StoryMap&) = delete;
    StoryMap& operator=(const StoryMap&) = delete;

    Agraph_s* graph() const { return graph_; }

    struct Drawn {
        QByteArray bytes; // the drawing in the format asked for
        QString problem;  // what went wrong, or an empty text
        bool fits = true; // in the size asked for, with its text readable
    };

    // Lays the map out with Graphviz's dot and draws it in the format given ("svg", "png"). Given
    // a size, the map is scaled to fit it, but never so far that its text is less than 10 pixels
    // high.
    Drawn render(const QString& format, QSize fitIn = {}) const;

private:
    Agraph_s* graph_ = nullptr;
};

// The one Graphviz context of the process, made at first use and kept to its end. Graphviz's text
// measurement keeps a pointer to the last font name it measured, which a context owns: a context
// freed before another lays text out would leave that pointer dangling.
GVC_s* graphvizContext();

} // namespace content
