#include "app_icon.h"

#include <QString>

// The icons are compiled into this static library; nothing else refers to
// them, so the linker would drop them unless they are registered by name. The
// macro declares the registration function in the enclosing namespace, which
// must be the global one.
static void registerIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace involute::ui::qt {

QIcon applicationIcon() {
    registerIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace involute::ui::qt
