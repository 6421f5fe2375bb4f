#pragma once

#include "VQVoiceCommandItem.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// Voice-command matching over one command list, in time that follows the length of the text,
// not the number of commands times it. The rule is the plain scan's
// (VQAudioMonitorService::searchCmdFromCommandArr): the first command in list order whose word
// (customCmd, else cmdWord; an empty word never matches) equals the text ignoring case, or
// occurs in it case-sensitively.
//
// The list is indexed at its first match: an automaton over every command word (each state
// knowing the earliest command whose word ends there) finds the contained words in one pass
// over the text, and a table keyed by the words folded for case, as QString's case-insensitive
// comparison folds them, finds the equal one. The index keeps a shallow copy of the list, so
// any change of the list detaches it from the copy and the next match indexes it again.
//
// Main thread only (as the command store).
class VQCommandMatcher {
public:
    // The first matching command of the list, or null; the text is trimmed already (see
    // VQAudioMonitorService::trimmedCommandText). The pointer is into the list.
    const VQVoiceCommandItem* match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText);

    // Commands the index holds (the list it was built for).
    qsizetype indexedCount() const { return m_list.size(); }

private:
    struct Edge {
        char16_t unit;
        int target;
    };
    struct State {
        int firstEdge = 0;
        int edgeCount = 0;
        int fail = 0;
        int earliest = -1; // the earliest command whose word is a suffix of this state's path
    };

    bool isIndexFor(const QList<VQVoiceCommandItem>& commands) const;
    void build(const QList<VQVoiceCommandItem>& commands);
    int step(int state, char16_t unit) const;
    int child(int state, char16_t unit) const;
    static QByteArray foldedKey(const QString& word);

    bool m_built = false;
    QList<VQVoiceCommandItem> m_list; // shares the indexed list's data while it is unchanged
    std::vector<State> m_states;
    std::vector<Edge> m_edges;
    QHash<QByteArray, int> m_firstByFoldedWord;
};
