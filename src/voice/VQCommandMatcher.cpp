#include "VQCommandMatcher.h"

#include <QChar>

#include <algorithm>
#include <string_view>

namespace {

const QString& wordOf(const VQVoiceCommandItem& command)
{
    return command.customCmd.isEmpty() ? command.cmdWord : command.customCmd;
}

std::u16string_view unitsOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

} // namespace

const VQVoiceCommandItem* VQCommandMatcher::match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText)
{
    if (commands.isEmpty() || trimmedText.isEmpty())
        return nullptr;
    if (!isIndexFor(commands))
        build(commands);

    int best = -1;
    int state = 0;
    for (const char16_t unit : unitsOf(trimmedText)) {
        state = step(state, unit);
        const int earliest = m_states[size_t(state)].earliest;
        if (earliest >= 0 && (best < 0 || earliest < best))
            best = earliest;
    }
    const int equal = m_firstByFoldedWord.value(foldedKey(trimmedText), -1);
    if (equal >= 0 && (best < 0 || equal < best)) {
        if (trimmedText.compare(wordOf(commands.at(equal)), Qt::CaseInsensitive) == 0) {
            best = equal;
        } else {
            // The key folds as QString's comparison does, so this is not reached; should the two
            // ever part, the plain scan decides.
            for (int i = 0; i < (best < 0 ? int(commands.size()) : best); ++i) {
                const QString& word = wordOf(commands.at(i));
                if (!word.isEmpty() && trimmedText.compare(word, Qt::CaseInsensitive) == 0) {
                    best = i;
                    break;
                }
            }
        }
    }
    return best >= 0 ? commands.constData() + best : nullptr;
}

bool VQCommandMatcher::isIndexFor(const QList<VQVoiceCommandItem>& commands) const
{
    // The copy shares the list's data; a change of either list detaches it onto new data.
    return m_built && m_list.size() == commands.size() && m_list.constData() == commands.constData();
}

QByteArray VQCommandMatcher::foldedKey(const QString& word)
{
    // Unit by unit as QString::compare(..., Qt::CaseInsensitive): a low surrogate after a high
    // one stands for the folded code point of the pair.
    QByteArray key;
    key.reserve(word.size() * qsizetype(sizeof(char32_t)));
    char32_t last = 0;
    for (const char16_t unit : unitsOf(word)) {
        char32_t ucs4 = unit;
        if (QChar::isLowSurrogate(ucs4) && QChar::isHighSurrogate(last))
            ucs4 = QChar::surrogateToUcs4(char16_t(last), unit);
        last = unit;
        const char32_t folded = QChar::toCaseFolded(ucs4);
        key.append(reinterpret_cast<const char*>(&folded), sizeof folded);
    }
    return key;
}

void VQCommandMatcher::build(const QList<VQVoiceCommandItem>& commands)
{
    m_list = commands;
    m_built = true;
    m_states.assign(1, State{});
    m_edges.clear();
    m_firstByFoldedWord.clear();

    std::vector<int> order;
    order.reserve(size_t(commands.size()));
    for (int i = 0; i < int(commands.size()); ++i) {
        const QString& word = wordOf(commands.at(i));
        if (word.isEmpty())
            continue;
        order.push_back(i);
        const QByteArray key = foldedKey(word);
        if (!m_firstByFoldedWord.contains(key))
            m_firstByFoldedWord.insert(key, i);
    }
    // The words in code-unit order, so each word shares its prefix with the one before it and a
    // state's children are made in the order of their units.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return unitsOf(wordOf(commands.at(a))) < unitsOf(wordOf(commands.at(b))); });

    struct MadeEdge {
        int parent;
        char16_t unit;
        int child;
    };
    std::vector<MadeEdge> made;
    std::vector<int> path{0}; // the states along the previous word
    std::u16string_view previous;
    for (const int index : order) {
        const std::u16string_view word = unitsOf(wordOf(commands.at(index)));
        const size_t common = size_t(std::mismatch(word.begin(), word.end(), previous.begin(), previous.end()).first - word.begin());
        path.resize(common + 1);
        for (size_t depth = common; depth < word.size(); ++depth) {
            const int state = int(m_states.size());
            m_states.emplace_back();
            made.push_back({path.back(), word[depth], state});
            path.push_back(state);
        }
        int& earliest = m_states[size_t(path.back())].earliest;
        if (earliest < 0 || index < earliest)
            earliest = index;
        previous = word;
    }

    // The edges grouped by their state, each group in unit order (the order they were made in).
    for (const MadeEdge& edge : made)
        ++m_states[size_t(edge.parent)].edgeCount;
    int first = 0;
    for (State& state : m_states) {
        state.firstEdge = first;
        first += state.edgeCount;
    }
    m_edges.resize(made.size());
    std::vector<int> filled(m_states.size(), 0);
    for (const MadeEdge& edge : made) {
        const State& parent = m_states[size_t(edge.parent)];
        m_edges[size_t(parent.firstEdge + filled[size_t(edge.parent)]++)] = {edge.unit, edge.child};
    }

    // Failure links breadth first: a state's failure is the longest proper suffix of its path
    // that is a path too; its earliest command takes in those of the suffixes.
    std::vector<int> queue;
    queue.reserve(m_states.size());
    const State& root = m_states[0];
    for (int e = root.firstEdge; e < root.firstEdge + root.edgeCount; ++e)
        queue.push_back(m_edges[size_t(e)].target);
    for (size_t head = 0; head < queue.size(); ++head) {
        const int u = queue[head];
        State& state = m_states[size_t(u)];
        const int inherited = m_states[size_t(state.fail)].earliest;
        if (inherited >= 0 && (state.earliest < 0 || inherited < state.earliest))
            state.earliest = inherited;
        for (int e = state.firstEdge; e < state.firstEdge + state.edgeCount; ++e) {
            const Edge edge = m_edges[size_t(e)];
            m_states[size_t(edge.target)].fail = step(m_states[size_t(u)].fail, edge.unit);
            queue.push_back(edge.target);
        }
    }
}

int VQCommandMatcher::child(int state, char16_t unit) const
{
    const State& s = m_states[size_t(state)];
    const auto begin = m_edges.begin() + s.firstEdge;
    const auto end = begin + s.edgeCount;
    const auto it = std::lower_bound(begin, end, unit, [](const Edge& edge, char16_t u) { return edge.unit < u; });
    return it != end && it->unit == unit ? it->target : -1;
}

int VQCommandMatcher::step(int state, char16_t unit) const
{
    for (;;) {
        const int next = child(state, unit);
        if (next >= 0)
            return next;
        if (state == 0)
            return 0;
        state = m_states[size_t(state)].fail;
    }
}
