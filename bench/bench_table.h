#pragma once

#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

// Rows of the benchmark table, printed as Markdown.
inline void printRow(const QString& figure, const QString& value, const QString& target) {
    std::printf("| %s | %s | %s |\n", qUtf8Printable(figure), qUtf8Printable(value),
                qUtf8Printable(target));
    std::fflush(stdout);
}

inline double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p / 100.0 * static_cast<double>(values.size() - 1));
    return values[index];
}
