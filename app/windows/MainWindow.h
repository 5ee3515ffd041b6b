#pragma once

#include "ui_MainWindow.h"

#include <QMainWindow>

// The main window as its interface description lays it out: the category
// sidebar and the content area with its four boxes.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    Ui::MainWindow ui;
};
