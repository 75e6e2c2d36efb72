#pragma once

#include <QStringList>

namespace zlx::app {

// Reads "--folder DIR" from the program's arguments ("" when absent).
QString folder_argument(const QStringList& arguments);

// Fixes the process-wide formats: the decimal comma and the "yyyy-mm-dd" dates of the Polish locale.
void ustaw_formaty();

}  // namespace zlx::app
