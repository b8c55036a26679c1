#include "system_font.h"

#include <QStringList>

namespace ulvarin {

QFont SystemFont(int size) {
    QFont font;
    // A face with the proportions the layouts were measured in comes first;
    // the platform's own font is the fallback.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Helvetica"), QStringLiteral("Arial"), font.family()});
    font.setPixelSize(size > 0 ? size : 12);
    return font;
}

}  // namespace ulvarin
