#include "VQSpeechLanguage.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace VQSpeechLanguage {

namespace {

// The writing systems a text is told apart by, as the locales name them.
QLocale::Script scriptOf(QChar::Script script)
{
    static const QHash<int, QLocale::Script> kScripts = {
        {QChar::Script_Han, QLocale::HanScript},
        {QChar::Script_Hiragana, QLocale::JapaneseScript},
        {QChar::Script_Katakana, QLocale::JapaneseScript},
        {QChar::Script_Hangul, QLocale::KoreanScript},
        {QChar::Script_Latin, QLocale::LatinScript},
        {QChar::Script_Arabic, QLocale::ArabicScript},
        {QChar::Script_Cyrillic, QLocale::CyrillicScript},
        {QChar::Script_Greek, QLocale::GreekScript},
        {QChar::Script_Hebrew, QLocale::HebrewScript},
        {QChar::Script_Thai, QLocale::ThaiScript},
        {QChar::Script_Lao, QLocale::LaoScript},
        {QChar::Script_Khmer, QLocale::KhmerScript},
        {QChar::Script_Myanmar, QLocale::MyanmarScript},
        {QChar::Script_Tibetan, QLocale::TibetanScript},
        {QChar::Script_Devanagari, QLocale::DevanagariScript},
        {QChar::Script_Bengali, QLocale::BanglaScript},
        {QChar::Script_Gurmukhi, QLocale::GurmukhiScript},
        {QChar::Script_Gujarati, QLocale::GujaratiScript},
        {QChar::Script_Tamil, QLocale::TamilScript},
        {QChar::Script_Telugu, QLocale::TeluguScript},
        {QChar::Script_Kannada, QLocale::KannadaScript},
        {QChar::Script_Malayalam, QLocale::MalayalamScript},
        {QChar::Script_Sinhala, QLocale::SinhalaScript},
        {QChar::Script_Georgian, QLocale::GeorgianScript},
        {QChar::Script_Armenian, QLocale::ArmenianScript},
        {QChar::Script_Ethiopic, QLocale::EthiopicScript},
    };
    return kScripts.value(int(script), QLocale::AnyScript);
}

bool isHan(QLocale::Script script)
{
    return script == QLocale::HanScript || script == QLocale::SimplifiedHanScript || script == QLocale::TraditionalHanScript;
}

// Whether a language written in `written` may read text of the script `text`.
bool writes(QLocale::Script written, QLocale::Script text)
{
    if (text == QLocale::HanScript)
        return isHan(written) || written == QLocale::JapaneseScript;
    return written == text;
}

} // namespace

QLocale localeOf(const QString& language)
{
    if (language.isEmpty())
        return QLocale::system();
    QStringList parts = language.split(QRegularExpression(QStringLiteral("[-_]")), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QLocale::system();
    parts[0] = parts[0].toLower();
    for (qsizetype i = 1; i < parts.size(); ++i)
        parts[i] = parts[i].size() == 2 ? parts[i].toUpper() : parts[i];
    return QLocale(parts.join(QLatin1Char('_')));
}

QLocale languageOf(const QString& text, const QString& requested)
{
    QHash<int, int> letters;
    for (const QChar c : text) {
        if (!c.isLetter())
            continue;
        const QLocale::Script script = scriptOf(c.script());
        if (script != QLocale::AnyScript)
            ++letters[int(script)];
    }
    const QLocale asked = localeOf(requested);
    if (letters.isEmpty())
        return asked;
    // Kana make Chinese characters Japanese; any CJK character decides over Latin words.
    QLocale::Script script = QLocale::AnyScript;
    if (letters.contains(QLocale::JapaneseScript))
        script = QLocale::JapaneseScript;
    else if (letters.contains(QLocale::KoreanScript))
        script = QLocale::KoreanScript;
    else if (letters.contains(QLocale::HanScript))
        script = QLocale::HanScript;
    else
        script = QLocale::Script(std::max_element(letters.cbegin(), letters.cend()).key());
    for (const QLocale& candidate : {asked, QLocale::system()}) {
        if (candidate.language() != QLocale::C && writes(candidate.script(), script))
            return candidate;
    }
    if (script == QLocale::LatinScript)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(QLocale::AnyLanguage, script == QLocale::HanScript ? QLocale::SimplifiedHanScript : script, QLocale::AnyTerritory);
}

QLocale localeOfVoiceLanguage(const QString& code)
{
    QStringList parts = code.toLower().split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QLocale::c();
    // Members of a macrolanguage that the locales know only by the macrolanguage.
    if (parts.first() == QLatin1String("cmn"))
        parts.first() = QStringLiteral("zh");
    // A script subtag ("latn" of "cmn-latn-pinyin") reads the language in another script.
    if (parts.size() > 1 && parts.at(1).size() == 4)
        return QLocale::c();
    const QLocale locale(parts.size() > 1 ? parts.first() + QLatin1Char('_') + parts.at(1).toUpper() : parts.first());
    return locale.language() == QLocale::C ? QLocale::c() : locale;
}

} // namespace VQSpeechLanguage
