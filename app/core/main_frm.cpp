#include "app/core/main_frm.h"

#include <QLabel>
#include <QStatusBar>

#include "core/version.h"

namespace zlx::app {

Tmain_frm::Tmain_frm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Zlecenix 2010    "));
    statusBar()->showMessage(QStringLiteral("Zlecenix 2010    ver: ") + QString::fromUtf8(kVersion));
    resize(1280, 720);
}

}  // namespace zlx::app
