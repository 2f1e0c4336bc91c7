// The start-up probe of scripts/measure-startup.sh and of the tests that open
// the window, loaded into the program by LD_PRELOAD, so that neither the
// calculator nor the bare window it is compared with carries any code for
// it. When INVOLUTE_FIRST_PAINT_MARK names a file, it writes into it, after
// the first paint of the first window, the wall-clock time in microseconds
// since the epoch.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <fstream>
#include <string>
#include <utility>

namespace {

class FirstPaintMark : public QObject {
  public:
    FirstPaintMark(std::string path, QObject* application)
        : QObject(application), path_(std::move(path)) {}

    // Ahead of every filter of the program's own (an application's filters see
    // an event first), so the mark is written before the work the program puts
    // off past its first paint.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window's children paint and the picture is flushed to the
            // window system before the event loop runs this.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::ofstream(path_)
                    << std::chrono::duration_cast<std::chrono::microseconds>(now).count() << '\n';
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::string path_;
};

// Runs in the application object's constructor, whenever the program makes one.
void watchFirstPaint() {
    const QByteArray file = qgetenv("INVOLUTE_FIRST_PAINT_MARK");
    if (file.isEmpty()) {
        return;
    }
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintMark(file.toStdString(), application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
