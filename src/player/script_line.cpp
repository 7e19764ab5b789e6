#include "player/script_line.h"

namespace player {

bool isPictureLine(QStringView line) {
    return line.startsWith(u"img");
}

bool isChoiceMarker(QStringView line) {
    return line.startsWith(u'>');
}

LineKind classifyLine(QStringView line) {
    if (isPictureLine(line)) {
        return LineKind::Picture;
    }
    return isChoiceMarker(line) ? LineKind::ChoiceMarker : LineKind::Text;
}

std::optional<QString> pictureName(QStringView line) {
    constexpr qsizetype nameStart = 4; // character 5, counting from 1
    if (line.size() < nameStart + 1) {
        return std::nullopt;
    }
    return line.sliced(nameStart, line.size() - nameStart - 1).toString();
}

} // namespace player
