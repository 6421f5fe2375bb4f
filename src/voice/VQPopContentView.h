#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class NSAnimateImageView;
class VQWordView;

// The content of the speech popup, on a clear background: the recognised text in a white box at
// the top, and in translation a wave strip and the translation in a blue box below it; the
// animated icon of the voice function sits centred on the bottom edge, over the lower margin of
// the last box.
//
// viewHeight() is what the content needs: the text box's height + 40 without a translation,
// the text box's + the translation box's + 55 with one. The translation box and the wave strip
// show only while the translation is not empty.
//
// The icon: setPressType() with a new type shows that function's 13 frames (33 typing
// "say_000NN", 35 command and search "search_000NN", 37 translation "trans_000NN"), and 0.5 s
// later the 39 listening frames "start_000NN". Any other type shows no icon and schedules
// nothing; a newer type cancels a pending switch. Frames cycle only while the view is visible.
// The press type reads 33 at creation, but no icon runs yet, so the first show of typing starts
// its icon like any other.
class VQPopContentView : public QWidget {
    Q_OBJECT
public:
    static constexpr int typingType = 33;
    static constexpr int searchType = 35;
    static constexpr int translationType = 37;
    static constexpr int iconSize = 80;
    static constexpr int boxInset = 2;
    static constexpr int waveHeight = 35;
    static constexpr int switchToListeningMs = 500;

    explicit VQPopContentView(QWidget* parent = nullptr);

    QString fanText() const { return m_fanText; }
    void setFanText(const QString& text);
    QString yiText() const { return m_yiText; }
    void setYiText(const QString& text);
    int pressType() const { return m_pressType; }
    void setPressType(int type);
    int viewHeight() const { return m_viewHeight; }

    // The frame names of a press type's own icon (empty for other types) and of the listening
    // icon that follows it.
    static QStringList typeFrameNames(int type);
    static QStringList listeningFrameNames();
    // The most characters of a text the popup lays out: a longer one shows its tail ("…" and the
    // last characters), scrolled to its last lines, so laying it out never grows with the text.
    static constexpr int kShownChars = 800;
    static QString shownTail(const QString& text);

    VQWordView* fanWordView() const { return m_fanWordView; }
    VQWordView* yiWordView() const { return m_yiWordView; }
    QWidget* waveView() const { return m_waveView; }
    NSAnimateImageView* typeImageView() const { return m_typeImageView; }
    // True while the switch to the listening frames is pending.
    bool isListeningSwitchPending() const { return m_listeningTimer.isActive(); }

    // Places the boxes, the wave strip and the icon for the current size (also done on resize).
    void layoutSubviews();
    // The part of the content that is drawn (boxes, wave, icon); the rest is clear.
    QRegion paintedRegion() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateViewHeight();
    void showListeningFrames();

    VQWordView* m_fanWordView = nullptr;
    VQWordView* m_yiWordView = nullptr;
    QWidget* m_waveView = nullptr;
    NSAnimateImageView* m_typeImageView = nullptr;
    QTimer m_listeningTimer;
    QString m_fanText;
    QString m_yiText;
    int m_pressType = typingType;
    // The type whose icon runs (0: none).
    int m_iconType = 0;
    int m_fanHeight = 0;
    int m_yiHeight = 0;
    int m_viewHeight = 40;
};
