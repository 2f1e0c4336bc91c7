// The calculator's window in plain Qt: every frame, label, field and button
// of the layout table with its caption, the fields in the CJK monospace
// face and the credit line in a Kai face, and none of the calculator's own
// code (no fitting, colours, handlers, font checks or module). What it costs
// to start is what the window as laid out costs in Qt itself, the floor
// under the calculator's figures in scripts/measure-startup.sh.
//
//   plain_qt_window [UI family [field family]]
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <map>

#include "twips.h"
#include "window_layout.h"
#include "window_look.h"

namespace {

using namespace involute::ui;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont sized(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

QString installedKaiFamily() {
    for (const std::string_view kai : kKaiStandIns) {
        if (QFontDatabase::hasFamily(fromUtf8(kai))) {
            return fromUtf8(kai);
        }
    }
    return {};
}

QWidget* made(const ControlRow& row, QWidget* parent, const QFont& fieldFont,
              const QFont& creditFont) {
    const QString caption = fromUtf8(row.name == Control::Label9 ? kCreditLine : row.caption);
    switch (row.kind) {
        case ControlKind::frame:
            return new QGroupBox(caption, parent);
        case ControlKind::label: {
            auto* label = new QLabel(caption, parent);
            if (row.name == Control::Label9) {
                label->setFont(creditFont);
            }
            return label;
        }
        case ControlKind::textBox: {
            auto* field = new QLineEdit(caption, parent);
            field->setFont(fieldFont);
            return field;
        }
        case ControlKind::commandButton:
            return new QPushButton(caption, parent);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString uiFamily =
        arguments.size() > 1 ? arguments.at(1) : QStringLiteral("Noto Sans CJK SC");
    const QString fieldFamily =
        arguments.size() > 2 ? arguments.at(2) : QStringLiteral("Noto Sans Mono CJK SC");
    QApplication::setFont(sized(uiFamily, kWindowFontPoints));
    const QFont fieldFont = sized(fieldFamily, kWindowFontPoints);
    const QFont creditFont = sized(installedKaiFamily(), kCreditFontPoints);

    constexpr double kDotsPerInch = 96.0;
    const auto pixels = [](int twips) { return pixelsFromTwips(twips, kDotsPerInch); };
    QWidget window;
    window.setWindowTitle(fromUtf8(kWindowTitle));
    window.setFixedSize(pixels(kDesignClientArea.width), pixels(kDesignClientArea.height));
    std::map<Control, QWidget*> controls;
    controls[Control::JKX1] = &window;
    for (const ControlRow& row : kWindowLayout) {
        QWidget* control = made(row, controls.at(row.parent), fieldFont, creditFont);
        control->setGeometry(pixels(row.geometry.left), pixels(row.geometry.top),
                             pixels(row.geometry.width), pixels(row.geometry.height));
        controls[row.name] = control;
    }
    window.show();
    return QApplication::exec();
}
