// Which kind a script line is, and which picture a picture line names.
#include "player/script_line.h"

#include <QTest>

Q_DECLARE_METATYPE(player::LineKind)

class ScriptLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linesAreClassifiedByTheirFirstCharacters_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<player::LineKind>("kind");
        QTest::newRow("img") << "img[a]" << player::LineKind::Picture;
        QTest::newRow("img alone") << "img" << player::LineKind::Picture;
        QTest::newRow("Img") << "Img[a]" << player::LineKind::Text;
        QTest::newRow("marker") << ">" << player::LineKind::ChoiceMarker;
        QTest::newRow("marker with text") << ">どうする？" << player::LineKind::ChoiceMarker;
        QTest::newRow("blank then marker") << " >" << player::LineKind::Text;
        QTest::newRow("full-width greater-than") << "＞" << player::LineKind::Text;
    }
    void linesAreClassifiedByTheirFirstCharacters() {
        QFETCH(QString, line);
        QFETCH(player::LineKind, kind);
        QCOMPARE(player::classifyLine(line), kind);
    }

    void pictureNameIsCutBetweenTheSeparators_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hasName");
        QTest::newRow("bracketed") << "img[char0]"
                                   << "char0" << true;
        QTest::newRow("twelve characters") << "img abcdefg."
                                           << "abcdefg" << true;
        QTest::newRow("five characters name the empty picture") << "img[]"
                                                                << "" << true;
        QTest::newRow("four characters") << "img["
                                         << "" << false;
        QTest::newRow("img alone") << "img"
                                   << "" << false;
    }
    void pictureNameIsCutBetweenTheSeparators() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(bool, hasName);
        const std::optional<QString> cut = player::pictureName(line);
        QCOMPARE(cut.has_value(), hasName);
        if (hasName) {
            QCOMPARE(*cut, name);
        }
    }
};

QTEST_GUILESS_MAIN(ScriptLineTest)
#include "script_line_test.moc"
