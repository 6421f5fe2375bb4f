#pragma once

#include "VQVoiceCommandItem.h"

#include <QList>
#include <QString>

// The connected device's hot words: the "phrase" rows of the custom command table
// (VQCommandViewModel keeps the table and loads both lists). Main thread only.
class VQHotWordViewModel {
public:
    static VQHotWordViewModel& sharedInstance();

    // The hot words; when the custom list is not loaded, first loaded (with it) from the custom
    // table, in table order.
    QList<VQVoiceCommandItem>& hotWordListArray();
    // The hot words as held, without loading.
    QList<VQVoiceCommandItem>& hotWordList() { return m_hotWordList; }
    const QList<VQVoiceCommandItem>& hotWordList() const { return m_hotWordList; }

    // The hot words for the recognition frames: each item's customCmd, unchanged and in order,
    // joined with ","; an empty text adds nothing while nothing has been gathered yet, and an
    // empty list gives "".
    QString getLocalHotWordListString();

    // The hot words as the store received them, also while the table cannot take them.
    void setHotWordList(const QList<VQVoiceCommandItem>& list) { m_hotWordList = list; }

    // Tests only: empties the list.
    static void resetForTests();

private:
    VQHotWordViewModel() = default;

    QList<VQVoiceCommandItem> m_hotWordList;
};
