#include "VQTranslateManager.h"

#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "MMImage.h"
#include "VQAudioMonitorService.h"
#include "VQHttpRequestManager.h"
#include "VQSnip.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQUserInfoData.h"

#include <QRegularExpression>

VQTranslateManager& VQTranslateManager::sharedInstance()
{
    static VQTranslateManager* instance = new VQTranslateManager();
    return *instance;
}

void VQTranslateManager::resetForTests()
{
    VQTranslateManager& manager = sharedInstance();
    manager.m_fanText.clear();
    manager.m_yiText.clear();
    // Answers still on their way carry an older number and are dropped.
    ++manager.m_requestSerial;
}

namespace {

// Characters of scripts written without blanks between words: Han, kana and their punctuation
// (Hangul is written with blanks and is not among them).
bool isWrittenWithoutBlanks(char32_t c)
{
    if ((c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF))
        return true;
    const QChar::Script script = QChar::script(c);
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana;
}

char32_t codePointBefore(const QString& text, qsizetype end)
{
    if (end <= 0)
        return 0;
    const QChar last = text.at(end - 1);
    if (last.isLowSurrogate() && end >= 2 && text.at(end - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(end - 2), last);
    return last.unicode();
}

char32_t codePointAt(const QString& text, qsizetype at)
{
    if (at >= text.size())
        return 0;
    const QChar first = text.at(at);
    if (first.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(at + 1));
    return first.unicode();
}

} // namespace

QString VQTranslateManager::requestText(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString sent;
    sent.reserve(text.size());
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = lineBreaks.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sent += QStringView(text).mid(done, match.capturedStart() - done);
        done = match.capturedEnd();
        const bool joined = isWrittenWithoutBlanks(codePointBefore(text, match.capturedStart()))
            && isWrittenWithoutBlanks(codePointAt(text, done));
        if (!joined)
            sent += QLatin1Char(' ');
    }
    sent += QStringView(text).mid(done);
    return sent;
}

bool VQTranslateManager::isHaveText(const QString& text)
{
    return !text.trimmed().isEmpty();
}

void VQTranslateManager::hyperTranslate()
{
    VQUserInfoData::sharedInstance().setIsScreenshotsTranslate(false);
    // A selected text always shows both panes, also after a recognise-only capture.
    VQPopupWindowTool::sharedInstance().setIsScreenshotsOCR(false);
    const QString text = VQUserInfoData::sharedInstance().pasteboardContent();
    if (!isHaveText(text)) {
        VQLogInfo(QStringLiteral("selected-text translation: the selection holds no text"));
        return;
    }
    m_fanText = text;
    // The translation pane is cleared so that no older, unrelated translation stands under the
    // new source while the answer is awaited.
    VQPopupWindowTool::sharedInstance().showTranslateWindowFanText(text, QString());
    translateText(text);
}

void VQTranslateManager::translateText(const QString& text)
{
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    QString from = languages.readFromHyperTranslateLanguageCode();
    QString to = languages.readToHyperTranslateLanguageCode();
    if (VQUserInfoData::sharedInstance().isScreenshotsTranslate()) {
        // A re-translation of recognised text names no source: the service detects the language.
        from.clear();
        to = languages.readToScreenshotsTranslateLanguageCode();
    }
    requestTranslation(text, from, to);
}

void VQTranslateManager::requestTranslation(const QString& text, const QString& from, const QString& to)
{
    if (!isHaveText(text)) {
        VQLogInfo(QStringLiteral("translation skipped: empty source text"));
        return;
    }
    const quint64 serial = ++m_requestSerial;
    VQLogInfo(QStringLiteral("translation requested (#%1, %2 -> %3, %4 characters)")
                  .arg(serial)
                  .arg(from, to)
                  .arg(text.size()));
    VQAudioMonitorService::sharedInstance().requestTranslateText(
        requestText(text), from, to, [serial, text](bool success, const QString& translation) {
            mm::runOnMainOrNow([serial, text, success, translation] {
                VQTranslateManager& manager = sharedInstance();
                if (serial != manager.m_requestSerial) {
                    VQLogInfo(QStringLiteral("translation #%1 answered after a newer request: dropped").arg(serial));
                    return;
                }
                QString shown = translation;
                if (!success || translation.isEmpty()) {
                    VQLogWarn(QStringLiteral("translation #%1 failed").arg(serial));
                    shown = QRNLocalizedString::qrnAppLocalizedString(VQAudioMonitorService::translateFailedText());
                } else {
                    manager.m_yiText = translation;
                }
                VQPopupWindowTool::sharedInstance().showTranslateWindowFanText(text, shown);
            });
        });
}

void VQTranslateManager::snipTranslate()
{
    VQSnip::sharedInstance().startSnip();
}

void VQTranslateManager::translateImage(const QImage& image)
{
    if (image.isNull())
        return;
    const QByteArray png = mm::mm_PNGData(image);
    // A recognition started later supersedes this one, as a newer translation does.
    const quint64 serial = ++m_requestSerial;
    VQLogInfo(QStringLiteral("text recognition requested (#%1, %2 x %3 pixels)")
                  .arg(serial)
                  .arg(image.width())
                  .arg(image.height()));
    // The user sees at once that the region is being read; the answer (or the failure, at
    // the latest when the request gives up) replaces it.
    VQPopupWindowTool::sharedInstance().showTranslateWindowFanText(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kRecognisingText)), QString());
    VQHttpRequestManager::sharedInstance().doubleMonkeyOcrWithBase64ImageData(png, [serial](const VQHttpResult& result) {
        mm::runOnMainOrNow([serial, result] {
            VQTranslateManager& manager = sharedInstance();
            if (result.success && serial != manager.m_requestSerial) {
                VQLogInfo(QStringLiteral("text recognition #%1 answered after a newer request: dropped").arg(serial));
                return;
            }
            const QString text = result.success ? result.data.toString() : QString();
            if (!result.success || text.trimmed().isEmpty()) {
                const QString message = result.success
                    ? QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kNoTextRecognisedText))
                    : result.message;
                VQLogWarn(QStringLiteral("text recognition #%1 failed: %2").arg(serial).arg(message));
                if (serial == manager.m_requestSerial)
                    VQPopupWindowTool::sharedInstance().dismissTranslateWindow();
                VQPopupWindowTool::sharedInstance().showTipMessage(message, QString::fromLatin1(kInfoIconName));
                return;
            }
            manager.m_fanText = text;
            VQPopupWindowTool::sharedInstance().showTranslateWindowFanText(text, QString());
            if (VQPopupWindowTool::sharedInstance().isScreenshotsOCR())
                return;
            // The first translation names the recognition language as its source.
            VQLanguageManager& languages = VQLanguageManager::sharedInstance();
            manager.requestTranslation(text, languages.readToScreenshotsTranslateFromLanguageCode(),
                                       languages.readToScreenshotsTranslateLanguageCode());
        });
    });
}
