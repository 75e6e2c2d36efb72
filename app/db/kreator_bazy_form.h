#pragma once

// The database wizard: which database this program works on. It runs at the first start, before the
// connection exists, and from the main menu with the connection closed; it only writes sciezka_bazy,
// and the caller connects afterwards.
//
//   1. imports the older version's Access file into a new database in the program folder's data/ and
//      uses it once its upgrade reached the current version (otherwise says what stopped it and keeps
//      nothing); an Access file without the older version's tables is refused; a database already
//      there is never replaced: the import goes under a free name;
//   2. uses an existing database of this program (for example one shared with another workstation);
//   3. keeps the new, empty database.

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zlx::app {

class Dialogs;

// The older version's working database, suggested for the import.
inline constexpr const char* kStaraBaza2008 = "c:\\Zlecenix\\new\\data\\przDB.mdb";

// Returns the program folder's data/przDB.sqlite, or the first of data/przDB_2.sqlite,
// data/przDB_3.sqlite... that does not exist yet.
QString wolna_sciezka_importu();

class TfrmKreatorBazy2010 : public QDialog {
    Q_OBJECT
  public:
    // Only the dialogs: the wizard runs before the connection exists.
    explicit TfrmKreatorBazy2010(Dialogs& dialogs, QWidget* owner = nullptr);

    void dalej_btnClick();

  private:
    void FormCreate();
    void opcja_zmieniona();
    void wybierz_plik(QLineEdit& box, const QString& filter);
    bool importuj();
    bool podlacz();

    Dialogs& dialogs_;
    QRadioButton* opcja1_;
    QRadioButton* opcja2_;
    QRadioButton* opcja3_;
    QLineEdit* stara_baza_edt_;
    QPushButton* stara_baza_btn_;
    QLineEdit* baza_edt_;
    QPushButton* baza_btn_;
};

}  // namespace zlx::app
