#pragma once

// Dates between the records (TDateTime) and the date pickers (QDateEdit showing "yyyy-MM-dd").

#include <QDate>

#include "core/datetime.h"

class QDateEdit;
class QWidget;

namespace zlx::app {

QDate na_qdate(TDateTime d);
TDateTime data_z_qdate(const QDate& d);
// Returns a date picker with a calendar, showing "yyyy-MM-dd".
QDateEdit* nowy_wybor_daty(QWidget* parent);

}  // namespace zlx::app
