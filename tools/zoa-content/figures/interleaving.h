#pragma once

#include <vector>

namespace content {

// The parts of the story take their turns in random order: each answer's selector value belongs
// to a part with a chance in proportion to the part's number of values, whatever came before.
// Counting the turns of two or three parts only, these are the chances of each order.

using ChanceTable = std::vector<std::vector<double>>;

// [k][i]: chance that the k-th turn of the first part comes after exactly i turns of the second
// (k from 0 to firstTurns, i from 0 to secondTurns), for parts of the given weights.
ChanceTable turnsBefore(double first, double second, int firstTurns, int secondTurns);

// [k][l]: chance that the k-th turn of the first part comes after exactly l turns of the second,
// before the third part, which can end the story, has ended it: with survival[i] the chance that
// the third part's run has not ended after i turns of its own.
ChanceTable turnsBeforeTheEnd(double first, double second, double third, int firstTurns,
                              int secondTurns, const std::vector<double>& survival);

// [k]: chance that the k-th turn of the first part comes before the end of the story, the second
// part being the one that can end it, with the survival of its run as above.
std::vector<double> chanceTurnsCome(double first, double second, int firstTurns,
                                    const std::vector<double>& survival);

} // namespace content
