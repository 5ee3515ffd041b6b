#pragma once

#include "ui_LoginWindow.h"

#include <QWidget>

// The login window as its interface description lays it out.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoginWindow(QWidget* parent = nullptr);

    Ui::LoginWindow ui;
};
