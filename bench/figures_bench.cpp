// The exact story figures by the game's rules (zoa-content check and map): finding the
// independent parts of the selector table, then every event's share of stories, every step's
// chance and the answers to the ending.
#include "bench_table.h"
#include "figures/story_figures.h"

#include <QElapsedTimer>

int main() {
    constexpr int runs = 5;
    std::vector<double> milliseconds;
    content::StoryFigures figures;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        figures = content::computeStoryFigures(content::StoryRules());
        milliseconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    printRow(QStringLiteral("exact story figures: %1 events, %2 steps, answers to the ending "
                            "(median of %3)")
                 .arg(figures.events.size())
                 .arg(figures.steps.size())
                 .arg(runs),
             QString::number(median(milliseconds), 'f', 1) + QStringLiteral(" ms"),
             QStringLiteral("<= 1 s"));
    return 0;
}
