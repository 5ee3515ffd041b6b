// Opening an entry's web address in the desktop's browser, from the list or
// from the editor. Addresses come from anywhere (typed, imported, written by
// another program), so only web pages are handed on.
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/WebAddress.h"

#include <QDesktopServices>

AppDelegate::UrlOpener AppDelegate::desktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

void AppDelegate::openHttpAction() {
    if (auto entry = chosenEntry()) {
        openWebAddress(toQString(entry->Http()));
    }
}

void AppDelegate::openEditorHttpAction() {
    openWebAddress(window_.ui.httpField->text());
}

void AppDelegate::openWebAddress(const QString& address) {
    if (address.trimmed().isEmpty()) {
        showAlert("NoHttpAlert", "NoHttpAlertInfo");
        return;
    }
    const std::optional<QUrl> url = webPageUrl(address);
    if (!url) {
        showAlert("HttpRefusedAlert", "HttpRefusedAlertInfo");
        return;
    }
    if (!urlOpener_(*url)) {
        showAlert("HttpOpenFailAlert", "HttpOpenFailAlertInfo");
    }
}
