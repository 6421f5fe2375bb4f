#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>

#include <cstdint>

// Acts on the server's understanding of an utterance while semantic analysis is on: the "dm"
// object of the utterance's last result. The answer text ("nlg") is spoken through TKTTSManager;
// when the answer links to audio (the first entry of "widget"."content" with a "linkUrl"), the
// audio plays through AppAudioTool once the speech has ended, or at once when there is no text
// to speak. With neither an answer nor a skill ("task") the user hears that the request was not
// understood.
//
// "dm" comes from the server: a member of the wrong type counts as absent, and only http and
// https addresses are played. A newer answer silences the one still speaking, whose audio then
// never plays.
//
// One object for the life of the process. Main thread only.
class VQSemanticManager {
public:
    // Spoken when the answer has neither text nor skill (a fixed sentence, not a UI string).
    static constexpr char kNotUnderstoodText[] = "我听不懂你说什么，可以换个说法吗？";
    // Tip when the answer links to something that is not a web audio address.
    static constexpr char kBadLinkText[] = "无法播放回答中的音频";

    static VQSemanticManager& sharedInstance();
    // Tests only: forgets the pending audio and removes this object's completion block.
    static void resetForTests();

    // Acts on one result; an empty object stands for a missing "dm".
    void analysisData(const QJsonObject& dm);

private:
    VQSemanticManager() = default;

    // The speech of the answer with this serial reported a status.
    void speechStatusChanged(std::uint64_t serial, int status);

    std::uint64_t m_serial = 0; // one per answer; a block of an older answer does nothing
    QUrl m_pendingLink;         // played when the current answer's speech ends
};
