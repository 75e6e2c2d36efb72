#pragma once

#include <QMainWindow>

namespace zlx::app {

// The main window: a launcher whose commands each open one modal screen.
class Tmain_frm : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmain_frm(QWidget* parent = nullptr);
};

}  // namespace zlx::app
