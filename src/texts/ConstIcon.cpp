#include "texts/ConstIcon.h"

#include <initializer_list>

// The resource tree lives in a static library: register it explicitly, or the
// linker drops it. Must stay outside any namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace Vexal {

namespace {

void ensureResources()
{
    static const bool registered = (initIconResources(), true);
    Q_UNUSED(registered);
}

QPixmap pick(int size, std::initializer_list<int> sizes, const QString& stem)
{
    ensureResources();
    for (int known : sizes) {
        if (known == size) {
            const QString path = stem + QString::number(size) + QLatin1String(".png");
            return QPixmap(path);
        }
    }
    return QPixmap();
}

} // namespace

ConstIcon::ConstIcon(QObject* parent)
    : QObject(parent)
{
}

QPixmap ConstIcon::appIcon()
{
    ensureResources();
    return QPixmap(QStringLiteral(":/root/TesvarBrowser.ico"));
}

#define VEXAL_ICON_DEFINE(name, prefix, stem, ...)                                    \
    QPixmap ConstIcon::name(int size)                                                 \
    {                                                                                 \
        return pick(size, {__VA_ARGS__}, QStringLiteral(":/" prefix "/img/" stem));   \
    }
VEXAL_ICON_TABLE(VEXAL_ICON_DEFINE)
#undef VEXAL_ICON_DEFINE

} // namespace Vexal
