#include "server/AccountStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using server::Account;
using server::AccountState;
using server::AccountStore;

class AccountStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/morvane-store-XXXXXX";
        dir_ = mkdtemp(tmpl);
        path_ = dir_ + "/deeper/morvane.db";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::unique_ptr<AccountStore> Open()
    {
        std::string error;
        auto store = AccountStore::Open(path_, error);
        EXPECT_TRUE(store) << error;
        return store;
    }

    std::string dir_, path_;
};

TEST_F(AccountStoreTest, CreatesItsFolderAndKeepsAccountsAcrossOpens)
{
    {
        auto store = Open();
        ASSERT_TRUE(store);
        EXPECT_TRUE(store->Empty());
        ASSERT_TRUE(store->Add({"tavik", "hash", 5, 2, AccountState::Active}));
        EXPECT_FALSE(store->Add({"tavik", "other", 0, 0, AccountState::Active})) << "names are unique";
    }
    auto store = Open();
    ASSERT_TRUE(store);
    const auto a = store->Find("tavik");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->passwordHash, "hash");
    EXPECT_EQ(a->points, 5);
    EXPECT_EQ(a->tally, 2);
    EXPECT_FALSE(store->Find("Tavik"));
}

TEST_F(AccountStoreTest, ChangeTouchesOnlyTheGivenFields)
{
    auto store = Open();
    ASSERT_TRUE(store->Add({"lina", "h", 10, 3, AccountState::Active}));
    ASSERT_TRUE(store->Change("lina", {std::nullopt, 9, AccountState::Suspended}));
    const auto a = store->Find("lina");
    EXPECT_EQ(a->points, 10);
    EXPECT_EQ(a->tally, 9);
    EXPECT_EQ(a->state, AccountState::Suspended);
    EXPECT_FALSE(store->Change("nobody", {1, std::nullopt, std::nullopt}));
}

TEST_F(AccountStoreTest, GbkNamesAreBytes)
{
    auto store = Open();
    const std::string gbk = "\xC0\xEE\xC3\xF7"; // two GBK characters, not UTF-8
    ASSERT_TRUE(store->Add({gbk, "h", 0, 0, AccountState::Active}));
    ASSERT_TRUE(store->Find(gbk));
    EXPECT_EQ(store->List().at(0).name, gbk);
}

TEST_F(AccountStoreTest, AddPointsLogsEachChangeOnce)
{
    auto store = Open();
    ASSERT_TRUE(store->Add({"bora", "h", 100, 0, AccountState::Active}));
    const auto first = store->AddPoints("bora", -30);
    const auto second = store->AddPoints("bora", 5);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(store->Find("bora")->points, 75);
    EXPECT_EQ(store->LoggedPoints("bora"), -25);
    EXPECT_FALSE(store->AddPoints("nobody", 1)) << "no change for a missing account, and no log row";
    EXPECT_EQ(store->CountChange(*second + 1), 0);
}

// A writer process streams points changes and reports each acknowledged one; it is
// killed with SIGKILL mid-stream. Every acknowledged change must be there exactly once,
// the points must match the log, and the integrity check must pass on reopening.
TEST_F(AccountStoreTest, AcknowledgedChangesSurviveKillNine)
{
    {
        auto store = Open();
        ASSERT_TRUE(store->Add({"tavik", "h", 0, 0, AccountState::Active}));
    }
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        close(acks[0]);
        std::string error;
        auto store = AccountStore::Open(path_, error);
        for (int32_t delta = 1; store; delta = delta % 7 + 1) {
            const auto id = store->AddPoints("tavik", delta);
            if (!id || write(acks[1], &*id, sizeof *id) != sizeof *id)
                break;
        }
        _exit(0);
    }
    close(acks[1]);
    std::vector<int64_t> acknowledged;
    int64_t id = 0;
    while (acknowledged.size() < 40 && read(acks[0], &id, sizeof id) == sizeof id)
        acknowledged.push_back(id);
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    close(acks[0]);

    auto store = Open();
    ASSERT_TRUE(store) << "opening runs the integrity check";
    EXPECT_TRUE(store->IntegrityOk());
    ASSERT_EQ(acknowledged.size(), 40u);
    for (int64_t ack : acknowledged)
        EXPECT_EQ(store->CountChange(ack), 1) << "change " << ack;
    EXPECT_EQ(store->Find("tavik")->points, store->LoggedPoints("tavik"));
}

} // namespace
