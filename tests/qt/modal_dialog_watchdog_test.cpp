#include "modal_dialog_watchdog.h"

#include <gtest/gtest.h>

#include <QInputDialog>
#include <QMessageBox>

namespace involute {
namespace {

using testing::ModalDialogWatchdog;

TEST(ModalDialogWatchdog, ClosesAndRecordsAMessageBox) {
    ModalDialogWatchdog watchdog;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("标题"), QStringLiteral("正文"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("box"));
    box.setDefaultButton(QMessageBox::Ok);
    EXPECT_EQ(box.exec(), QMessageBox::Ok);

    const auto seen = watchdog.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].objectName, "box");
    EXPECT_EQ(seen[0].title, "标题");
    EXPECT_EQ(seen[0].text, "正文");
    EXPECT_EQ(seen[0].buttons.size(), 2u);
    EXPECT_TRUE(watchdog.take().empty());
}

TEST(ModalDialogWatchdog, RejectsAnyOtherDialog) {
    ModalDialogWatchdog watchdog;
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("input"));
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    const auto seen = watchdog.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "input");
}

}  // namespace
}  // namespace involute
