#include "windows/LoginWindow.h"

LoginWindow::LoginWindow(QWidget* parent) : QWidget(parent) {
    ui.setupUi(this);
}
