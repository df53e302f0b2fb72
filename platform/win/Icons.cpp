#include "platform/win/Icons.h"

#include "resources/IconImage.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <map>

namespace {

// Handles are the resource ids themselves, so loading twice gives the same handle.
std::map<HICON, QImage>& Loaded()
{
    static std::map<HICON, QImage> loaded;
    return loaded;
}

// One icon per handle, made on first use: items that show the same icon share
// its pixmap instead of each converting the image again. Never destroyed, so no
// pixmap outlives the application object at exit.
std::map<HICON, QIcon>& Made()
{
    static auto* made = new std::map<HICON, QIcon>;
    return *made;
}

} // namespace

namespace Icons {

HICON LoadIconResource(unsigned id)
{
    const IconImage* image = FindIconImage(id);
    if (!image)
        return nullptr;
    const auto handle = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(id));
    if (!Loaded().count(handle)) {
        QImage pixels(image->width, image->height, QImage::Format_ARGB32);
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                pixels.setPixel(x, y, image->argb[static_cast<std::size_t>(y * image->width + x)]);
        Loaded()[handle] = pixels;
    }
    return handle;
}

QIcon IconOf(HICON icon)
{
    const auto known = Made().find(icon);
    if (known != Made().end())
        return known->second;
    const auto it = Loaded().find(icon);
    if (it == Loaded().end())
        return QIcon();
    return Made().emplace(icon, QIcon(QPixmap::fromImage(it->second))).first->second;
}

} // namespace Icons
