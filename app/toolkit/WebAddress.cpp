#include "toolkit/WebAddress.h"

#include <QRegularExpression>

std::optional<QUrl> webPageUrl(const QString& address) {
    // A scheme is a name before a colon, unless what follows the colon is a
    // port: "example.org:8080/login" is a host and a port, as a browser's
    // address bar reads it.
    static const QRegularExpression scheme(
        QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?![0-9]+(?:[/?#]|$))"));
    QString text = address.trimmed();
    if (!scheme.match(text).hasMatch()) {
        text = (text.startsWith(QStringLiteral("//")) ? QStringLiteral("https:")
                                                      : QStringLiteral("https://")) +
               text;
    }
    const QUrl url(text, QUrl::TolerantMode);
    const QString name = url.scheme().toLower();
    if (!url.isValid() || (name != QStringLiteral("http") && name != QStringLiteral("https")) ||
        url.host().isEmpty()) {
        return std::nullopt;
    }
    return url;
}
