// The chat content model's final answer: the stream text format's cases as one table, and
// random stream texts checked against what their generator knows they hold.
#include "VQAIContentModel.h"
#include "VQHttpRequestManager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString kEnd = QString::fromLatin1(VQHttpRequestManager::kChatPieceSeparator);

QString piece(const QJsonValue& data)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("data"), data}}).toJson(QJsonDocument::Compact));
}

QString textPiece(const QString& text)
{
    return piece(QJsonObject{{QStringLiteral("text"), text}});
}

TEST(AIContentModelTest, LastAnswerOfStreamTexts)
{
    const QString noData = QStringLiteral(R"({"code":1})") + kEnd + QStringLiteral(R"({"data":[1]})") + kEnd;
    const QString notObject = QStringLiteral(R"({"data":"plain"})") + kEnd;
    const struct {
        const char* name;
        QString answer;
        QString expected;
    } cases[] = {
        {"empty", QString(), QString()},
        {"plain text", QStringLiteral("正在生成中。。。"), QStringLiteral("正在生成中。。。")},
        {"two pieces", textPiece(QStringLiteral("first")) + kEnd + textPiece(QStringLiteral("second")) + kEnd,
         QStringLiteral("second")},
        {"last cut off", textPiece(QStringLiteral("whole")) + kEnd + QStringLiteral(R"({"data":{"te)"),
         QStringLiteral("whole")},
        {"only the first has text",
         textPiece(QStringLiteral("only")) + kEnd + piece(QJsonObject{{QStringLiteral("text"), 7}}) + kEnd
             + piece(QJsonObject{}) + kEnd,
         QStringLiteral("only")},
        {"no data object anywhere", noData, noData},
        {"CJK and quotes", textPiece(QStringLiteral("你好，\"世界\"\n😀")) + kEnd, QStringLiteral("你好，\"世界\"\n😀")},
        {"data not an object", notObject, notObject},
    };
    for (const auto& c : cases) {
        VQAIContentModel model;
        model.setAnswer(c.answer);
        EXPECT_EQ(model.lastAnswer(), c.expected) << c.name;
    }

    // The identity is the creation second; two models made in one second share it.
    const qint64 before = VQAIContentModel::getNowTime();
    const VQAIContentModel first;
    const VQAIContentModel second;
    const qint64 after = VQAIContentModel::getNowTime();
    const qint64 created = first.clientId().mid(8).toLongLong();
    EXPECT_TRUE(first.clientId().startsWith(QStringLiteral("clientId")));
    EXPECT_GE(created, before);
    EXPECT_LE(created, after);
    if (before == after) {
        EXPECT_EQ(first.clientId(), second.clientId());
    }
}

// A random text of letters, CJK, quotes, backslashes, controls, "=" and an emoji.
QString randomText(QRandomGenerator& random)
{
    static const QString alphabet = QStringLiteral("ab z=\"\\\n\t{}[]:,你好世界");
    QString text;
    const int length = random.bounded(0, 12);
    for (int i = 0; i < length; ++i) {
        if (random.bounded(20) == 0)
            text += QStringLiteral("😀");
        else
            text += alphabet.at(random.bounded(alphabet.size()));
    }
    return text;
}

TEST(AIContentModelTest, RandomStreamTextsGiveTheGeneratorsAnswer)
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 100000; ++round) {
        // Each piece: its text, and the answer it carries when it arrives whole.
        struct Piece {
            QString text;
            std::optional<QString> answer;
        };
        QList<Piece> pieces;
        const int count = random.bounded(0, 5);
        for (int i = 0; i < count; ++i) {
            const QString text = randomText(random);
            switch (random.bounded(7)) {
            case 0: pieces.append({textPiece(text), text}); break;
            case 1: pieces.append({textPiece(text), text}); break;
            case 2: pieces.append({piece(QJsonObject{{QStringLiteral("text"), random.bounded(100)}}), std::nullopt}); break;
            case 3: pieces.append({piece(QJsonObject{{QStringLiteral("other"), text}}), std::nullopt}); break;
            case 4: pieces.append({piece(text), std::nullopt}); break;
            case 5: pieces.append({textPiece(text).chopped(1 + random.bounded(3)), std::nullopt}); break;
            default: pieces.append({QStringLiteral("x") + text, std::nullopt}); break;
            }
        }
        QString stream;
        QList<qsizetype> pieceEnds; // where each piece's JSON ends in the stream
        for (const Piece& p : pieces) {
            stream += p.text;
            pieceEnds.append(stream.size());
            stream += kEnd;
        }
        // Cut anywhere (also inside a separator or a character pair) or keep the whole text.
        qsizetype cut = stream.size();
        if (random.bounded(2) == 0 && !stream.isEmpty())
            cut = random.bounded(stream.size() + 1);
        const QString answer = stream.left(cut);

        QString expected = answer;
        for (qsizetype i = pieces.size() - 1; i >= 0; --i) {
            // Whole when the cut falls right after it or after its separator.
            const bool whole = cut == pieceEnds.at(i) || cut >= pieceEnds.at(i) + kEnd.size();
            if (whole && pieces.at(i).answer) {
                expected = *pieces.at(i).answer;
                break;
            }
        }
        ASSERT_EQ(VQAIContentModel::lastAnswer(answer), expected) << "round " << round << ": " << answer.toStdString();
    }
}

} // namespace
