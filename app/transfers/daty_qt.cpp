#include "app/transfers/daty_qt.h"

#include <QDateEdit>

namespace zlx::app {

QDate na_qdate(TDateTime d) {
    const CivilDate c = d.civil();
    return QDate(c.year, c.month, c.day);
}

TDateTime data_z_qdate(const QDate& d) {
    return TDateTime::from_ymd(d.year(), d.month(), d.day());
}

QDateEdit* nowy_wybor_daty(QWidget* parent) {
    auto* e = new QDateEdit(parent);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    e->setCalendarPopup(true);
    e->setDate(na_qdate(TDateTime::today()));
    return e;
}

}  // namespace zlx::app
