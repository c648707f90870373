#include "app/Icons.h"

#include <QPainter>
#include <QSvgRenderer>

// The resource bundle lives in a static library: its initialiser must be referenced.
static void initStanjomerResources() {
    Q_INIT_RESOURCE(stanjomer);
}

namespace app {

namespace {

QPixmap render(const QString& file, int size) {
    static const bool resourcesReady = (initStanjomerResources(), true);
    (void)resourcesReady;
    QSvgRenderer renderer(file);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon iconFrom(const QString& file, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(render(file, size));
    return icon;
}

}  // namespace

QIcon glyph(const char* name) {
    return iconFrom(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)), {16, 24, 32});
}

QIcon programIcon() {
    return iconFrom(QStringLiteral(":/icons/stanjomer.svg"), {16, 24, 32, 48, 64, 256});
}

QPixmap programPixmap(int size) {
    return render(QStringLiteral(":/icons/stanjomer.svg"), size);
}

}  // namespace app
