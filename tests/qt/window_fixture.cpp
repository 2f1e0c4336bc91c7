#include "window_fixture.h"

#include <QApplication>
#include <QStyle>
#include <QTest>
#include <QTranslator>

#include "fonts.h"
#include "qt_translation.h"
#include "window_states.h"

namespace involute::testing {

namespace {

QList<QTranslator*> installedTranslators() {
    return qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

ApplicationGlobals::ApplicationGlobals()
    : font_(QApplication::font()),
      palette_(QApplication::palette()),
      creditSubstitutes_(QFont::substitutes(QString::fromUtf8(ui::qt::kCreditFontFamily))),
      style_(QApplication::style()->name()),
      translators_(installedTranslators()) {}

ApplicationGlobals::~ApplicationGlobals() {
    for (QTranslator* translator : installedTranslators()) {
        if (!translators_.contains(translator)) {
            delete translator;
        }
    }
    if (QApplication::style()->name() != style_) {
        QApplication::setStyle(style_);
    }
    QApplication::setPalette(palette_);
    const QString credit = QString::fromUtf8(ui::qt::kCreditFontFamily);
    QFont::removeSubstitutions(credit);
    if (!creditSubstitutes_.isEmpty()) {
        QFont::insertSubstitutions(credit, creditSubstitutes_);
    }
    QApplication::setFont(font_);
}

void WindowTest::SetUp() {
    globals_.emplace();
    ASSERT_TRUE(ui::qt::installQtChineseTranslation(*qApp));
    ui::qt::installWindowFonts();
    watchdog_ = std::make_unique<ModalDialogWatchdog>();
    window_ = std::make_unique<ui::qt::QtWindow>();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::TearDown() {
    for (const DialogRecord& dialog : takeDialogs()) {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog.title << "\": " << dialog.text;
    }
    window_.reset();
    watchdog_.reset();
    globals_.reset();
}

QWidget* WindowTest::named(const std::string& name) const {
    const QString wanted = QString::fromStdString(name);
    if (window_->objectName() == wanted) {
        return window_.get();
    }
    auto* found = window_->findChild<QWidget*>(wanted);
    if (found == nullptr) {
        ADD_FAILURE() << "no control named " << name;
    }
    return found;
}

QLineEdit* WindowTest::field(const std::string& name) const {
    auto* edit = qobject_cast<QLineEdit*>(named(name));
    if (edit == nullptr) {
        ADD_FAILURE() << name << " is not a text box";
    }
    return edit;
}

QPushButton* WindowTest::button(const std::string& name) const {
    auto* push = qobject_cast<QPushButton*>(named(name));
    if (push == nullptr) {
        ADD_FAILURE() << name << " is not a button";
    }
    return push;
}

std::string WindowTest::focusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? std::string() : focus->objectName().toStdString();
}

std::string WindowTest::textOf(const std::string& name) const {
    return field(name)->text().toStdString();
}

std::string WindowTest::captionOf(const std::string& name) const {
    return button(name)->text().toStdString();
}

void WindowTest::click(const std::string& name) const {
    QWidget* target = named(name);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

void WindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void WindowTest::typeInto(const std::string& name, const std::string& text) const {
    click(name);
    if (text.empty()) {
        QTest::keyClick(field(name), Qt::Key_Delete);
    }
    QTest::keyClicks(field(name), QString::fromStdString(text));
}

std::vector<std::string> WindowTest::resultTexts() const {
    std::vector<std::string> texts;
    texts.reserve(ui::kResultFields.size());
    for (const ui::Control result : ui::kResultFields) {
        texts.push_back(textOf(std::string(ui::controlName(result))));
    }
    return texts;
}

}  // namespace involute::testing

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
