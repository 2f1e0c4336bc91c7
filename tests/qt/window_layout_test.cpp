// The window as built: controls, texts, geometry, tab chain, fonts, colours,
// accessible names and Qt's own texts.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <memory>
#include <ostream>

#include "fonts.h"
#include "window_fixture.h"
#include "window_layout.h"

namespace involute {
namespace {

using testing::WindowTest;

using ui::ControlRow;

std::string nameOf(ui::Control control) {
    return std::string(ui::controlName(control));
}

// The text a control shows: caption, title or field text.
QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
        return push->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

// The characters of `text` that the family `font` resolves to has no glyph
// for (a glyph that only a fallback font has does not count).
std::string missingGlyphs(const QFont& font, const QString& text) {
    QFont alone = font;
    alone.setFamilies({QFontInfo(font).family()});
    alone.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(alone);
    QString missing;
    for (const char32_t character : text.toUcs4()) {
        if (!metrics.inFontUcs4(character)) {
            missing += QString::fromUcs4(&character, 1);
        }
    }
    return missing.toStdString();
}

// Each control as the window's layout table gives it: container, caption or
// initial text, and geometry in twips.
class DesignedLayout : public WindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(DesignedLayout, TextAndContainer) {
    const ControlRow& design = GetParam();
    QWidget* control = named(nameOf(design.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName().toStdString(), nameOf(design.parent));
    EXPECT_EQ(shownText(control).toStdString(), design.caption);
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(control->isEnabled());
}

TEST_P(DesignedLayout, GeometryAt96DpiIsTwipsOverFifteen) {
    ASSERT_EQ(window().screen()->logicalDotsPerInchX(), 96.0);
    ASSERT_EQ(window().screen()->logicalDotsPerInchY(), 96.0);
    const ui::TwipsRect& design = GetParam().geometry;
    for (const int twips : {design.left, design.top, design.width, design.height}) {
        ASSERT_EQ(twips % 15, 0) << "not a whole pixel at 96 DPI";
    }
    EXPECT_EQ(named(nameOf(GetParam().name))->geometry(),
              QRect(design.left / 15, design.top / 15, design.width / 15, design.height / 15));
}

TEST_P(DesignedLayout, FontHasEveryCharacterShown) {
    const QWidget* control = named(nameOf(GetParam().name));
    EXPECT_EQ(missingGlyphs(control->font(), shownText(control)), "")
        << "font " << QFontInfo(control->font()).family().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryControl, DesignedLayout, ::testing::ValuesIn(ui::kWindowLayout),
                         [](const auto& row) { return nameOf(row.param.name); });

TEST_F(WindowTest, HasTheDesignedControlsAndNoOthers) {
    QStringList names;
    for (const QWidget* child : window().findChildren<QWidget*>()) {
        if (!child->objectName().startsWith(QLatin1String("qt_"))) {
            names.append(child->objectName());
        }
    }
    names.sort();
    QStringList designed;
    for (const ControlRow& design : ui::kWindowLayout) {
        designed.append(QString::fromStdString(nameOf(design.name)));
    }
    designed.sort();
    EXPECT_EQ(names.join(' ').toStdString(), designed.join(' ').toStdString());
}

TEST_F(WindowTest, TitleAndFixedSizeAt96Dpi) {
    EXPECT_EQ(window().objectName().toStdString(), "JKX1");
    EXPECT_EQ(window().windowTitle().toStdString(), "渐开线");
    // 8055 x 4200 twips.
    EXPECT_EQ(window().size(), QSize(537, 280));
    EXPECT_EQ(window().minimumSize(), QSize(537, 280));
    EXPECT_EQ(window().maximumSize(), QSize(537, 280));
    const Qt::WindowFlags flags = window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(WindowTest, AtTheDesignPositionWhenTheScreenHasRoom) {
    if (!window().screen()->availableGeometry().contains(QRect(100, 145, 537, 280))) {
        GTEST_SKIP() << "the screen is too small for the design position";
    }
    // 1500, 2175 twips.
    EXPECT_EQ(window().geometry().topLeft(), QPoint(100, 145));
}

TEST_F(WindowTest, HighDpiScalingDrawsTheSameLayoutSharper) {
    const QPixmap picture = window().grab();
    const qreal ratio = window().devicePixelRatioF();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.size(), (QSizeF(537, 280) * ratio).toSize());
}

TEST_F(WindowTest, InitialShadingOfInputsAndResults) {
    const QColor menuBar = QApplication::palette(field("Text9")).color(QPalette::Window);
    for (const char* result : {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14"}) {
        EXPECT_TRUE(field(result)->isReadOnly()) << result;
        EXPECT_EQ(field(result)->palette().color(QPalette::Base).name(), menuBar.name()) << result;
    }
    const QColor fieldBackground = QApplication::palette(field("Text1")).color(QPalette::Base);
    for (const char* input : {"Text1", "Text2", "Text3", "Text4", "Text6", "Text8"}) {
        EXPECT_FALSE(field(input)->isReadOnly()) << input;
        EXPECT_EQ(field(input)->palette().color(QPalette::Base).name(), fieldBackground.name())
            << input;
    }
}

TEST_F(WindowTest, NoDefaultButtonsAndNoLengthLimits) {
    for (const char* name : {"Command1", "Command2"}) {
        EXPECT_FALSE(button(name)->isDefault()) << name;
        EXPECT_FALSE(button(name)->autoDefault()) << name;
    }
    EXPECT_EQ(field("Text1")->maxLength(), QLineEdit().maxLength());
}

TEST_F(WindowTest, StartCaptionsHaveTheirGlyphs) {
    for (const char* caption : {"开    始", "正在计算", "计算结束", "开  始"}) {
        EXPECT_EQ(missingGlyphs(button("Command1")->font(), QString::fromUtf8(caption)), "")
            << caption;
    }
}

TEST_F(WindowTest, WindowFontIsNinePointCjk) {
    const QFont font = named("Label1")->font();
    EXPECT_EQ(font.pointSizeF(), 9.0);
    EXPECT_EQ(missingGlyphs(font, ui::qt::windowCharacters()), "");
    EXPECT_EQ(QFontInfo(font).family(), ui::qt::cjkUiFamily(ui::qt::windowCharacters()));
}

TEST_F(WindowTest, FieldFontIsNinePointCjkWithHalfWidthDigits) {
    const QFont font = named("Text1")->font();
    EXPECT_EQ(font.pointSizeF(), 9.0);
    EXPECT_EQ(missingGlyphs(font, ui::qt::windowCharacters()), "");
    EXPECT_TRUE(ui::qt::hasHalfWidthDigits(font)) << QFontInfo(font).family().toStdString();
    EXPECT_EQ(QFontInfo(font).family(), ui::qt::cjkFieldFamily(ui::qt::windowCharacters()));
}

// The width a line edit leaves for its text: the style's contents rectangle
// less the 2-pixel margin QLineEdit keeps on each side.
int textRoom(QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
}

TEST_F(WindowTest, ExampleResultsShowEveryDigit) {
    click("Command1");
    for (const char* result : {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14"}) {
        QLineEdit* edit = field(result);
        EXPECT_EQ(edit->cursorPosition(), 0) << result << " must show its leading digits";
        EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->text()), textRoom(edit))
            << result << " " << edit->text().toStdString();
    }
}

TEST_F(WindowTest, CreditLineIsDarkRedKai) {
    auto* credit = qobject_cast<QLabel*>(named("Label9"));
    ASSERT_NE(credit, nullptr);
    const std::string text = credit->text().toStdString();
    EXPECT_EQ(text.substr(0, std::string("设 计： ").size()), "设 计： ");
    EXPECT_GT(text.size(), std::string("设 计： ").size()) << "the credit names a team";
    EXPECT_EQ(credit->text(),
              QString::fromUtf8(ui::kCreditLine.data(), qsizetype(ui::kCreditLine.size())));
    EXPECT_EQ(credit->palette().color(QPalette::WindowText).name().toStdString(), "#c00000");

    const QFont font = credit->font();
    EXPECT_EQ(font.family().toStdString(), "楷体_GB2312");
    EXPECT_EQ(font.pointSizeF(), 15.75);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(credit->text()), credit->width())
        << "the credit line is cut off";
}

TEST_F(WindowTest, CreditFontResolvesToAnInstalledKaiFamily) {
    QStringList installed;
    for (const std::string_view kai : ui::kKaiStandIns) {
        const QString family = QString::fromUtf8(kai.data(), qsizetype(kai.size()));
        if (QFontDatabase::hasFamily(family)) {
            installed.append(family);
        }
    }
    if (installed.isEmpty()) {
        GTEST_SKIP() << "no Kai font installed (fonts-arphic-gkai00mp, fonts-arphic-ukai)";
    }
    QFont alone = named("Label9")->font();
    alone.setStyleStrategy(QFont::NoFontMerging);
    EXPECT_EQ(QFontInfo(alone).family(), installed.front());
}

TEST(KaiStandIn, MustHaveEveryCharacterOfTheText) {
    // No Kai font draws emoji: a Kai family that lacks a character is passed over.
    EXPECT_EQ(ui::qt::kaiFamilyCovering(QString::fromUtf8("设 计：\U0001F600")), QString());
}

// The window's fonts are part of its layout: an application font that a
// platform theme or the desktop sets later (qt6ct does) must not reach the
// captions. Run once more under qt6ct with its default settings.
TEST_F(WindowTest, CaptionsKeepTheWindowFontWhateverTheApplicationFont) {
    const QFont windowFont = named("Label1")->font();
    QFont themeFont(QStringLiteral("DejaVu Serif"));
    themeFont.setPointSizeF(12);
    QApplication::setFont(themeFont);
    QCoreApplication::processEvents();
    for (QWidget* control : window().findChildren<QWidget*>()) {
        if (control->objectName() == "Label9" || qobject_cast<QLineEdit*>(control) != nullptr) {
            continue;
        }
        EXPECT_EQ(control->font().family(), windowFont.family())
            << control->objectName().toStdString();
        EXPECT_EQ(control->font().pointSizeF(), 9.0) << control->objectName().toStdString();
    }
    EXPECT_EQ(named("Label9")->font().pointSizeF(), 15.75);
    EXPECT_EQ(named("Text9")->font().pointSizeF(), 9.0);
}

TEST_F(WindowTest, LabelCaptionsFitTheirWidth) {
    for (const QLabel* label : window().findChildren<QLabel*>()) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
}

// Screen readers take a top-level widget for a filler unless told otherwise.
TEST_F(WindowTest, AccessibleRoleOfTheWindowIsWindow) {
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window());
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->role(), QAccessible::Window);
    EXPECT_EQ(top->text(QAccessible::Name).toStdString(), "渐开线");
}

struct AccessibleCase {
    const char* control;
    const char* name;
};

void PrintTo(const AccessibleCase& row, std::ostream* os) {
    *os << row.control;
}

class AccessibleName : public WindowTest, public ::testing::WithParamInterface<AccessibleCase> {};

TEST_P(AccessibleName, IsTheLabelOrCaptionWithoutPadding) {
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(named(GetParam().control));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleName,
    ::testing::Values(AccessibleCase{"Text1", "模数"}, AccessibleCase{"Text2", "齿数"},
                      AccessibleCase{"Text3", "压力角"}, AccessibleCase{"Text4", "螺旋角"},
                      AccessibleCase{"Text6", "大径"}, AccessibleCase{"Text8", "渐开线起始圆"},
                      AccessibleCase{"Text9", "分度圆直径"}, AccessibleCase{"Text10", "基圆直径"},
                      AccessibleCase{"Text11", "基圆螺旋角"}, AccessibleCase{"Text12", "基节"},
                      AccessibleCase{"Text13", "安装距离"}, AccessibleCase{"Text14", "记录长度"},
                      AccessibleCase{"Command1", "开始"}, AccessibleCase{"Command2", "退出"},
                      AccessibleCase{"JKX1", "渐开线"}),
    [](const auto& row) { return std::string(row.param.control); });

TEST_F(WindowTest, AccessibleNameOfStartFollowsItsCaption) {
    click("Command1");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named("Command1"));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), "计算结束");
}

TEST_F(WindowTest, QtOwnTextsAreChinese) {
    const std::unique_ptr<QMenu> menu(field("Text1")->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts.append(action->text().section('\t', 0, 0));  // without the shortcut
        }
    }
    EXPECT_EQ(texts.join('|').toStdString(),
              "撤消(&U)|重做(&R)|剪切(&T)|复制(&C)|粘贴(&P)|删除|全选");
}

}  // namespace
}  // namespace involute
