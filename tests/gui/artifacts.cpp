#include "artifacts.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace ulvarin::testing {

QString SaveArtifact(QWidget* widget, const QString& name) {
    const QString folder = QStringLiteral(ULVARIN_ARTIFACT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/") + name;
    widget->grab().save(path);
    return path;
}

}  // namespace ulvarin::testing
