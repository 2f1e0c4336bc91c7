#include "first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <fstream>
#include <string>
#include <utility>

namespace involute::ui::qt {

namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window's children paint and the picture is flushed to the
            // window system before the event loop runs this.
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) {
    window.installEventFilter(new FirstPaintWatch(window, std::move(then)));
}

void markFirstPaintIfAsked(QWidget& window) {
    const QByteArray file = qgetenv("INVOLUTE_FIRST_PAINT_MARK");
    if (file.isEmpty()) {
        return;
    }
    afterFirstPaint(window, [path = file.toStdString()] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::ofstream(path) << std::chrono::duration_cast<std::chrono::microseconds>(now).count()
                            << '\n';
    });
}

}  // namespace involute::ui::qt
