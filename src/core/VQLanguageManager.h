#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <atomic>

// The language tables: the UI languages, the speech-recognition, translation and
// screenshot-recognition language lists, the search engines, and the selected index of each.
//
// A language list is a QVariantList of QVariantMap entries: "code" holds the code sent to the
// services ("ZH_CN", "EN_US", ...), one name key per UI language holds the display name
// ("name" for UI language 0, "nameTw" for 1, ... "nameMay_may" for 16), and a
// speech-recognition entry may carry "formatSize".
//
// Selected indexes are persisted in the standard user defaults; each setter stores only when the
// value changes (the store writes its file from the event loop). The lists set from the server
// (recognition, translation targets, text recognition) are kept there too: at start, before the
// server's come (a start without the network, or without a device), the lists last received are
// the defaults, so a choice made in them holds. Used on the main thread, except uiLanguageIndex(),
// which may be read from any thread.
class VQLanguageManager {
public:
    // User-defaults keys.
    static constexpr char uiLanguageIndexKey[] = "uiLanguageIndexKey";
    // True when a stored value is a whole number indexing uiLanguageCodes().
    static bool isUiLanguageIndexValue(const QVariant& value);
    static constexpr char audioLanguageIndexKey[] = "audioLanguageIndexKey";
    static constexpr char toLanguageIndexKey[] = "toLanguageIndexKey";
    static constexpr char toLanguageArrKey[] = "toLanguageArrKey";
    static constexpr char audioLanguageArrKey[] = "audioLanguageArrKey";
    static constexpr char screenshotsFromLanguageArrKey[] = "screenshotsFromLanguageArrKey";
    static constexpr char VQ_From_Word_Input_Key[] = "VQ_From_Word_Input_Key";
    static constexpr char VQ_Word_Input_Key[] = "VQ_Word_Input_Key";
    static constexpr char VQ_ScreenshotsFromTag_Key[] = "VQ_ScreenshotsFromTag_Key";
    static constexpr char VQ_ScreenshotsTag_Key[] = "VQ_ScreenshotsTag_Key";
    static constexpr char VQ_Search_Engine_Key[] = "VQ_Search_Engine_Key";

    // Keys of a language list entry (the display-name keys are listed by nameKeyForUiLanguageIndex).
    static constexpr char codeKey[] = "code";
    static constexpr char nameKey[] = "name";
    static constexpr char formatSizeKey[] = "formatSize";

    // The code read when a list has no entry at the selected index.
    static constexpr char defaultLanguageCode[] = "ZH_CN";
    // The code of the "auto detect" entry in front of the selected-text source list.
    static constexpr char autoLanguageCode[] = "auto";

    static constexpr int uiLanguageCount = 17;

    static VQLanguageManager& sharedInstance();
    // Tests only: drops the cached names, and reads every persisted index and list from the
    // standard user defaults again.
    static void resetForTests();

    // The 17 UI language codes by index: "ZH_CN", "ZH_TW", "EN_US", ... "MAY_MAY".
    static const QStringList& uiLanguageCodes();
    // The display-name key of a UI language: "name" for 0 (and below), "nameMay_may" for 16 and above.
    static QString nameKeyForUiLanguageIndex(int index);
    // The UI language index whose language the locale speaks (Chinese in the traditional script, or
    // of Taiwan, Hong Kong or Macao, is 1); -1 when none of the 17 fits.
    static int uiLanguageIndexForLocale(const QLocale& locale);

    // UI language.
    int uiLanguageIndex() const;
    void setUiLanguageIndex(int index);
    // The code of the UI language; an index outside 0-16 is reset to 0 (and stored) first.
    QString readUILanguageCode();
    // Rebuilds the cached name lists after a change of UI language. Call it before posting
    // "kUpdateTitleNotification".
    void shouldRefreshData();

    // Speech recognition: the server's list (the one last received until it comes; empty on a
    // first start) and the selected entry.
    QVariantList audioLanguageArr() const;
    void setAudioLanguageArr(const QVariantList& list);
    // The selected entry, or 0 while the held index is at or beyond the end of the list. The held
    // (and stored) index is kept, so a choice saved earlier comes back once the list arrives.
    int audioLanguageIndex() const;
    // Negative indexes (an emptied pop-up) are ignored.
    void setAudioLanguageIndex(int index);
    QStringList readAudioLanguageNameList() const;
    QString readAudioLanguageCode() const;

    // Translation targets: the server's list cached under "toLanguageArrKey", else six built-in entries.
    QVariantList toLanguageArr() const;
    void setToLanguageArr(const QVariantList& list);
    // The held index, unchecked (3 when never chosen).
    int toLanguageIndex() const;
    void setToLanguageIndex(int index);
    QStringList readToLanguageNameList() const;
    QString readToLanguageCode() const;

    // Selected-text ("hyper") and screenshot translation lists; the target lists are toLanguageArr().
    QVariantList hyperTranslateLanguageArray() const;
    QVariantList hyperTranslateFromLanguageArray() const;
    QVariantList screenshotsTranslateLanguageArray() const;
    // Text-recognition languages of screenshots: the server's list (the one last received until
    // it comes; empty on a first start).
    QVariantList screenshotsTranslateFromLanguageArray() const;
    void setScreenshotsTranslateFromLanguageArray(const QVariantList& list);

    int fromWordInputTag() const;
    void setFromWordInputTag(int tag);
    int wordInputTag() const;
    void setWordInputTag(int tag);
    int screenshotsFromTag() const;
    void setScreenshotsFromTag(int tag);
    int screenshotsTag() const;
    void setScreenshotsTag(int tag);

    // The selected-text source: "auto" in front of hyperTranslateFromLanguageArray(), at fromWordInputTag.
    QString readFromHyperTranslateLanguageCode() const;
    QString readToHyperTranslateLanguageCode() const;
    QString readToScreenshotsTranslateFromLanguageCode() const;
    QString readToScreenshotsTranslateLanguageCode() const;

    // The localised "自动检测" followed by readToLanguageNameList().
    QStringList readFromWordInputNameList() const;
    QStringList readWordInputNameList() const;
    QStringList readScreenshotsNameList() const;
    QStringList readScreenshotsFromNameList() const;

    // Web search engines, in the order of searchEngineTag: the localised "百度", "谷歌", "雅虎".
    QStringList readSearchEngineNameList();
    int searchEngineTag() const;
    void setSearchEngineTag(int tag);

private:
    VQLanguageManager();
    void load();

    // Stores the value under the key when it differs from the held one.
    static void storeIndex(int& held, int value, const char* key);
    static void storeList(QVariantList& held, const QVariantList& list, const char* key);

    std::atomic<int> m_uiLanguageIndex{0};
    QVariantList m_audioLanguageArr;
    int m_audioLanguageIndex = 0;
    QVariantList m_toLanguageArr;
    int m_toLanguageIndex = 3;
    QVariantList m_screenshotsTranslateFromLanguageArray;
    int m_fromWordInputTag = 0;
    int m_wordInputTag = 0;
    int m_screenshotsFromTag = 0;
    int m_screenshotsTag = 1;
    int m_searchEngineTag = 0;
    QStringList m_searchEngineNames; // empty until first read after a refresh
};
