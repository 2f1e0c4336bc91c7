#include "ui/qt/first_paint_mark.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <fstream>
#include <string>
#include <utility>

namespace involute::ui::qt {

namespace {

class FirstPaintMark : public QObject {
  public:
    FirstPaintMark(QWidget& window, std::string file) : QObject(&window), file_(std::move(file)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window's children paint and the picture is flushed to the
            // window system before the event loop runs this.
            QTimer::singleShot(0, this, [this] { write(); });
        }
        return false;
    }

  private:
    void write() const {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::ofstream(file_) << std::chrono::duration_cast<std::chrono::microseconds>(now).count()
                             << '\n';
    }

    std::string file_;
};

}  // namespace

void markFirstPaintIfAsked(QWidget& window) {
    const QByteArray file = qgetenv("INVOLUTE_FIRST_PAINT_MARK");
    if (!file.isEmpty()) {
        window.installEventFilter(new FirstPaintMark(window, file.toStdString()));
    }
}

}  // namespace involute::ui::qt
