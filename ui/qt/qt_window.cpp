#include "qt_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "accessible_controls.h"
#include "colour_codes.h"
#include "command_button.h"
#include "error_report.h"
#include "field_edit.h"
#include "fonts.h"
#include "input_focus.h"
#include "qt_twips.h"
#include "start_command.h"

namespace involute::ui::qt {

namespace {

static_assert(static_cast<std::size_t>(Control::JKX1) == 0);

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString nameOf(Control control) {
    return fromUtf8(controlName(control));
}

std::size_t indexOf(Control control) {
    return static_cast<std::size_t>(control);
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::textBox || kind == ControlKind::commandButton;
}

}  // namespace

QtWindow::QtWindow(QWidget* parent) : QWidget(parent, kWindowFlags) {
    installAccessibleControls();
    setObjectName(nameOf(Control::JKX1));
    setWindowTitle(fromUtf8(kWindowTitle));
    setFont(windowFont());
    controls_[indexOf(Control::JKX1)] = this;

    const QPointF dpi = logicalDpi(screen());
    for (const ControlRow& row : kWindowLayout) {
        createControl(row, dpi);
    }
    giveLabelsTheirFields();
    orderTabsByIndex();
    wireHandlers();
    placeAtDesignPosition(dpi);
}

void QtWindow::createControl(const ControlRow& row, QPointF dpi) {
    QWidget* container = controls_[indexOf(row.parent)];
    Q_ASSERT_X(container != nullptr, "QtWindow", "a container is created before its controls");
    const QString caption = fromUtf8(row.caption);
    QWidget* widget = nullptr;
    QPalette::ColorRole foreRole = QPalette::WindowText;
    switch (row.kind) {
        case ControlKind::frame:
            widget = new QGroupBox(caption, container);
            break;
        case ControlKind::label:
            widget = new QLabel(caption, container);
            break;
        case ControlKind::textBox: {
            auto* edit = new FieldEdit(container);
            edit->setFont(fieldFont());
            edit->replaceText(caption);
            edit->setReadOnly(row.extras.readOnly);
            // A result may be longer than a typed value; it must show whole.
            if (row.extras.readOnly) {
                edit->shrinkFontToFit(fieldFont());
            }
            if (row.extras.backColour) {
                edit->setColourCode(*row.extras.backColour);
            }
            widget = edit;
            foreRole = QPalette::Text;
            break;
        }
        case ControlKind::commandButton: {
            auto* push = new CommandButton(caption, container);
            widget = push;
            foreRole = QPalette::ButtonText;
            break;
        }
    }
    widget->setObjectName(nameOf(row.name));
    if (const std::string spoken = spokenName(row); !spoken.empty()) {
        widget->setAccessibleName(fromUtf8(spoken));
    }
    widget->setGeometry(pixelsFromTwips(row.geometry, dpi));
    widget->setFocusPolicy(takesFocus(row.kind) ? Qt::StrongFocus : Qt::NoFocus);
    if (row.extras.foreColour) {
        QPalette palette = widget->palette();
        palette.setColor(foreRole, colourFromCode(*row.extras.foreColour, palette));
        widget->setPalette(palette);
    }
    if (row.extras.font == FontRole::credit) {
        widget->setFont(creditFont());
    }
    controls_[indexOf(row.name)] = widget;
}

void QtWindow::giveLabelsTheirFields() {
    for (const ControlRow& row : kWindowLayout) {
        if (row.extras.labelFor) {
            static_cast<QLabel*>(control(row.name))->setBuddy(&field(*row.extras.labelFor));
        }
    }
}

void QtWindow::orderTabsByIndex() {
    std::vector<const ControlRow*> stops;
    for (const ControlRow& row : kWindowLayout) {
        if (takesFocus(row.kind)) {
            stops.push_back(&row);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(control(stops[i - 1]->name), control(stops[i]->name));
    }
    // The focus starts on the control with the lowest tab index.
    if (!stops.empty()) {
        control(stops.front()->name)->setFocus(Qt::OtherFocusReason);
    }
}

void QtWindow::wireHandlers() {
    for (const ControlRow& row : kWindowLayout) {
        switch (row.extras.handler) {
            case Handler::none:
                break;
            case Handler::startCommand:
                connect(&button(row.name), &QPushButton::clicked, this,
                        [this] { calc::runStartCommand(*this); });
                break;
            case Handler::exitProgram:
                connect(&button(row.name), &QPushButton::clicked, this,
                        [] { QCoreApplication::quit(); });
                break;
            case Handler::inputFocus:
                connect(&field(row.name), &FieldEdit::gotFocus, this,
                        [this, name = row.name] { onInputFieldGotFocus(*this, name); });
                break;
        }
    }
}

void QtWindow::placeAtDesignPosition(QPointF dpi) {
    const QRect design = pixelsFromTwips(kDesignClientArea, dpi);
    setFixedSize(design.size());
    const QScreen* where = screen();
    setGeometry(where != nullptr ? clampedInto(design, where->availableGeometry()) : design);
}

// The focused control shows its focus frame from the start; Qt draws it only
// once a key has moved the focus, and forgets that when a window is shown.
void QtWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

QWidget* QtWindow::control(Control name) const {
    return controls_[indexOf(name)];
}

FieldEdit& QtWindow::field(Control name) const {
    auto* edit = qobject_cast<FieldEdit*>(control(name));
    if (edit == nullptr) {
        qFatal("%s is not a text box of the window", controlName(name).data());
    }
    return *edit;
}

QPushButton& QtWindow::button(Control name) const {
    auto* push = qobject_cast<QPushButton*>(control(name));
    if (push == nullptr) {
        qFatal("%s is not a button of the window", controlName(name).data());
    }
    return *push;
}

std::string QtWindow::text(Control name) const {
    return field(name).text().toStdString();
}

void QtWindow::setText(Control name, std::string_view text) {
    field(name).replaceText(fromUtf8(text));
}

void QtWindow::setCaption(Control name, std::string_view caption) {
    QPushButton& push = button(name);
    push.setText(fromUtf8(caption));
    push.setAccessibleName(fromUtf8(withoutBlanks(caption)));
}

void QtWindow::setBackColor(Control name, ColourCode colour) {
    field(name).setColourCode(colour);
}

void QtWindow::setSelStart(Control name, int position) {
    field(name).setSelStart(position);
}

void QtWindow::setSelLength(Control name, int length) {
    field(name).setSelLength(length);
}

void QtWindow::setFocus(Control name) {
    control(name)->setFocus(Qt::OtherFocusReason);
}

void QtWindow::reportError(std::string_view message) {
    showErrorReport(this, fromUtf8(message));
}

}  // namespace involute::ui::qt
