#pragma once

#include "VQWordView.h"

#include <QUrl>

#include <memory>

class NSAnimateImageView;
class VQButton;
class VQAudioPlayer;
class VQQueuePlayer;

// One pane of the translation window: a word view with a copy button in its bottom-right
// corner. The copy button puts the pane's text on the clipboard and confirms with a tip.
//
// The pane can also speak: its speak button (in the copy button's place) hands its text to the
// program's speech output, and its player plays web text-to-speech requests. The speak button
// and the speaking animation stay hidden: nothing shows them.
class VQTranslateView : public VQWordView {
    Q_OBJECT
public:
    static constexpr int copyButtonSize = 30;
    static constexpr int copyButtonMargin = 10;
    // The pane is 312 wide with 10 px margins: lines wrap at this width so none is cut off.
    static constexpr int textWidth = 280;

    explicit VQTranslateView(QWidget* parent = nullptr);
    ~VQTranslateView() override;

    // True for the translation pane; only a name for tests and the log.
    void setIsYiView(bool isYiView);
    bool isYiView() const { return m_isYiView; }
    // Shows nothing and takes no height, as before the first text.
    void clear();

    VQButton* fuzhiBtn() const { return m_fuzhiBtn; }
    // Copies the pane's text; an empty pane copies nothing and shows no tip.
    void fuzhiBtnClicked();

    VQButton* playBtn() const { return m_playBtn; }
    NSAnimateImageView* playImageView() const { return m_playImageView; }
    // Speaks the pane's text through the program's speech output (TKTTSManager).
    void playBtnClicked();
    // Speaks the text through the web text-to-speech host of every language: one request, or
    // for a text of kWebSpeechChunkLength characters or more one per chunk, played in order.
    void playAudioWithText(const QString& text, const QString& languageCode);
    // Pauses the player; a non-empty address replaces its current item and plays.
    void playAudioWithURL(const QString& address);
    // The requests playAudioWithText() plays.
    static QList<QUrl> webSpeechItems(const QString& text, const QString& languageCode);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCopyButton();
    VQQueuePlayer& player();

    VQButton* m_fuzhiBtn = nullptr;
    VQButton* m_playBtn = nullptr;
    NSAnimateImageView* m_playImageView = nullptr;
    // Made on first use: the pane's own audio player and the queue over it.
    std::unique_ptr<VQAudioPlayer> m_audioPlayer;
    std::unique_ptr<VQQueuePlayer> m_player;
    bool m_isYiView = false;
};
