#include "WeakListenerSet.h"

#include <QObject>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class BatteryListener {
public:
    virtual ~BatteryListener() = default;
    virtual void batteryChanged(int percent) = 0;
};

// Records its calls in a shared journal ("name=value") and runs onCall when called.
class Listener : public QObject, public BatteryListener {
public:
    Listener(QStringList* journal, QString name)
        : m_journal(journal)
        , m_name(std::move(name))
    {
    }

    void batteryChanged(int percent) override
    {
        *m_journal << m_name + QLatin1Char('=') + QString::number(percent);
        if (onCall)
            onCall();
    }

    std::function<void()> onCall;

private:
    QStringList* m_journal;
    QString m_name;
};

void notify(mm::WeakListenerSet<BatteryListener>& set, int percent)
{
    set.forEach([percent](BatteryListener& l) { l.batteryChanged(percent); });
}

TEST(WeakListenerSetTest, CallsEachImplementingLiveMemberOnceInOrder)
{
    QStringList journal;
    Listener a(&journal, QStringLiteral("a"));
    Listener b(&journal, QStringLiteral("b"));
    QObject plain; // does not implement the interface
    mm::WeakListenerSet<BatteryListener> set;
    set.add(&a);
    set.add(&plain);
    set.add(&b);
    set.add(&a);
    set.add(nullptr);
    {
        Listener gone(&journal, QStringLiteral("gone"));
        set.add(&gone);
        EXPECT_EQ(set.count(), 4);
    }
    EXPECT_EQ(set.count(), 3);

    notify(set, 80);
    EXPECT_EQ(journal, (QStringList{QStringLiteral("a=80"), QStringLiteral("b=80")}));

    set.remove(&a);
    journal.clear();
    notify(set, 70);
    EXPECT_EQ(journal, QStringList{QStringLiteral("b=70")});
}

TEST(WeakListenerSetTest, MembersDestroyedOrRemovedDuringTheLoopAreNotCalled)
{
    QStringList journal;
    mm::WeakListenerSet<BatteryListener> set;
    auto first = std::make_unique<Listener>(&journal, QStringLiteral("first"));
    auto doomed = std::make_unique<Listener>(&journal, QStringLiteral("doomed"));
    Listener removed(&journal, QStringLiteral("removed"));
    Listener last(&journal, QStringLiteral("last"));
    for (QObject* listener : {static_cast<QObject*>(first.get()), static_cast<QObject*>(doomed.get()),
                              static_cast<QObject*>(&removed), static_cast<QObject*>(&last)}) {
        set.add(listener);
    }
    first->onCall = [&] {
        doomed.reset();
        set.remove(&removed);
    };
    notify(set, 1);
    EXPECT_EQ(journal, (QStringList{QStringLiteral("first=1"), QStringLiteral("last=1")}));
    EXPECT_EQ(set.count(), 2);
}

TEST(WeakListenerSetTest, MembersAddedDuringTheLoopJoinTheNextOne)
{
    QStringList journal;
    mm::WeakListenerSet<BatteryListener> set;
    Listener a(&journal, QStringLiteral("a"));
    Listener late(&journal, QStringLiteral("late"));
    set.add(&a);
    a.onCall = [&] { set.add(&late); };
    notify(set, 1);
    EXPECT_EQ(journal, QStringList{QStringLiteral("a=1")});

    a.onCall = nullptr;
    notify(set, 2);
    EXPECT_EQ(journal, (QStringList{QStringLiteral("a=1"), QStringLiteral("a=2"), QStringLiteral("late=2")}));
}

} // namespace
