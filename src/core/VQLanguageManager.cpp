#include "VQLanguageManager.h"

#include "QRNLocalizedString.h"
#include "UserDefaults.h"

#include <QVariantMap>

#include <array>
#include <cmath>
#include <optional>
#include <limits>

namespace {

// UI texts.
const char* const kAutoDetectText = "自动检测";
const char* const kBaiduText = "百度";
const char* const kGoogleText = "谷歌";
const char* const kYahooText = "雅虎";

// Display-name keys by UI language index.
constexpr std::array<const char*, VQLanguageManager::uiLanguageCount> kNameKeys = {
    "name", "nameTw", "nameEn", "nameJp", "nameVi_vn", "nameRu_ru", "nameAr_sa", "nameDe_de", "nameEs_es",
    "nameFr_fr", "nameId_id", "nameIt_it", "nameKo_kr", "nameTr_tr", "nameTh_th", "nameFil_ph", "nameMay_may",
};

// One built-in translation target: its code and its display name per UI language, in the order of kNameKeys.
struct BuiltInLanguage {
    const char* code;
    std::array<const char*, VQLanguageManager::uiLanguageCount> names;
};

const BuiltInLanguage kBuiltInTargets[] = {
    {"ZH_CN",
     {"简体中文", "簡體中文", "Chinese (Simplified)", "中国語(簡体字)", "Tiếng Trung (Giản thể)",
      "Китайский (упрощённый)", "الصينية (المبسطة)", "Chinesisch (vereinfacht)", "Chino (simplificado)",
      "Chinois (simplifié)", "Tionghoa (Sederhana)", "Cinese (semplificato)", "중국어(간체)",
      "Çince (Basitleştirilmiş)", "จีน (ตัวย่อ)", "Tsino (Pinasimple)", "Cina (Ringkas)"}},
    {"KO_KR",
     {"韩语", "韓語", "Korean", "韓国語", "Tiếng Hàn", "Корейский", "الكورية", "Koreanisch", "Coreano", "Coréen",
      "Korea", "Coreano", "한국어", "Korece", "เกาหลี", "Koreano", "Korea"}},
    {"ZH_TW",
     {"繁体中文", "繁體中文", "Chinese (Traditional)", "中国語(繁体字)", "Tiếng Trung (Phồn thể)",
      "Китайский (традиционный)", "الصينية (التقليدية)", "Chinesisch (traditionell)", "Chino (tradicional)",
      "Chinois (traditionnel)", "Tionghoa (Tradisional)", "Cinese (tradizionale)", "중국어(번체)",
      "Çince (Geleneksel)", "จีน (ตัวเต็ม)", "Tsino (Tradisyonal)", "Cina (Tradisional)"}},
    {"ZH_SC",
     {"四川话", "四川話", "Sichuanese", "四川語", "Tiếng Tứ Xuyên", "Сычуаньский", "السيتشوانية", "Sichuanisch",
      "Sichuanés", "Sichuanais", "Bahasa Sichuan", "Sichuanese", "쓰촨어", "Sichuan dili", "ภาษาเสฉวน",
      "Sichuanese", "Bahasa Sichuan"}},
    {"ZH_GD",
     {"粤语", "粵語", "Cantonese", "広東語", "Tiếng Quảng Đông", "Кантонский", "الكانتونية", "Kantonesisch",
      "Cantonés", "Cantonais", "Kanton", "Cantonese", "광둥어", "Kantonca", "กวางตุ้ง", "Cantonese", "Kantonis"}},
    {"EN_US",
     {"英语", "英語", "English", "英語", "Tiếng Anh", "Английский", "الإنجليزية", "Englisch", "Inglés", "Anglais",
      "Inggris", "Inglese", "영어", "İngilizce", "อังกฤษ", "Ingles", "Inggeris"}},
};

QVariantList builtInTargetList()
{
    QVariantList list;
    for (const BuiltInLanguage& language : kBuiltInTargets) {
        QVariantMap entry;
        entry.insert(QString::fromLatin1(VQLanguageManager::codeKey), QString::fromLatin1(language.code));
        for (int i = 0; i < VQLanguageManager::uiLanguageCount; ++i)
            entry.insert(QString::fromLatin1(kNameKeys[i]), QString::fromUtf8(language.names[i]));
        list.append(entry);
    }
    return list;
}

// The whole number a stored value holds: an integer, or a double without a fraction. Texts and
// flags are no index.
std::optional<qint64> wholeNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return value.toLongLong();
    case QMetaType::ULongLong:
        return value.toULongLong() <= quint64(std::numeric_limits<qint64>::max()) ? std::optional<qint64>(value.toLongLong())
                                                                                   : std::nullopt;
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::floor(number) == number && std::fabs(number) < 1e15)
            return qint64(number);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// An index persisted under the key, or the fallback when the key holds nothing usable.
int storedIndex(const char* key, int fallback)
{
    const std::optional<qint64> value = wholeNumber(UserDefaults::standard().objectForKey(QString::fromLatin1(key)));
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return fallback;
    return int(*value);
}

// The "code" of the entry at the index ("" for an entry without one); the default code past the end.
QString codeAt(const QVariantList& list, int index)
{
    if (index < 0 || index >= list.size())
        return QString::fromLatin1(VQLanguageManager::defaultLanguageCode);
    return list.at(index).toMap().value(QString::fromLatin1(VQLanguageManager::codeKey)).toString();
}

// One display name per entry: the name for the UI language, else "name", else "".
QStringList namesOf(const QVariantList& list, int uiLanguageIndex)
{
    const QString key = VQLanguageManager::nameKeyForUiLanguageIndex(uiLanguageIndex);
    const QString plainKey = QString::fromLatin1(VQLanguageManager::nameKey);
    QStringList names;
    names.reserve(list.size());
    for (const QVariant& item : list) {
        const QVariantMap entry = item.toMap();
        QString name = entry.value(key).toString();
        if (name.isEmpty())
            name = entry.value(plainKey).toString();
        names.append(name);
    }
    return names;
}

} // namespace

VQLanguageManager::VQLanguageManager()
{
    load();
}

VQLanguageManager& VQLanguageManager::sharedInstance()
{
    static VQLanguageManager manager;
    return manager;
}

void VQLanguageManager::resetForTests()
{
    VQLanguageManager& manager = sharedInstance();
    manager.m_searchEngineNames.clear();
    manager.load();
}

void VQLanguageManager::load()
{
    m_uiLanguageIndex = storedIndex(uiLanguageIndexKey, 0);
    m_audioLanguageIndex = storedIndex(audioLanguageIndexKey, 0);
    // The lists last received stand in for the server's until these come.
    m_audioLanguageArr = UserDefaults::standard().arrayForKey(QString::fromLatin1(audioLanguageArrKey));
    m_screenshotsTranslateFromLanguageArray = UserDefaults::standard().arrayForKey(QString::fromLatin1(screenshotsFromLanguageArrKey));
    m_toLanguageArr = UserDefaults::standard().arrayForKey(QString::fromLatin1(toLanguageArrKey));
    m_toLanguageIndex = storedIndex(toLanguageIndexKey, 3);
    m_fromWordInputTag = storedIndex(VQ_From_Word_Input_Key, 0);
    m_wordInputTag = storedIndex(VQ_Word_Input_Key, 0);
    m_screenshotsFromTag = storedIndex(VQ_ScreenshotsFromTag_Key, 0);
    m_screenshotsTag = storedIndex(VQ_ScreenshotsTag_Key, 1);
    m_searchEngineTag = storedIndex(VQ_Search_Engine_Key, 0);
}

void VQLanguageManager::storeIndex(int& held, int value, const char* key)
{
    if (value == held)
        return;
    held = value;
    // The store writes its file from the event loop, once per burst of changes.
    UserDefaults::standard().setValue(QString::fromLatin1(key), qint64(value));
}

void VQLanguageManager::storeList(QVariantList& held, const QVariantList& list, const char* key)
{
    if (list == held)
        return;
    held = list;
    UserDefaults::standard().setValue(QString::fromLatin1(key), list);
}

bool VQLanguageManager::isUiLanguageIndexValue(const QVariant& value)
{
    const std::optional<qint64> index = wholeNumber(value);
    return index && *index >= 0 && *index < uiLanguageCodes().size();
}

const QStringList& VQLanguageManager::uiLanguageCodes()
{
    static const QStringList codes = {
        QStringLiteral("ZH_CN"), QStringLiteral("ZH_TW"), QStringLiteral("EN_US"), QStringLiteral("JA_JP"),
        QStringLiteral("VI_VN"), QStringLiteral("RU_RU"), QStringLiteral("AR_EG"), QStringLiteral("DE_DE"),
        QStringLiteral("ES_ES"), QStringLiteral("FR_FR"), QStringLiteral("ID_ID"), QStringLiteral("IT_IT"),
        QStringLiteral("KO_KR"), QStringLiteral("TR_TR"), QStringLiteral("TH_TH"), QStringLiteral("FIL_PH"),
        QStringLiteral("MAY_MAY"),
    };
    return codes;
}

QString VQLanguageManager::nameKeyForUiLanguageIndex(int index)
{
    if (index < 0)
        index = 0;
    if (index >= uiLanguageCount)
        index = uiLanguageCount - 1;
    return QString::fromLatin1(kNameKeys[index]);
}

int VQLanguageManager::uiLanguageIndexForLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Chinese: {
        if (locale.script() == QLocale::TraditionalChineseScript)
            return 1;
        const QLocale::Territory territory = locale.territory();
        if (locale.script() != QLocale::SimplifiedChineseScript
            && (territory == QLocale::Taiwan || territory == QLocale::HongKong || territory == QLocale::Macao))
            return 1;
        return 0;
    }
    case QLocale::English:
        return 2;
    case QLocale::Japanese:
        return 3;
    case QLocale::Vietnamese:
        return 4;
    case QLocale::Russian:
        return 5;
    case QLocale::Arabic:
        return 6;
    case QLocale::German:
        return 7;
    case QLocale::Spanish:
        return 8;
    case QLocale::French:
        return 9;
    case QLocale::Indonesian:
        return 10;
    case QLocale::Italian:
        return 11;
    case QLocale::Korean:
        return 12;
    case QLocale::Turkish:
        return 13;
    case QLocale::Thai:
        return 14;
    case QLocale::Filipino:
        return 15;
    case QLocale::Malay:
        return 16;
    default:
        return -1;
    }
}

int VQLanguageManager::uiLanguageIndex() const
{
    return m_uiLanguageIndex.load(std::memory_order_relaxed);
}

void VQLanguageManager::setUiLanguageIndex(int index)
{
    if (index == m_uiLanguageIndex.load(std::memory_order_relaxed))
        return;
    m_uiLanguageIndex = index;
    // Names cached in the old language must not outlive it, also when a caller forgets shouldRefreshData.
    m_searchEngineNames.clear();
    UserDefaults::standard().setValue(QString::fromLatin1(uiLanguageIndexKey), qint64(index));
}

QString VQLanguageManager::readUILanguageCode()
{
    int index = uiLanguageIndex();
    if (index < 0 || index >= uiLanguageCount) {
        setUiLanguageIndex(0);
        index = 0;
    }
    return uiLanguageCodes().at(index);
}

void VQLanguageManager::shouldRefreshData()
{
    m_searchEngineNames.clear();
    readSearchEngineNameList();
}

QVariantList VQLanguageManager::audioLanguageArr() const
{
    return m_audioLanguageArr;
}

void VQLanguageManager::setAudioLanguageArr(const QVariantList& list)
{
    storeList(m_audioLanguageArr, list, audioLanguageArrKey);
}

int VQLanguageManager::audioLanguageIndex() const
{
    return m_audioLanguageIndex < m_audioLanguageArr.size() ? m_audioLanguageIndex : 0;
}

void VQLanguageManager::setAudioLanguageIndex(int index)
{
    if (index < 0)
        return;
    storeIndex(m_audioLanguageIndex, index, audioLanguageIndexKey);
}

QStringList VQLanguageManager::readAudioLanguageNameList() const
{
    return namesOf(m_audioLanguageArr, uiLanguageIndex());
}

QString VQLanguageManager::readAudioLanguageCode() const
{
    return codeAt(m_audioLanguageArr, audioLanguageIndex());
}

QVariantList VQLanguageManager::toLanguageArr() const
{
    if (!m_toLanguageArr.isEmpty())
        return m_toLanguageArr;
    static const QVariantList builtIn = builtInTargetList();
    return builtIn;
}

void VQLanguageManager::setToLanguageArr(const QVariantList& list)
{
    storeList(m_toLanguageArr, list, toLanguageArrKey);
}

int VQLanguageManager::toLanguageIndex() const
{
    return m_toLanguageIndex;
}

void VQLanguageManager::setToLanguageIndex(int index)
{
    if (index < 0)
        return;
    storeIndex(m_toLanguageIndex, index, toLanguageIndexKey);
}

QStringList VQLanguageManager::readToLanguageNameList() const
{
    return namesOf(toLanguageArr(), uiLanguageIndex());
}

QString VQLanguageManager::readToLanguageCode() const
{
    return codeAt(toLanguageArr(), m_toLanguageIndex);
}

QVariantList VQLanguageManager::hyperTranslateLanguageArray() const
{
    return toLanguageArr();
}

QVariantList VQLanguageManager::hyperTranslateFromLanguageArray() const
{
    return toLanguageArr();
}

QVariantList VQLanguageManager::screenshotsTranslateLanguageArray() const
{
    return toLanguageArr();
}

QVariantList VQLanguageManager::screenshotsTranslateFromLanguageArray() const
{
    return m_screenshotsTranslateFromLanguageArray;
}

void VQLanguageManager::setScreenshotsTranslateFromLanguageArray(const QVariantList& list)
{
    storeList(m_screenshotsTranslateFromLanguageArray, list, screenshotsFromLanguageArrKey);
}

int VQLanguageManager::fromWordInputTag() const
{
    return m_fromWordInputTag;
}

void VQLanguageManager::setFromWordInputTag(int tag)
{
    if (tag < 0)
        return;
    storeIndex(m_fromWordInputTag, tag, VQ_From_Word_Input_Key);
}

int VQLanguageManager::wordInputTag() const
{
    return m_wordInputTag;
}

void VQLanguageManager::setWordInputTag(int tag)
{
    if (tag < 0)
        return;
    storeIndex(m_wordInputTag, tag, VQ_Word_Input_Key);
}

int VQLanguageManager::screenshotsFromTag() const
{
    return m_screenshotsFromTag;
}

void VQLanguageManager::setScreenshotsFromTag(int tag)
{
    if (tag < 0)
        return;
    storeIndex(m_screenshotsFromTag, tag, VQ_ScreenshotsFromTag_Key);
}

int VQLanguageManager::screenshotsTag() const
{
    return m_screenshotsTag;
}

void VQLanguageManager::setScreenshotsTag(int tag)
{
    if (tag < 0)
        return;
    storeIndex(m_screenshotsTag, tag, VQ_ScreenshotsTag_Key);
}

QString VQLanguageManager::readFromHyperTranslateLanguageCode() const
{
    if (m_fromWordInputTag == 0)
        return QString::fromLatin1(autoLanguageCode);
    // Entry 0 is "auto"; the entries of the source list follow it.
    const QVariantList sources = hyperTranslateFromLanguageArray();
    if (m_fromWordInputTag < 0 || m_fromWordInputTag > sources.size())
        return QString::fromLatin1(defaultLanguageCode);
    return codeAt(sources, m_fromWordInputTag - 1);
}

QString VQLanguageManager::readToHyperTranslateLanguageCode() const
{
    return codeAt(hyperTranslateLanguageArray(), m_wordInputTag);
}

QString VQLanguageManager::readToScreenshotsTranslateFromLanguageCode() const
{
    return codeAt(m_screenshotsTranslateFromLanguageArray, m_screenshotsFromTag);
}

QString VQLanguageManager::readToScreenshotsTranslateLanguageCode() const
{
    return codeAt(screenshotsTranslateLanguageArray(), m_screenshotsTag);
}

QStringList VQLanguageManager::readFromWordInputNameList() const
{
    QStringList names = readToLanguageNameList();
    names.prepend(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kAutoDetectText)));
    return names;
}

QStringList VQLanguageManager::readWordInputNameList() const
{
    return readToLanguageNameList();
}

QStringList VQLanguageManager::readScreenshotsNameList() const
{
    return readToLanguageNameList();
}

QStringList VQLanguageManager::readScreenshotsFromNameList() const
{
    return namesOf(m_screenshotsTranslateFromLanguageArray, uiLanguageIndex());
}

QStringList VQLanguageManager::readSearchEngineNameList()
{
    if (m_searchEngineNames.isEmpty()) {
        for (const char* text : {kBaiduText, kGoogleText, kYahooText})
            m_searchEngineNames.append(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(text)));
    }
    return m_searchEngineNames;
}

int VQLanguageManager::searchEngineTag() const
{
    return m_searchEngineTag;
}

void VQLanguageManager::setSearchEngineTag(int tag)
{
    if (tag < 0)
        return;
    storeIndex(m_searchEngineTag, tag, VQ_Search_Engine_Key);
}
