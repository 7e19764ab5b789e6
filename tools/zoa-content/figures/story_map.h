#pragma once

#include "checks/content_folder.h"
#include "figures/story_figures.h"

#include <QString>

#include <memory>

struct Agraph_s;

namespace content {

// The story map: a Graphviz graph with a node for every event the rules reach, grouped by
// character, each marked with the share of stories that reach it and drawn dashed and red when
// a file it needs is missing from the folder, and an edge for each step an answer can take,
// marked with its chance.
class StoryMap {
public:
    // Steps less likely than smallestStep are left out.
    StoryMap(const StoryFigures& figures, const ContentFolder& folder, double smallestStep);
    ~StoryMap();
    StoryMap(const StoryMap&) = delete;
    StoryMap& operator=(const StoryMap&) = delete;

    Agraph_s* graph() const { return graph_; }

    // Lays the map out with Graphviz's dot and writes it to the file in the format given ("svg",
    // "png"). Returns what went wrong, or an empty text.
    QString render(const QString& path, const QString& format) const;

private:
    Agraph_s* graph_ = nullptr;
};

} // namespace content
