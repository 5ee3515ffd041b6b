#pragma once

#include "BenchSupport.h"
#include "controller/AppDelegate.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

// The real program offscreen, logged in as root, with `count` entries spread
// over the first `categories` categories (Email first) and none in Website
// unless `categories` reaches it; with a `passphrase`, in a protected file
// that the program opens with it.
class Scenario {
public:
    explicit Scenario(int count, int categories = 1, const std::string& passphrase = {}) {
        qputenv("HOME", home_.path().toUtf8());
        {
            MySQLLite seed(home_.filePath("Documents").toStdString(), nullptr);
            seed.createTables();
        }
        fillEntries(home_.filePath("Documents/Lockmere.sqlite3"), count, categories);
        if (!passphrase.empty()) {
            MySQLLite store(home_.filePath("Documents").toStdString(), nullptr);
            store.createTables();
            store.protect(passphrase, SealedHeader::newRecoveryCode());
        }
        delegate_ = std::make_unique<AppDelegate>(login_, window_, alerts_);
        delegate_->applicationDidFinishLaunching();
        if (!passphrase.empty()) {
            QElapsedTimer timer;
            timer.start();
            delegate_->protection().unlock(QString::fromStdString(passphrase));
            unlockMilliseconds_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
        login_.ui.userTextField->setText("root");
        login_.ui.passwordTextField->setText("tiwe");
        delegate_->loginAction();
        window_.resize(900, 600);
        QApplication::processEvents();
        press(window_.ui.emailButton);
    }

    QTableView* table() const { return window_.ui.passwordTableView; }
    const Ui::MainWindow& ui() const { return window_.ui; }
    AppDelegate& app() { return *delegate_; }
    QAbstractButton* email() const { return window_.ui.emailButton; }
    QAbstractButton* website() const { return window_.ui.websiteButton; }

    // Presses a button and lets the view lay itself out, as the event loop
    // would before the next paint.
    void press(QAbstractButton* button) {
        button->click();
        settle();
    }
    void settle() {
        QApplication::processEvents();
        table()->doItemsLayout();
    }

    // Paints the list's visible rows, as the view does on screen: into one
    // surface that is kept from paint to paint, as a window's backing store
    // is, so the figure is the painting and not a fresh megabyte each time.
    void paint() {
        QWidget* viewport = table()->viewport();
        if (surface_.size() != viewport->size()) {
            surface_ = QImage(viewport->size(), QImage::Format_ARGB32_Premultiplied);
        }
        viewport->render(&surface_);
    }

    // How long opening the protected file took, Argon2id included; 0 for a plain file.
    double unlockMilliseconds() const { return unlockMilliseconds_; }

    int visibleRows() const {
        const int first = table()->rowAt(0);
        const int last = table()->rowAt(table()->viewport()->height() - 1);
        return first < 0 ? 0 : (last < 0 ? table()->model()->rowCount() : last) - first + 1;
    }

private:
    QTemporaryDir home_;
    SilentAlerts alerts_;
    LoginWindow login_;
    MainWindow window_;
    std::unique_ptr<AppDelegate> delegate_;
    QImage surface_;
    double unlockMilliseconds_ = 0;
};
