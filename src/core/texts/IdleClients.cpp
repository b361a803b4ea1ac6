#include "core/texts/IdleClients.h"

#include <algorithm>

namespace zarvex1 {

std::optional<int> IdleClients::Add(int client, std::int64_t nowMs) {
    std::optional<int> leaving;
    if (static_cast<int>(clients_.size()) >= places_ && !clients_.empty()) {
        const auto idlest =
            std::min_element(clients_.begin(), clients_.end(),
                             [](const Client &a, const Client &b) { return a.heardMs < b.heardMs; });
        leaving = idlest->id;
        clients_.erase(idlest);
    }
    clients_.push_back({client, nowMs});
    return leaving;
}

void IdleClients::Heard(int client, std::int64_t nowMs) {
    for (Client &c : clients_)
        if (c.id == client)
            c.heardMs = nowMs;
}

void IdleClients::Remove(int client) {
    std::erase_if(clients_, [client](const Client &c) { return c.id == client; });
}

std::vector<int> IdleClients::Expired(std::int64_t nowMs) const {
    std::vector<int> expired;
    for (const Client &c : clients_)
        if (nowMs - c.heardMs > IdleLimitMs)
            expired.push_back(c.id);
    return expired;
}

} // namespace zarvex1
