#include "QRNLocalizedString.h"

#include "MMLog.h"
#include "VQLanguageManager.h"

#include <QLocale>
#include <QMutex>
#include <QTranslator>

#include <array>
#include <memory>

namespace {

const char* const kTranslationFolder = ":/i18n/";
const char* const kTranslationPrefix = "vq_";
const char* const kTranslationSuffix = ".qm";

// The translators loaded so far, one per UI language; a language whose file cannot be loaded is
// remembered too, so it is tried once.
struct TranslatorCache {
    QMutex mutex;
    std::array<std::unique_ptr<QTranslator>, VQLanguageManager::uiLanguageCount> translators;
    std::array<bool, VQLanguageManager::uiLanguageCount> tried{};
    bool systemIndexKnown = false;
    int systemIndex = -1;
};

TranslatorCache& cache()
{
    static TranslatorCache instance;
    return instance;
}

// The first of the system's preferred UI languages that is one of ours; -1 when none is.
int systemUiLanguageIndex()
{
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString& name : languages) {
        const int index = VQLanguageManager::uiLanguageIndexForLocale(QLocale(name));
        if (index >= 0)
            return index;
    }
    return -1;
}

// The translator of the UI language; null when its file is missing. Call with the cache locked.
QTranslator* translatorFor(TranslatorCache& c, int index)
{
    if (!c.tried[index]) {
        c.tried[index] = true;
        auto translator = std::make_unique<QTranslator>();
        const QString file = QString::fromLatin1(kTranslationFolder) + QString::fromLatin1(kTranslationPrefix)
                             + VQLanguageManager::uiLanguageCodes().at(index).toLower()
                             + QString::fromLatin1(kTranslationSuffix);
        if (translator->load(file))
            c.translators[index] = std::move(translator);
        else
            VQLogWarn(QStringLiteral("UI strings of %1 cannot be loaded").arg(file));
    }
    return c.translators[index].get();
}

} // namespace

QString QRNLocalizedString::qrnAppLocalizedString(const QString& key)
{
    if (key.isEmpty())
        return key;
    TranslatorCache& c = cache();
    QMutexLocker lock(&c.mutex);
    int index = VQLanguageManager::sharedInstance().uiLanguageIndex();
    if (index < 0 || index >= VQLanguageManager::uiLanguageCount) {
        if (!c.systemIndexKnown) {
            c.systemIndex = systemUiLanguageIndex();
            c.systemIndexKnown = true;
        }
        index = c.systemIndex;
        if (index < 0)
            return key;
    }
    const QTranslator* translator = translatorFor(c, index);
    if (translator == nullptr)
        return key;
    const QString text = translator->translate(context, key.toUtf8().constData());
    return text.isEmpty() ? key : text;
}
