#include "controls/fonts.h"

#include <QFont>
#include <QStringList>

namespace controls {

void installFontSubstitutes() {
    const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("Noto Sans Mono CJK JP")};
    const QStringList pop = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体"), pop);
    QFont::insertSubstitutions(QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体"), pop);
}

} // namespace controls
