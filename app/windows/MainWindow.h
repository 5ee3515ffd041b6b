#pragma once

#include "ui_MainWindow.h"

#include <QMainWindow>
#include <functional>

// The main window as its interface description lays it out: the category
// sidebar and the content area with its four boxes.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    Ui::MainWindow ui;
    // Asked before the window closes; false keeps it open.
    std::function<bool()> mayClose;

protected:
    void closeEvent(QCloseEvent* event) override;
};
