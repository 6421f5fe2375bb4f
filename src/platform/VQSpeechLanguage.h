#pragma once

#include <QLocale>
#include <QString>

// Which language a text is read in, and what language a synthesiser's voice speaks.
namespace VQSpeechLanguage {

// The locale named by a code: "zh-cn", "ZH_CN" and "zh_CN" all name zh_CN; an empty code names
// the system's locale.
QLocale localeOf(const QString& language);

// The language to read the text in. The requested language (a locale code; empty for the
// system's) is kept when its script is the one the text is written in; otherwise the text's own
// script decides: Chinese characters without kana are Chinese, kana Japanese, Hangul Korean,
// Arabic letters Arabic, and so on (the likeliest language of the script); Latin letters are
// English unless the requested or system language is written in them. A text with any Chinese,
// Japanese or Korean character is read in that language (its voices read Latin words too).
// C when the text has no letters and nothing was requested.
QLocale languageOf(const QString& text, const QString& requested);

// The locale of a voice's language code as speech servers give it ("en-us", "cmn" for
// Mandarin, "yue" for Cantonese, "es-419"); C when it names no language this program knows.
QLocale localeOfVoiceLanguage(const QString& code);

} // namespace VQSpeechLanguage
