// The --screenshot option: one query, then a PNG of the whole window.
#pragma once

#include <QString>

namespace qorvan::ui {

class TForm1;

// Queries the directory in the window's box, opens the first summary row and its first file,
// and saves the window to `file` as PNG; false when the query found nothing or saving failed.
bool TakeScreenshot(TForm1& form, const QString& file);

}  // namespace qorvan::ui
