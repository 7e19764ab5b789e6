#pragma once

#include "figures/story_model.h"

#include <QList>
#include <QMap>
#include <QString>

namespace content {

// Every event the game's rules can start, by name: the title's and every event an answer can
// lead to in any story.
const QMap<QString, ReachableEvent>& ruleEvents();

// True for the events whose script ends the story without a choice and returns to the title: the
// credits and the ending. Every other event should end with a choice.
bool endsWithoutChoice(const QString& event);

// The events of normal play among them (ReachableEvent::inNormalPlay), in name order.
const QList<ReachableEvent>& normalPlayEvents();

} // namespace content
