#include "core/texts/HandOver.h"
#include "core/texts/IdleClients.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(HandOver, messagesComeBackWholeAndOnlyWhenWhole) {
    const HandOver cases[] = {
        {},
        {1, {}},
        {std::nullopt, "/home/rider/caf\xe9.ign"},
        // A Czech name, which no Western code page holds.
        {0, std::filesystem::path(u8"C:\\Jezdec\\\u0159\u00edzen\u00ed.ign")},
        {3, "/tmp/two\nlines -x.ign"},
    };
    for (const HandOver &sent : cases) {
        const std::string message = EncodeHandOver(sent);
        for (std::size_t cut = 0; cut < message.size(); ++cut)
            ASSERT_EQ(TakeHandOver(message.substr(0, cut)).status, HandOverFrame::Status::Partial) << cut;
        const HandOverFrame frame = TakeHandOver(message + "next");
        ASSERT_EQ(frame.status, HandOverFrame::Status::Whole);
        EXPECT_EQ(frame.size, message.size());
        EXPECT_EQ(frame.handOver, sent);
    }
}

TEST(HandOver, hostileMessagesAreRefusedOrPassedOver) {
    const auto frame = [](std::string body) {
        std::string length(4, '\0');
        for (int i = 0; i < 4; ++i)
            length[i] = static_cast<char>((body.size() >> (8 * i)) & 0xFF);
        return TakeHandOver(length + body);
    };
    EXPECT_EQ(TakeHandOver(std::string("\xff\xff\xff\x7f", 4)).status, HandOverFrame::Status::Bad)
        << "too long";
    EXPECT_EQ(frame("file=/a.ign").status, HandOverFrame::Status::Bad) << "field not ended";
    const HandOverFrame odd = frame(std::string("language=2\0language=x\0colour=red\0file=\0", 40));
    EXPECT_EQ(odd.status, HandOverFrame::Status::Whole);
    EXPECT_EQ(odd.handOver, HandOver{}) << "no language 2, no empty file, unknown fields passed over";
}

TEST(HandOver, eachSettingsFolderHasASocketOfItsOwn) {
    EXPECT_EQ(InstanceSocketName("/tmp/a"), InstanceSocketName("/tmp/./a"));
    EXPECT_NE(InstanceSocketName("/tmp/a"), InstanceSocketName("/tmp/b"));
    EXPECT_EQ(InstanceSocketName("/tmp/a").rfind("ZARVEX1-window-", 0), 0u);
}

TEST(IdleClients, idleClientsGoAndTheIdlestMakesRoom) {
    IdleClients clients(2);
    EXPECT_EQ(clients.Add(1, 0), std::nullopt);
    EXPECT_EQ(clients.Add(2, 100), std::nullopt);
    clients.Heard(1, 500);
    EXPECT_EQ(clients.Add(3, 600), 2) << "client 2 was heard from longest ago";
    EXPECT_EQ(clients.count(), 2);
    EXPECT_EQ(clients.Expired(500 + IdleClients::IdleLimitMs), std::vector<int>{});
    EXPECT_EQ(clients.Expired(501 + IdleClients::IdleLimitMs), std::vector<int>{1});
    clients.Heard(1, 2000);
    EXPECT_EQ(clients.Expired(2700), std::vector<int>{3});
    clients.Remove(3);
    EXPECT_EQ(clients.count(), 1);
}

} // namespace
} // namespace zarvex1
