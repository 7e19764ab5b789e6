#include "player/script_line.h"

namespace player {

LineKind classifyLine(QStringView line) {
    if (line.startsWith(u"img")) {
        return LineKind::Picture;
    }
    return line.startsWith(u'>') ? LineKind::ChoiceMarker : LineKind::Text;
}

std::optional<QString> pictureName(QStringView line) {
    constexpr qsizetype nameStart = 4; // character 5, counting from 1
    if (line.size() < nameStart + 1) {
        return std::nullopt;
    }
    return line.sliced(nameStart, line.size() - nameStart - 1).toString();
}

} // namespace player
