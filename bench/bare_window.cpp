// A bare Qt window of the calculator's size: the baseline for the start-up
// time and memory that scripts/measure-startup.sh reports.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(537, 280);
    window.show();
    return QApplication::exec();
}
