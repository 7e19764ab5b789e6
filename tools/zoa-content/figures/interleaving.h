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
// with the story still going on then: the third part, which can end it, has had i turns of its
// own, with going[i] the chance that its run has not ended after them.
ChanceTable turnsBeforeWhileGoing(double first, double second, double third, int firstTurns,
                                  int secondTurns, const std::vector<double>& going);

// [k]: chance that the story still goes on when the k-th turn of the first part comes, the
// second part being the one that can end it.
std::vector<double> goingAtTurns(double first, double second, int firstTurns,
                                 const std::vector<double>& going);

} // namespace content
