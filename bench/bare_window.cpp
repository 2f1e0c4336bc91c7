// The baseline for the start-up time and memory that scripts/measure-startup.sh
// reports: a Qt window of the calculator's client size with one label in the
// calculator's CJK UI font, chosen the cheap way: by family name, given as the
// argument (default Noto Sans CJK SC), at the calculator's 9 points.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QFont font(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(9.0);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(537, 280);
    QLabel label(QStringLiteral("渐开线起始圆"), &window);
    label.move(16, 32);
    involute::ui::qt::markFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
