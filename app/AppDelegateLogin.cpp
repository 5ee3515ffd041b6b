// Logging in and out.
#include "AppDelegate.h"
#include "TextConversion.h"
#include "toolkit/WindowShaker.h"

void AppDelegate::userAction() {
    loginWindow_.ui.passwordTextField->setFocus();
}

void AppDelegate::passwordAction() {
    loginAction();
}

void AppDelegate::loginAction() {
    // Used exactly as typed: no trimming, no change of case.
    const QString user = loginWindow_.ui.userTextField->text();
    const QString password = loginWindow_.ui.passwordTextField->text();
    if (user.isEmpty()) {
        return;
    }
    std::optional<UserSchema> found = mySQLLite_->login(toText(user), toText(password));
    if (!found) {
        shakeWindow(&loginWindow_);
        return;
    }
    const QString title = toQString(found->User());
    setLoginUser(std::move(found));
    loginWindow_.hide();
    window_.setWindowTitle(title);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void AppDelegate::logoutAction() {
    secretClipboard_.clearNow(); // a copied password does not outlive its session
    window_.hide();
    setCurrentCategory(std::nullopt);
    setLoginUser(std::nullopt);
    loginWindow_.ui.userTextField->setText(QString());
    loginWindow_.ui.userTextField->setFocus();
    loginWindow_.ui.passwordTextField->setText(QString());
    loginWindow_.show();
    loginWindow_.raise();
    loginWindow_.activateWindow();
}

void AppDelegate::shakeWindow(QWidget* window) {
    WindowShaker::shakeWindow(window);
}
