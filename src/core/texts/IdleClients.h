#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zarvex1 {

// Who may keep a place on one of the program's local sockets. A client has IdleLimitMs from connecting,
// and again from each whole message, to send its next whole message; one that does not is closed. When
// all places are taken, the client heard from longest ago makes room for a new one, so idle connections
// can never lock a real client out. Times are the owner's milliseconds.
class IdleClients {
public:
    static constexpr std::int64_t IdleLimitMs = 2000;

    explicit IdleClients(int places) : places_(places) {}

    // A new client; returns the client that has to make room for it, if any.
    std::optional<int> Add(int client, std::int64_t nowMs);
    // The client sent a whole message.
    void Heard(int client, std::int64_t nowMs);
    void Remove(int client);
    // Clients idle for longer than the limit.
    std::vector<int> Expired(std::int64_t nowMs) const;
    int count() const { return static_cast<int>(clients_.size()); }

private:
    struct Client {
        int id;
        std::int64_t heardMs;
    };
    int places_;
    std::vector<Client> clients_;
};

} // namespace zarvex1
