// The indexed command matcher against the plain scan, on random lists and texts: words of a few
// letters with case pairs (Latin, accented, Greek final sigma, sharp s, a pair outside the BMP),
// Chinese, blanks and marks; lists changed between matches.
#include "TestSupport.h"
#include "VQAudioMonitorService.h"
#include "VQCommandMatcher.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <random>

namespace {

const QStringList kSymbols = {
    QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("é"),
    QStringLiteral("É"), QStringLiteral("σ"), QStringLiteral("Σ"), QStringLiteral("ς"), QStringLiteral("ß"),
    QStringLiteral("打"), QStringLiteral("开"), QStringLiteral(" "), QStringLiteral("."), QStringLiteral("-"),
    QString::fromUcs4(U"\U00010400"), QString::fromUcs4(U"\U00010428"), QString(QChar(0xD801)),
};

class RandomText {
public:
    explicit RandomText(unsigned seed) : m_random(seed) {}
    int number(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    QString text(int maxSymbols)
    {
        QString out;
        for (int n = number(maxSymbols + 1); n > 0; --n)
            out += kSymbols.at(number(int(kSymbols.size())));
        return out;
    }
    QString caseFlipped(const QString& text) { return number(2) ? text.toUpper() : text.toLower(); }
    VQVoiceCommandItem command()
    {
        VQVoiceCommandItem item;
        (number(2) ? item.customCmd : item.cmdWord) = text(4);
        if (number(4) == 0)
            item.cmdWord = text(3); // behind a custom word, or alone
        return item;
    }
    QString utterance(const QList<VQVoiceCommandItem>& commands)
    {
        const QString word = commands.isEmpty() ? QString() : commands.at(number(int(commands.size()))).customCmd;
        switch (number(4)) {
        case 0: return text(12);
        case 1: return text(5) + word + text(5);
        case 2: return QStringLiteral(" ") + caseFlipped(word) + QStringLiteral("。");
        default: return text(4) + caseFlipped(text(2)) + word;
        }
    }

private:
    std::mt19937 m_random;
};

// Lets the worker's index arrive: true once the matcher's index is the list's.
bool indexArrives(const VQCommandMatcher& matcher, const QList<VQVoiceCommandItem>& commands)
{
    return vqtest::waitUntil([&] { return matcher.isIndexFor(commands); });
}

} // namespace

TEST(CommandMatcherTest, TheIndexFindsWhatThePlainScanFindsAlsoAfterTheListChanges)
{
    RandomText random(20261207);
    VQCommandMatcher matcher;
    int matched = 0, checked = 0;
    for (int round = 0; round < 1500; ++round) {
        QList<VQVoiceCommandItem> commands;
        for (int n = random.number(40); n > 0; --n)
            commands.append(random.command());
        for (int change = 0; change < 4; ++change) {
            matcher.prepare(commands);
            ASSERT_TRUE(commands.isEmpty() || indexArrives(matcher, commands)) << "round " << round;
            for (int u = 0; u < 10; ++u) {
                const QString utterance = random.utterance(commands);
                const VQVoiceCommandItem* plain = VQAudioMonitorService::searchCmdFromCommandArr(commands, utterance);
                const VQVoiceCommandItem* fast = matcher.match(commands, VQAudioMonitorService::trimmedCommandText(utterance));
                ASSERT_EQ(fast, plain) << "round " << round << ", text \"" << utterance.toStdString() << "\": index "
                                       << (fast ? fast - commands.constData() : -1) << " against " << (plain ? plain - commands.constData() : -1);
                matched += plain != nullptr;
                ++checked;
            }
            // The list changes in place, as the store's lists do.
            if (random.number(2) && !commands.isEmpty())
                commands[random.number(int(commands.size()))].customCmd = random.text(3);
            else if (random.number(2) && !commands.isEmpty())
                commands.removeAt(random.number(int(commands.size())));
            else
                commands.prepend(random.command());
        }
    }
    // Both outcomes were met often.
    EXPECT_GT(matched, checked / 5);
    EXPECT_LT(matched, checked * 4 / 5);
}

// A search never builds an index: it scans the list and asks for the index, which a worker
// builds. A new list keeps the old index in use until its own is ready.
TEST(CommandMatcherTest, ListsAreIndexedOnAWorkerWhileSearchesGoOn)
{
    RandomText random(7);
    QList<VQVoiceCommandItem> first;
    for (int n = 0; n < 3000; ++n)
        first.append(random.command());
    const QString text = VQAudioMonitorService::trimmedCommandText(random.utterance(first));
    VQCommandMatcher matcher;
    EXPECT_EQ(matcher.match(first, text), VQAudioMonitorService::searchCmdFromCommandArr(first, text));
    EXPECT_EQ(matcher.indexedCount(), 0) << "the search built the index itself";
    ASSERT_TRUE(indexArrives(matcher, first));
    EXPECT_EQ(matcher.match(first, text), VQAudioMonitorService::searchCmdFromCommandArr(first, text));

    QList<VQVoiceCommandItem> second = first.mid(0, 2000);
    second.prepend(random.command());
    EXPECT_EQ(matcher.match(second, text), VQAudioMonitorService::searchCmdFromCommandArr(second, text));
    EXPECT_EQ(matcher.indexedCount(), first.size()) << "the old index went before the new one was ready";
    ASSERT_TRUE(indexArrives(matcher, second));
    EXPECT_EQ(matcher.indexedCount(), second.size());
}

// The worker reads the list's strings while the main thread may read them too: it must not write
// to them, as asking a string over static or borrowed characters for a terminated copy does.
TEST(CommandMatcherTest, IndexingLeavesTheListsStringsUntouched)
{
    static const char16_t borrowed[] = u"打开邮件";
    QList<VQVoiceCommandItem> commands(2);
    commands[0].customCmd = QStringLiteral("Open Mail");
    commands[1].cmdWord = QString::fromRawData(reinterpret_cast<const QChar*>(borrowed), 2);
    const QChar* const characters[] = {commands.at(0).customCmd.constData(), commands.at(1).cmdWord.constData()};
    VQCommandMatcher matcher;
    matcher.prepare(commands);
    ASSERT_TRUE(indexArrives(matcher, commands));
    EXPECT_EQ(commands.at(0).customCmd.constData(), characters[0]);
    EXPECT_EQ(commands.at(1).cmdWord.constData(), characters[1]);
    EXPECT_EQ(matcher.match(commands, QStringLiteral("open mail")), &commands.at(0));
    EXPECT_EQ(matcher.match(commands, QStringLiteral("请打开")), &commands.at(1));
}
