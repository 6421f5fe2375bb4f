#pragma once

#include <QString>
#include <QUrl>

namespace mm {

// The address as log lines show it: scheme, host, port and path; never its query, fragment or
// user information, which may carry tokens and signatures.
QString loggedAddress(const QUrl& url);
// The text with every address in it ("scheme://...") shown as loggedAddress shows it. Every
// logged message passes here, so an error text that embeds a signed address (a network
// reply's errorString()) or a page's message does not carry its query into the log.
QString withLoggedAddresses(const QString& text);

} // namespace mm
