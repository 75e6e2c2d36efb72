#include "app/core/uklad_okien.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableView>
#include <QWidget>

#include "core/ini.h"

namespace zlx::app {

namespace {

std::string sekcja(const QWidget& okno) {
    const QString klasa = QString::fromUtf8(okno.metaObject()->className());
    return klasa.section(QStringLiteral("::"), -1).toStdString();
}

// The window's grids with the keys of their widths.
QList<std::pair<std::string, QHeaderView*>> siatki(const QWidget& okno) {
    QList<std::pair<std::string, QHeaderView*>> result;
    int n = 0;
    for (QTableView* siatka : okno.findChildren<QTableView*>()) {
        const QString nazwa =
            siatka->objectName().isEmpty() ? QStringLiteral("siatka%1").arg(n) : siatka->objectName();
        result.push_back({"kolumny_" + nazwa.toStdString(), siatka->horizontalHeader()});
        ++n;
    }
    return result;
}

}  // namespace

bool przywroc_uklad(QWidget& okno) {
    const std::string s = sekcja(okno);
    for (const auto& [klucz, naglowek] : siatki(okno)) {
        const QStringList szerokosci = QString::fromStdString(czytaj_ini(kOknaIni, s, klucz, ""))
                                           .split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (szerokosci.size() != naglowek->count()) continue;
        for (int k = 0; k < szerokosci.size(); ++k) {
            bool ok = false;
            const int w = szerokosci[k].toInt(&ok);
            if (ok && w > 0) naglowek->resizeSection(k, w);
        }
    }
    const QByteArray geometria =
        QByteArray::fromBase64(QByteArray::fromStdString(czytaj_ini(kOknaIni, s, "geometria", "")));
    return !geometria.isEmpty() && okno.restoreGeometry(geometria);
}

void zapisz_uklad(const QWidget& okno) {
    const std::string s = sekcja(okno);
    try {
        zapisz_ini(kOknaIni, s, "geometria", okno.saveGeometry().toBase64().toStdString());
        for (const auto& [klucz, naglowek] : siatki(okno)) {
            QStringList szerokosci;
            for (int k = 0; k < naglowek->count(); ++k)
                szerokosci << QString::number(naglowek->sectionSize(k));
            zapisz_ini(kOknaIni, s, klucz, szerokosci.join(QLatin1Char(',')).toStdString());
        }
    } catch (const IniWriteError&) {
        // A read-only program folder: the layout is simply not kept.
    }
}

}  // namespace zlx::app
