#include "QtDesktopOpener.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(QtDesktopOpenerTest, ValidAddressesGoThroughQDesktopServices)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QtDesktopOpener opener;
    const QUrl url(QStringLiteral("https://example.com/search?q=%E4%B8%AD%E6%96%87"));
    EXPECT_TRUE(opener.openUrl(url));
    EXPECT_FALSE(opener.openUrl(QUrl(QStringLiteral("https://exa mple.com"), QUrl::StrictMode)));
    EXPECT_FALSE(opener.openUrl(QUrl()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls, QList<QUrl>{url});
}

} // namespace

#include "QtDesktopOpenerTest.moc"
