#pragma once

#include "VQNetBaseScene.h"

#include <QString>

// Translates a text: GET "/translate" on the maker's API with "appkey" (the application key
// when the scene is made), "from", "to" and "text"; the result is the reply's data, whose
// "text" is the text translated and "transText" the translation. The codes are sent as set.
class VQTranslateScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/translate";

    VQTranslateScene();

    // The source language code.
    QString fromLanguage() const { return m_fromLanguage; }
    void setFromLanguage(const QString& fromLanguage) { m_fromLanguage = fromLanguage; }

    // The target language code.
    QString toLanguage() const { return m_toLanguage; }
    void setToLanguage(const QString& toLanguage) { m_toLanguage = toLanguage; }

    // The text to translate.
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

protected:
    ParameterList sceneParameters() const override;

private:
    QString m_fromLanguage;
    QString m_toLanguage;
    QString m_text;
    QString m_appKey;
};
