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

// Through constData, which never writes: a list's strings are read by the worker that indexes it
// while the main thread reads them too.
std::u16string_view unitsOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.constData()), size_t(text.size())};
}

// The units folded for case as QString::compare(..., Qt::CaseInsensitive) folds them, unit by
// unit: a low surrogate after a high one stands for the folded code point of the pair.
char32_t foldedAt(std::u16string_view units, size_t i)
{
    char32_t ucs4 = units[i];
    if (i > 0 && QChar::isLowSurrogate(ucs4) && QChar::isHighSurrogate(units[i - 1]))
        ucs4 = QChar::surrogateToUcs4(units[i - 1], units[i]);
    return QChar::toCaseFolded(ucs4);
}

bool sameFolded(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldedAt(a, i) != foldedAt(b, i))
            return false;
    }
    return true;
}

quint32 foldedHash(std::u16string_view units)
{
    quint64 hash = 0x9E3779B97F4A7C15ull ^ units.size();
    for (size_t i = 0; i < units.size(); ++i)
        hash = (hash ^ foldedAt(units, i)) * 0x100000001B3ull;
    return quint32(hash ^ (hash >> 32));
}

} // namespace

// One list's index: built once on a worker, read only afterwards. No text of its own: an equal
// word is confirmed against the list, which is the indexed one whenever the index is used.
struct VQCommandMatcher::Index {
    QList<VQVoiceCommandItem> list; // shares the indexed list's data while it is unchanged

    void build(const QList<VQVoiceCommandItem>& commands);
    // The position of the first matching command of the list (which has the indexed words), or -1.
    int match(const QList<VQVoiceCommandItem>& commands, const QString& trimmedText) const;

private:
    // The automaton's states breadth first, so that a state's children are consecutive states (in
    // unit order) and need no edges of their own; one more state closes the last one's children.
    struct State {
        quint32 firstChild = 0;
        quint32 fail = 0;
        qint32 earliest = -1; // the earliest command whose word is a suffix of this state's path
    };
    struct Slot {
        quint32 hash = 0;
        qint32 command = -1; // none
    };

    quint32 step(quint32 state, char16_t unit) const;
    int firstFoldedEqual(const QList<VQVoiceCommandItem>& commands, std::u16string_view text) const;

    std::vector<State> m_states;
    std::vector<char16_t> m_units; // the unit of the edge into each state
    // The first command of each word folded for case, by the fold's hash: open addressing over a
    // power of two of slots, at most two thirds of them taken.
    std::vector<Slot> m_slots;
    size_t m_longestWord = 0;
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
    quint32 state = 0;
    const std::u16string_view text = unitsOf(trimmedText);
    for (const char16_t unit : text) {
        state = step(state, unit);
        const int earliest = m_states[state].earliest;
        if (earliest >= 0 && (best < 0 || earliest < best))
            best = earliest;
    }
    if (best == 0 || text.size() > m_longestWord)
        return best;
    const int equal = firstFoldedEqual(commands, text);
    if (equal >= 0 && (best < 0 || equal < best)) {
        if (trimmedText.compare(wordOf(commands.at(equal)), Qt::CaseInsensitive) == 0) {
            best = equal;
        } else {
            // The fold is QString's comparison's, so this is not reached; should the two ever
            // part, the plain scan decides.
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

int VQCommandMatcher::Index::firstFoldedEqual(const QList<VQVoiceCommandItem>& commands, std::u16string_view text) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    const quint32 hash = foldedHash(text);
    for (size_t i = hash & mask; m_slots[i].command >= 0; i = (i + 1) & mask) {
        if (m_slots[i].hash == hash && sameFolded(text, unitsOf(wordOf(commands.at(m_slots[i].command)))))
            return m_slots[i].command;
    }
    return -1;
}

void VQCommandMatcher::Index::build(const QList<VQVoiceCommandItem>& commands)
{
    list = commands;

    // The words copied once into one block, in list order; the rest reads only the copy.
    std::vector<int> order; // the commands with a word
    std::vector<size_t> begins; // of each command of `order` in `text`, and the end
    size_t total = 0;
    for (int i = 0; i < int(commands.size()); ++i) {
        if (const qsizetype size = wordOf(commands.at(i)).size(); size > 0) {
            order.push_back(i);
            total += size_t(size);
        }
    }
    std::u16string text;
    text.reserve(total);
    begins.reserve(order.size() + 1);
    for (const int i : order) {
        begins.push_back(text.size());
        text += unitsOf(wordOf(commands.at(i)));
        m_longestWord = std::max(m_longestWord, text.size() - begins.back());
    }
    begins.push_back(text.size());
    const auto wordAt = [&](size_t k) { return std::u16string_view(text).substr(begins[k], begins[k + 1] - begins[k]); };

    // The equal-word table, the first command of a folded word taking its slot.
    if (!order.empty()) {
        size_t slots = 4;
        while (slots < order.size() + order.size() / 2)
            slots *= 2;
        m_slots.assign(slots, Slot{});
        for (size_t k = 0; k < order.size(); ++k) {
            const std::u16string_view word = wordAt(k);
            const quint32 hash = foldedHash(word);
            size_t i = hash & (slots - 1);
            while (m_slots[i].command >= 0 && !(m_slots[i].hash == hash && sameFolded(word, wordAt(size_t(m_slots[i].command)))))
                i = (i + 1) & (slots - 1);
            if (m_slots[i].command < 0)
                m_slots[i] = {hash, int(k)}; // a position in `order` until the table is done
        }
        for (Slot& slot : m_slots) {
            if (slot.command >= 0)
                slot.command = order[size_t(slot.command)];
        }
    }

    // The words in code-unit order (equal ones in list order), copied again in that order so that
    // each level of the trie is made in one pass forward through them.
    std::vector<quint32> sorted(order.size());
    for (size_t k = 0; k < sorted.size(); ++k)
        sorted[k] = quint32(k);
    std::stable_sort(sorted.begin(), sorted.end(), [&](quint32 a, quint32 b) { return wordAt(a) < wordAt(b); });
    std::u16string sortedText;
    sortedText.reserve(total);
    std::vector<size_t> sortedBegins;
    sortedBegins.reserve(sorted.size() + 1);
    size_t stateCount = 1;
    std::u16string_view previous;
    for (const quint32 k : sorted) {
        const std::u16string_view word = wordAt(k);
        // Each word makes a state for every unit after the beginning it shares with the one before.
        const auto shared = std::mismatch(word.begin(), word.end(), previous.begin(), previous.end()).first - word.begin();
        stateCount += word.size() - size_t(shared);
        previous = word;
        sortedBegins.push_back(sortedText.size());
        sortedText += word;
    }
    sortedBegins.push_back(sortedText.size());
    std::vector<int> sortedCommand(sorted.size());
    for (size_t k = 0; k < sorted.size(); ++k)
        sortedCommand[k] = order[sorted[k]];
    std::vector<quint32>().swap(sorted);
    std::vector<int>().swap(order);
    std::vector<size_t>().swap(begins);
    std::u16string().swap(text);

    // The trie level by level: a state stands for the sorted words [from, to) sharing its path;
    // those that end at it come first, the others split into children by their next unit.
    struct Words {
        quint32 from;
        quint32 to;
    };
    std::vector<Words> words;
    words.reserve(stateCount);
    m_states.reserve(stateCount + 1);
    m_units.reserve(stateCount);
    m_states.emplace_back();
    m_units.push_back(0);
    words.push_back({0, quint32(sortedCommand.size())});
    size_t depth = 0;
    size_t levelEnd = 1;
    for (size_t s = 0; s < m_states.size(); ++s) {
        if (s == levelEnd) {
            ++depth;
            levelEnd = m_states.size();
        }
        m_states[s].firstChild = quint32(m_states.size());
        auto [from, to] = words[s];
        for (; from < to && sortedBegins[from + 1] - sortedBegins[from] == depth; ++from) {
            qint32& earliest = m_states[s].earliest;
            if (earliest < 0 || sortedCommand[from] < earliest)
                earliest = sortedCommand[from];
        }
        while (from < to) {
            const char16_t unit = sortedText[sortedBegins[from] + depth];
            quint32 end = from + 1;
            while (end < to && sortedText[sortedBegins[end] + depth] == unit)
                ++end;
            m_states.emplace_back();
            m_units.push_back(unit);
            words.push_back({from, end});
            from = end;
        }
    }
    m_states.push_back({quint32(m_states.size()), 0, -1});

    // Failure links breadth first: a state's failure is the longest proper suffix of its path
    // that is a path too; its earliest command takes in those of the suffixes.
    for (quint32 s = 0; s + 1 < m_states.size(); ++s) {
        for (quint32 child = m_states[s].firstChild; child < m_states[s + 1].firstChild; ++child) {
            const quint32 fail = s == 0 ? 0 : step(m_states[s].fail, m_units[child]);
            State& state = m_states[child];
            state.fail = fail;
            const qint32 inherited = m_states[fail].earliest;
            if (inherited >= 0 && (state.earliest < 0 || inherited < state.earliest))
                state.earliest = inherited;
        }
    }
}

quint32 VQCommandMatcher::Index::step(quint32 state, char16_t unit) const
{
    for (;;) {
        const auto begin = m_units.begin() + m_states[state].firstChild;
        const auto end = m_units.begin() + m_states[state + 1].firstChild;
        const auto it = std::lower_bound(begin, end, unit);
        if (it != end && *it == unit)
            return quint32(it - m_units.begin());
        if (state == 0)
            return 0;
        state = m_states[state].fail;
    }
}
