#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The web page that an address typed or imported by someone names, ready for
// a browser: an http or https address as it stands, one without a scheme as
// https. None for any other scheme (file:, javascript:, a program's own
// scheme), which a browser or the desktop would hand to something other than
// a web page, and none for an address without a host.
std::optional<QUrl> webPageUrl(const QString& address);
