#include "figures/interleaving.h"

#include <cstddef>

namespace content {

ChanceTable turnsBefore(double first, double second, int firstTurns, int secondTurns) {
    const double p = first / (first + second);
    ChanceTable table(firstTurns + 1, std::vector<double>(secondTurns + 1, 0.0));
    table[0][0] = 1;
    for (int k = 1; k <= firstTurns; ++k) {
        for (int i = 0; i <= secondTurns; ++i) {
            table[k][i] = p * table[k - 1][i] + (i > 0 ? (1 - p) * table[k][i - 1] : 0.0);
        }
    }
    return table;
}

ChanceTable turnsBeforeTheEnd(double first, double second, double third, int firstTurns,
                              int secondTurns, const std::vector<double>& survival) {
    const double total = first + second + third;
    const double p = first / total;
    const double q = second / total;
    const double r = third / total;
    const std::size_t thirdTurns = survival.size();
    // Orders of k turns of the first part, l of the second and i of the third, one k at a time.
    ChanceTable orders(secondTurns + 1, std::vector<double>(thirdTurns, 0.0));
    orders[0][0] = 1;
    ChanceTable result(firstTurns + 1, std::vector<double>(secondTurns + 1, 0.0));
    for (int k = 1; k <= firstTurns; ++k) {
        for (int l = 0; l <= secondTurns; ++l) {
            for (std::size_t i = 0; i < thirdTurns; ++i) {
                orders[l][i] = p * orders[l][i] + (l > 0 ? q * orders[l - 1][i] : 0.0) +
                               (i > 0 ? r * orders[l][i - 1] : 0.0);
                result[k][l] += orders[l][i] * survival[i];
            }
        }
    }
    return result;
}

std::vector<double> chanceTurnsCome(double first, double second, int firstTurns,
                                    const std::vector<double>& survival) {
    const int secondTurns = static_cast<int>(survival.size()) - 1;
    const ChanceTable before = turnsBefore(first, second, firstTurns, secondTurns);
    std::vector<double> result(firstTurns + 1, 0.0);
    for (int k = 0; k <= firstTurns; ++k) {
        for (int i = 0; i <= secondTurns; ++i) {
            result[k] += before[k][i] * survival[i];
        }
    }
    return result;
}

} // namespace content
