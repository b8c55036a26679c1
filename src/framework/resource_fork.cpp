#include "resource_fork.h"

#include <QImage>
#include <QString>
#include <cstring>

namespace ulvarin {

std::shared_ptr<Picture> GetResourcePicture(std::int32_t number) {
    const QImage loaded(QStringLiteral(":/pictures/%1").arg(number));
    if (loaded.isNull()) return nullptr;
    const QImage image = loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto picture = NewPicture(image.width(), image.height(), 32);
    if (!picture) return nullptr;
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(picture->Row(y), image.constScanLine(y), std::size_t(image.width()) * 4);
    }
    picture->SetOpaque(!loaded.hasAlphaChannel());
    return picture;
}

}  // namespace ulvarin
