// The file version of an executable, as the window caption shows it.
#pragma once

#include <QString>

namespace qorvan::ui {

// The four parts of the file version of `fileName` joined by "." ("1.3.0.0"); empty when the
// file has no version information, "-1" when reading it fails. On systems without version
// resources the version built into this program stands for its own executable.
QString GetFileVersionText(const QString& fileName);

}  // namespace qorvan::ui
