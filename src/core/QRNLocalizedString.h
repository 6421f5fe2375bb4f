#pragma once

#include <QString>

// UI strings. The keys are the Chinese texts themselves; the translations are the compiled Qt
// Linguist files of the 17 UI languages, embedded as ":/i18n/vq_<code>.qm" (context
// "QRNLocalizedString").
class QRNLocalizedString {
public:
    // The translation context of every UI string.
    static constexpr char context[] = "QRNLocalizedString";

    // The text of the key in the UI language chosen by VQLanguageManager::uiLanguageIndex(); with an
    // index outside 0-16, in the first of the system's UI languages that has a translation. A key
    // without a text comes back unchanged. Each language's file is loaded on first use and kept.
    static QString qrnAppLocalizedString(const QString& key);
};
