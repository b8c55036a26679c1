#pragma once

#include <QString>

class QWidget;

namespace ulvarin::testing {

// Saves a picture of the widget as it is drawn now into the test-artifact
// folder of the build, and returns the file's path.
QString SaveArtifact(QWidget* widget, const QString& name);

}  // namespace ulvarin::testing
