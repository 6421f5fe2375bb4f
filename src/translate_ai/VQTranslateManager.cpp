#include "VQTranslateManager.h"

#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQAudioMonitorService.h"
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

QString VQTranslateManager::requestText(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString sent = text;
    sent.replace(lineBreaks, QStringLiteral(" "));
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
        // A re-translation of recognised text lets the service detect the language.
        from = QStringLiteral("auto");
        to = languages.readToScreenshotsTranslateLanguageCode();
    }
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
