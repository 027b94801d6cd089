#include "platform/window_icon.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>

// The resources live in a static library: nothing would pull them into the program unless code that
// is linked anyway registers them.
static void registerIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace pelmora {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128};

QString iconFileStem(const QString& name)
{
    if (name == QLatin1String(kProgramIconGroup) || name == QLatin1String("pelmora"))
        return QStringLiteral(":/icons/pelmora-");
    return {};
}

QWidget* topOwner(QWidget* window)
{
    QWidget* top = window->window();
    while (QWidget* owner = top->parentWidget())
        top = owner->window();
    return top;
}

} // namespace

QIcon LoadIconGroup(const QString& name)
{
    registerIconResources();
    QIcon icon;
    const QString stem = iconFileStem(name);
    if (stem.isEmpty())
        return icon;
    for (int size : kIconSizes) {
        const QString file = stem + QString::number(size) + QLatin1String(".png");
        if (!QFile::exists(file))
            continue;
        // Named as PNG and nothing else: a reader left to guess loads every image format plug-in to
        // ask whether it reads the file.
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void ApplyWindowIcon(QWidget* window, const QString& name, bool setOnOwner)
{
    if (!window)
        return;
    const QIcon icon = LoadIconGroup(name);
    if (setOnOwner)
        topOwner(window)->setWindowIcon(icon);
    window->setWindowIcon(icon);
}

} // namespace pelmora
