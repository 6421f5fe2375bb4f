#include "VQCommandMatcher.h"

#include "RunOnMain.h"
#include "VQAudioMonitorService.h"

#include <QChar>
#include <QThreadPool>

#include <algorithm>
#include <string_view>
#include <utility>

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

// One list's index: built once on a worker, read only afterwards.
struct VQCommandMatcher::Index {
    QList<VQVoiceCommandItem> list; // shares the indexed list's data while it is unchanged

    void build(const QList<VQVoiceCommandItem>& commands);
    // The position of the first matching command of the list (which has the indexed words), or -1.
    int match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText) const;

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

    int step(int state, char16_t unit) const;
    int child(int state, char16_t unit) const;
    static QByteArray foldedKey(const QString& word);

    std::vector<State> m_states;
    std::vector<Edge> m_edges;
    QHash<QByteArray, int> m_firstByFoldedWord;
};

namespace {

bool sameList(const QList<VQVoiceCommandItem>& a, const QList<VQVoiceCommandItem>& b)
{
    // A copy shares its list's data; a change of either list detaches it onto new data.
    return a.size() == b.size() && a.constData() == b.constData();
}

// The last owner of an index or a list of 100,000 commands takes milliseconds to free it: a
// worker does.
template <typename T>
void freeOnWorker(T held)
{
    QThreadPool::globalInstance()->start([held = std::move(held)]() mutable { held = T(); });
}

} // namespace

VQCommandMatcher::VQCommandMatcher() = default;

VQCommandMatcher::~VQCommandMatcher() = default;

qsizetype VQCommandMatcher::indexedCount() const
{
    return m_index ? m_index->list.size() : 0;
}

bool VQCommandMatcher::isIndexFor(const QList<VQVoiceCommandItem>& commands) const
{
    return m_index && sameList(m_index->list, commands);
}

void VQCommandMatcher::prepare(const QList<VQVoiceCommandItem>& commands)
{
    if (commands.isEmpty() || isIndexFor(commands) || sameList(m_building, commands))
        return;
    m_building = commands;
    const quint64 generation = ++m_generation;
    const std::weak_ptr<int> alive = m_alive;
    QThreadPool::globalInstance()->start([this, alive, generation, commands] {
        auto built = std::make_shared<Index>();
        built->build(commands);
        mm::runOnMain([this, alive, generation, index = std::shared_ptr<const Index>(std::move(built))]() mutable {
            // A newer list is on its way, or the matcher is gone: this index is not needed.
            if (alive.expired() || generation != m_generation) {
                freeOnWorker(std::move(index));
                return;
            }
            freeOnWorker(std::exchange(m_index, std::move(index)));
            freeOnWorker(std::exchange(m_building, {}));
        });
    });
}

const VQVoiceCommandItem* VQCommandMatcher::match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText)
{
    if (commands.isEmpty() || trimmedText.isEmpty())
        return nullptr;
    if (!isIndexFor(commands)) {
        prepare(commands);
        return VQAudioMonitorService::searchCmdFromCommandArr(commands, trimmedText);
    }
    const int best = m_index->match(commands, trimmedText);
    return best >= 0 ? commands.constData() + best : nullptr;
}

int VQCommandMatcher::Index::match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText) const
{
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
    return best;
}

QByteArray VQCommandMatcher::Index::foldedKey(const QString& word)
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

void VQCommandMatcher::Index::build(const QList<VQVoiceCommandItem>& commands)
{
    list = commands;
    m_states.assign(1, State{});

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

int VQCommandMatcher::Index::child(int state, char16_t unit) const
{
    const State& s = m_states[size_t(state)];
    const auto begin = m_edges.begin() + s.firstEdge;
    const auto end = begin + s.edgeCount;
    const auto it = std::lower_bound(begin, end, unit, [](const Edge& edge, char16_t u) { return edge.unit < u; });
    return it != end && it->unit == unit ? it->target : -1;
}

int VQCommandMatcher::Index::step(int state, char16_t unit) const
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
