#pragma once

#include <QImage>
#include <QString>

// The single entry of selected-text translation: takes the selection the shell copied into
// VQUserInfoData::pasteboardContent, picks the language codes, asks the voice hub for the
// translation and feeds the translation window through VQPopupWindowTool.
//
// Requests are numbered; an answer to a request that a newer one superseded is dropped, so the
// window always ends on the latest text. A failed translation shows the localised "翻译失败" in
// the translation pane instead of leaving an older translation under the new source.
//
// Main thread only.
class VQTranslateManager {
public:
    static VQTranslateManager& sharedInstance();
    // Tests only: forgets the texts and drops the answers of pending requests.
    static void resetForTests();

    // Translates VQUserInfoData::pasteboardContent (nothing happens for a blank text) and leaves
    // screenshot mode: the window shows the selection at once, the translation on the answer.
    void hyperTranslate();
    // Translates the text with the codes of the current feature (selected text or screenshot).
    void translateText(const QString& text);
    // Starts a screen-region capture (VQSnip); its recognition tools come back to translateImage.
    void snipTranslate();
    // Recognises the text of the image (a null image does nothing), shows it, and translates it
    // from the recognition language into the screenshot target unless recognition only was
    // chosen (VQPopupWindowTool::isScreenshotsOCR). A failed recognition shows a tip.
    void translateImage(const QImage& image);

    // The source text and the translation of the latest request.
    QString fanText() const { return m_fanText; }
    QString yiText() const { return m_yiText; }

    // The text as it is sent: every run of line breaks becomes one blank, so lines do not run
    // together; between two Han or kana characters it is removed, as those are written without
    // blanks.
    static QString requestText(const QString& text);
    // True when the text holds anything but white space.
    static bool isHaveText(const QString& text);

    static constexpr char kInfoIconName[] = "info_icon";
    // Shown in the translation window while a captured region is being recognised.
    static constexpr char kRecognisingText[] = "正在识别…";
    // UI string: the recognition answered without a word of text (none found, or words that
    // are no texts); told like a failed recognition, never as an empty result.
    static constexpr char kNoTextRecognisedText[] = "未识别到文字";

private:
    VQTranslateManager() = default;

    // Sends the text (nothing for a blank one) and shows the answer under it when no newer
    // request superseded this one.
    void requestTranslation(const QString& text, const QString& from, const QString& to);
    ~VQTranslateManager() = delete;
    VQTranslateManager(const VQTranslateManager&) = delete;
    VQTranslateManager& operator=(const VQTranslateManager&) = delete;

    QString m_fanText;
    QString m_yiText;
    quint64 m_requestSerial = 0;
};
