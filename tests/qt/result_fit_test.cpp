// Every result text shows whole in its field, at every scale factor the
// tests run at, and sits vertically centred.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QStyle>
#include <QStyleOptionFrame>
#include <ostream>

#include "field_edit.h"
#include "window_fixture.h"
#include "window_states.h"

namespace involute {
namespace {

using testing::WindowTest;
using ui::Control;

struct ResultShape {
    const char* name;
    const char* text;
    bool exponentForm;
};

void PrintTo(const ResultShape& row, std::ostream* os) {
    *os << row.name;
}

const ResultShape kShapes[] = {
    {"Zero", "0", false},
    {"Short", "40", false},
    {"Sixteen", "12.8349709170999", false},
    {"SeventeenUnderOne", "0.410532425029741", false},
    {"NegativeSeventeen", "-2.97170605410439", false},
    {"Twenty", "0.000939692620780328", false},
    {"NegativeTwentyOne", "-0.000123456789012345", false},
    {"WidestDigits", "-8888888888.88888888", false},
    {"Exponent", "2.75844479740623E+302", true},
    {"NegativeExponent", "-2.75844479740623E+302", true},
    {"NegativeSmallExponent", "-1.00000000000001E-100", true},
};

// The contents rectangle the style gives a line edit, less the two pixels
// Qt keeps free on each side of the text.
qreal roomOf(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    return edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).width() - 4;
}

ui::qt::FieldEdit& resultField(const ui::qt::QtWindow& window, Control name) {
    return *qobject_cast<ui::qt::FieldEdit*>(window.control(name));
}

class ResultFit : public WindowTest, public ::testing::WithParamInterface<ResultShape> {};

TEST_P(ResultFit, ShowsWholeOrMarkedInEveryResultField) {
    const QString text = QString::fromUtf8(GetParam().text);
    for (const Control name : ui::kResultFields) {
        window().setText(name, GetParam().text);
        const ui::qt::FieldEdit& edit = resultField(window(), name);
        const std::string field(ui::controlName(name));
        ASSERT_EQ(edit.text(), text) << field;
        EXPECT_EQ(edit.cursorPosition(), 0) << field << " must show the leading digits";
        EXPECT_GE(edit.font().pointSizeF(), 7.0) << field;
        const qreal width = QFontMetricsF(edit.font(), &edit).horizontalAdvance(text);
        const bool fits = width <= roomOf(edit);
        if (!GetParam().exponentForm) {
            EXPECT_TRUE(fits) << field << ": " << width << " px in " << roomOf(edit) << " at "
                              << edit.font().pointSizeF() << " pt";
        }
        EXPECT_EQ(edit.isCut(), !fits) << field;
        if (!fits) {
            EXPECT_EQ(edit.toolTip(), text) << field;
            EXPECT_EQ(edit.accessibleDescription(), text) << field;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ResultShapes, ResultFit, ::testing::ValuesIn(kShapes),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(WindowTest, ResultFontGrowsBackForAShortText) {
    window().setText(Control::Text13, "-0.000123456789012345");
    const ui::qt::FieldEdit& edit = resultField(window(), Control::Text13);
    EXPECT_LT(edit.font().pointSizeF(), 9.0);
    window().setText(Control::Text13, "2.97170605410439");
    EXPECT_EQ(edit.font().pointSizeF(), 9.0);
    EXPECT_FALSE(edit.isCut());
    EXPECT_EQ(edit.toolTip(), QString());
}

TEST_F(WindowTest, TextTooWideEvenAtTheSmallestSizeIsMarkedAsCut) {
    const QString tooWide = QStringLiteral("-1234567890.1234567890123456");
    window().setText(Control::Text14, tooWide.toStdString());
    ui::qt::FieldEdit& edit = resultField(window(), Control::Text14);
    EXPECT_EQ(edit.font().pointSizeF(), 7.0);
    EXPECT_TRUE(edit.isCut());
    EXPECT_EQ(edit.toolTip(), tooWide);
    EXPECT_EQ(edit.accessibleDescription(), tooWide);
    // The mark: dark red in the top right corner of the contents.
    const QImage picture = edit.grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QColor corner = picture.pixelColor(qRound((edit.width() - 3) * ratio), qRound(2 * ratio));
    EXPECT_GT(corner.red(), 2 * corner.green()) << corner.name().toStdString();
}

// Rows of the field's picture, in device pixels, that hold ink of the text:
// pixels much darker than the field's background.
std::pair<int, int> inkRows(const QImage& picture, QRect contents) {
    const int background = qGray(picture.pixel(contents.left(), contents.top()));
    int first = -1;
    int last = -1;
    for (int y = contents.top(); y <= contents.bottom(); ++y) {
        for (int x = contents.left(); x <= contents.right(); ++x) {
            if (background - qGray(picture.pixel(x, y)) > 96) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

class CentredText : public WindowTest, public ::testing::WithParamInterface<ResultShape> {};

TEST_P(CentredText, AsMuchRoomAboveTheDigitsAsBelow) {
    for (const Control name : {Control::Text9, Control::Text1}) {
        window().setText(name, GetParam().text);
        QLineEdit& edit = resultField(window(), name);
        const QImage picture = edit.grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        QStyleOptionFrame option;
        option.initFrom(&edit);
        const QRect logical =
            edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
        const QRect contents(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                             QPoint(qRound((logical.right() + 1) * ratio) - 1,
                                    qRound((logical.bottom() + 1) * ratio) - 1));
        const auto [first, last] = inkRows(picture, contents);
        ASSERT_GE(first, 0) << "no text drawn";
        const int above = first - contents.top();
        const int below = contents.bottom() - last;
        EXPECT_LE(std::abs(above - below), qRound(ratio) + 1)
            << ui::controlName(name) << ": " << above << " px above the digits, " << below
            << " below, at scale " << ratio;
    }
}

INSTANTIATE_TEST_SUITE_P(ResultShapes, CentredText,
                         ::testing::Values(kShapes[1], kShapes[3], kShapes[6]),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace involute
