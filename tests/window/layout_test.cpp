// The layout numbers computed from the screen height.
#include "window/layout.h"

#include <QTest>

using window::UnitRect;

Q_DECLARE_METATYPE(UnitRect)

namespace {
QByteArray describe(const UnitRect& rect) {
    return QByteArray::number(rect.left) + ", " + QByteArray::number(rect.top) + ", " +
           QByteArray::number(rect.width) + ", " + QByteArray::number(rect.height);
}

bool near(const UnitRect& a, const UnitRect& b) {
    return qFuzzyCompare(1 + a.left, 1 + b.left) && qFuzzyCompare(1 + a.top, 1 + b.top) &&
           qFuzzyCompare(1 + a.width, 1 + b.width) && qFuzzyCompare(1 + a.height, 1 + b.height);
}
} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersFollowTheScreenHeight_data() {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<float>("unit");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("versionFont");
        QTest::addColumn<int>("textFont");
        QTest::addColumn<int>("choiceFont");
        QTest::newRow("768 pixels") << 11520 << 460.0f << 7820 << 4600 << 23 << 11 << 9;
        QTest::newRow("1080 pixels") << 16200 << 648.0f << 11016 << 6480 << 32 << 16 << 12;
        // q lies just below 3.6, so q * 2.5 lies just below 9.
        QTest::newRow("600 pixels") << 9000 << 360.0f << 6120 << 3600 << 18 << 8 << 7;
    }
    void numbersFollowTheScreenHeight() {
        QFETCH(int, screenHeight);
        QFETCH(float, unit);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, versionFont);
        QFETCH(int, textFont);
        QFETCH(int, choiceFont);
        const window::Layout layout = window::computeLayout(screenHeight);
        QCOMPARE(layout.screenUnit, unit);
        QCOMPARE(layout.outerWidthTwips, width);
        QCOMPARE(layout.outerHeightTwips, height);
        QCOMPARE(layout.versionFontSize, versionFont);
        QCOMPARE(layout.textFontSize, textFont);
        QCOMPARE(layout.choiceFontSize, choiceFont);
    }

    // The version and choice fonts are u / 20 and u / 50 rounded down for every unit.
    void singlePrecisionFontSizesMatchWholeDivision() {
        for (int unit = 1; unit <= 4000; ++unit) {
            QCOMPARE(window::versionFontSize(static_cast<float>(unit)), unit / 20);
            QCOMPARE(window::choiceFontSize(static_cast<float>(unit)), unit / 50);
            const int text = window::textFontSize(static_cast<float>(unit));
            QVERIFY(text == unit / 40 || (unit % 40 == 0 && text == unit / 40 - 1));
        }
    }

    void choiceRectanglesSitOverTheMainPicture_data() {
        QTest::addColumn<UnitRect>("actual");
        QTest::addColumn<UnitRect>("expected");
        const window::Layout layout = window::computeLayout(16200);
        QTest::newRow("Qst(0)") << layout.choiceCaption[0] << UnitRect{10.1, 5.4, 6.5, 1.8};
        QTest::newRow("QstBak(0)") << layout.choiceBox[0] << UnitRect{10.1, 5.1, 6.8, 1.8};
        QTest::newRow("Qst(1)") << layout.choiceCaption[1] << UnitRect{10.1, 7.4, 6.5, 1.8};
        QTest::newRow("QstBak(1)") << layout.choiceBox[1] << UnitRect{10.1, 7.1, 6.8, 1.8};
        QTest::newRow("Img") << layout.mainPicture << UnitRect{10.1, 3.6, 5.8, 5.8};
        QTest::newRow("ImgFce") << layout.facePicture << UnitRect{13.7, 0.2, 2.8, 2.8};
        QTest::newRow("Hscl") << layout.selector << UnitRect{10.1, 1.1, 2.8, 0.5};
        QTest::newRow("HsclTim") << layout.speedSlider << UnitRect{10.1, 2.1, 2.8, 0.5};
        QTest::newRow("Lbl") << layout.textWindow << UnitRect{0.1, 0.1, 9.8, 9.8};
        QTest::newRow("BakLbl") << layout.versionLabel << UnitRect{0.1, 0.1, 9.8, 9.8};
    }
    void choiceRectanglesSitOverTheMainPicture() {
        QFETCH(UnitRect, actual);
        QFETCH(UnitRect, expected);
        QVERIFY2(near(actual, expected), describe(actual).constData());
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "layout_test.moc"
