#pragma once

#include "VQVoiceCommandItem.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

// Voice-command matching over one command list, in time that follows the length of the text,
// not the number of commands times it. The rule is the plain scan's
// (VQAudioMonitorService::searchCmdFromCommandArr): the first command in list order whose word
// (customCmd, else cmdWord; an empty word never matches) equals the text ignoring case, or
// occurs in it case-sensitively.
//
// The index of a list: an automaton over every command word (each state knowing the earliest
// command whose word ends there) finds the contained words in one pass over the text, and a
// table of the words' hashes folded for case, as QString's case-insensitive comparison folds
// them, finds the equal one. Both are flat arrays of numbers: 14 bytes for each character of a
// word past the beginning it shares with another word, and 12 to 24 bytes per command; the index
// keeps no text (an equal word is confirmed against the list). It is built on a worker thread of
// the global pool when the list changes (prepare, called by whoever changes or reads the list),
// which for 100,000 commands takes a tenth of a second; the index in use stays until the new one
// is ready, and the one replaced is freed on a worker too. An index keeps a shallow copy of its
// list, so any change of the list detaches it from the copy and the list needs a new index.
//
// Main thread only (as the command store). The worker copies the words out of its shallow copy
// of the list once, only reading them, and builds from its own copy.
class VQCommandMatcher {
public:
    VQCommandMatcher();
    ~VQCommandMatcher();
    VQCommandMatcher(const VQCommandMatcher&) = delete;
    VQCommandMatcher& operator=(const VQCommandMatcher&) = delete;

    // Starts indexing the list on a worker, unless its index is ready or on its way. Never waits.
    void prepare(const QList<VQVoiceCommandItem>& commands);
    // Whether the index of this very list (not a copy changed since) is ready.
    bool isIndexFor(const QList<VQVoiceCommandItem>& commands) const;

    // The first matching command of the list, or null; the text is trimmed already (see
    // VQAudioMonitorService::trimmedCommandText). The pointer is into the list. Through the index
    // when it is ready; otherwise the list is scanned here, in time that follows the number of
    // commands, and its index is asked for: a caller that must not wait asks isIndexFor first.
    const VQVoiceCommandItem* match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText);

    // Commands the index in use holds (the list it was built for).
    qsizetype indexedCount() const;

private:
    struct Index;

    std::shared_ptr<const Index> m_index;
    // The list being indexed (empty when none is), held so that its data cannot be freed and
    // made again in its place.
    QList<VQVoiceCommandItem> m_building;
    quint64 m_generation = 0;
    // Expires with the matcher: an index that arrives later is dropped.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};
