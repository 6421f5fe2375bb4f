#include "MMLoggedAddress.h"

#include <QRegularExpression>

namespace mm {

QString loggedAddress(const QUrl& url)
{
    return url.toString(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
}

QString withLoggedAddresses(const QString& text)
{
    if (!text.contains(QLatin1String("://")))
        return text;
    // A scheme, "://" and everything up to a blank, a quote or an angle bracket; punctuation at
    // its end belongs to the sentence around it.
    static const QRegularExpression address(QStringLiteral(R"([A-Za-z][A-Za-z0-9+.\-]{0,31}://[^\s"'<>`]+)"));
    static const QRegularExpression trailing(QStringLiteral(R"([)\].,;:!?]+$)"));
    static const QRegularExpression queryOrFragment(QStringLiteral("[?#]"));
    QString out;
    qsizetype done = 0;
    QRegularExpressionMatchIterator it = address.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QString found = match.captured();
        const QRegularExpressionMatch tail = trailing.match(found);
        const qsizetype kept = tail.hasMatch() ? found.size() - tail.capturedLength() : found.size();
        found.truncate(kept);
        out += QStringView(text).mid(done, match.capturedStart() - done);
        const QUrl url(found);
        // What cannot be read as an address is cut where a query or fragment would begin.
        out += url.isValid() && !url.host().isEmpty() ? loggedAddress(url) : found.section(queryOrFragment, 0, 0);
        done = match.capturedStart() + kept;
    }
    out += QStringView(text).mid(done);
    return out;
}

} // namespace mm
