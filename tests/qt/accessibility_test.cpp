// What screen readers learn of the fields, labels and frames, through the
// interfaces Qt's AT-SPI bridge reads.
#include <gtest/gtest.h>

#include <QAccessible>
#include <ostream>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace involute::testing {
namespace {

struct FieldCase {
    std::string field;
    std::string label;
    bool result;
};

void PrintTo(const FieldCase& row, std::ostream* os) {
    *os << row.field;
}

// The controls at the other end of the interface's relations of one kind.
std::vector<std::string> related(QAccessibleInterface* accessible, QAccessible::Relation kind) {
    std::vector<std::string> names;
    for (const auto& [other, relation] : accessible->relations()) {
        if (relation == kind) {
            names.push_back(other->object()->objectName().toStdString());
        }
    }
    return names;
}

class AccessibleField : public WindowTest, public ::testing::WithParamInterface<FieldCase> {
  protected:
    [[nodiscard]] QAccessibleInterface* of(const std::string& name) const {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named(name));
        EXPECT_NE(accessible, nullptr) << name;
        return accessible;
    }
};

TEST_P(AccessibleField, IsEitherEditableOrReadOnlyWithItsTextReadable) {
    QLineEdit* edit = field(GetParam().field);
    edit->setText("56.2500000085674");
    edit->setSelection(3, 4);
    QAccessibleInterface* accessible = of(GetParam().field);
    const QAccessible::State state = accessible->state();
    EXPECT_EQ(state.readOnly, GetParam().result);
    EXPECT_EQ(state.editable, !GetParam().result);
    EXPECT_EQ(accessible->editableTextInterface() == nullptr, GetParam().result);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), "56.2500000085674");
    int start = -1;
    int end = -1;
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(text->text(start, end).toStdString(), "2500");
}

TEST_P(AccessibleField, IsLabelledByItsLabelOnce) {
    EXPECT_EQ(related(of(GetParam().field), QAccessible::Label),
              std::vector<std::string>{GetParam().label});
    EXPECT_EQ(related(of(GetParam().label), QAccessible::Labelled),
              std::vector<std::string>{GetParam().field});
    EXPECT_EQ(related(of(GetParam().label), QAccessible::Label), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AccessibleField,
    ::testing::Values(FieldCase{"Text1", "Label1", false}, FieldCase{"Text2", "Label2", false},
                      FieldCase{"Text3", "Label3", false}, FieldCase{"Text4", "Label4", false},
                      FieldCase{"Text6", "Label6", false}, FieldCase{"Text8", "Label8", false},
                      FieldCase{"Text9", "Label10", true}, FieldCase{"Text10", "Label11", true},
                      FieldCase{"Text11", "Label12", true}, FieldCase{"Text12", "Label13", true},
                      FieldCase{"Text13", "Label14", true}, FieldCase{"Text14", "Label15", true}));

TEST_F(WindowTest, FramesAreGroupsNamedByTheirTitleThatLabelNothing) {
    for (const auto& [frame, title] :
         {std::pair{"GJ", "输入零件参数"}, std::pair{"Frame1", "齿轮基本参数"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named(frame));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Grouping) << frame;
        EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), title);
        EXPECT_TRUE(accessible->relations().isEmpty()) << frame;
    }
}

}  // namespace
}  // namespace involute::testing
