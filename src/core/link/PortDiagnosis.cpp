#include "core/link/PortDiagnosis.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <utility>

namespace zarvex1 {

namespace {

// English, German, Czech; {device}, {group}, {user}, {program} and {pid} are filled in.
using Texts = std::array<std::string_view, 3>;

constexpr Texts PermissionGroupText = {
    "Permission denied: {device} belongs to the group \"{group}\", and the user {user} is not a member of "
    "it. Join the group with\nsudo usermod -aG {group} {user}\nthen log out and log in again.",
    "Zugriff verweigert: {device} gehört der Gruppe „{group}“, und der Benutzer {user} ist nicht Mitglied "
    "dieser Gruppe. Treten Sie der Gruppe bei mit\nsudo usermod -aG {group} {user}\nund melden Sie "
    "sich danach ab und wieder an.",
    "Přístup odepřen: {device} patří skupině „{group}“ a uživatel {user} není jejím členem. Přidejte se do "
    "skupiny příkazem\nsudo usermod -aG {group} {user}\na poté se odhlaste a znovu přihlaste.",
};
constexpr Texts PermissionAdminText = {
    "Permission denied: only the administrator may use {device}. Ask for access to it, for example a udev "
    "rule that gives the user {user} access.",
    "Zugriff verweigert: Nur der Administrator darf {device} benutzen. Bitten Sie um Zugriff darauf, zum "
    "Beispiel um eine udev-Regel, die dem Benutzer {user} den Zugriff erlaubt.",
    "Přístup odepřen: {device} smí používat jen správce systému. Požádejte o přístup k němu, například o "
    "pravidlo udev, které ho uživateli {user} povolí.",
};
constexpr Texts BusyHolderText = {
    "{device} is in use by another program: {program} (process {pid}). Close that program and choose the "
    "port again.",
    "{device} wird von einem anderen Programm benutzt: {program} (Prozess {pid}). Schließen Sie dieses "
    "Programm und wählen Sie den Anschluss erneut.",
    "{device} používá jiný program: {program} (proces {pid}). Ukončete tento program a zvolte port znovu.",
};
constexpr Texts BusyText = {
    "{device} is in use by another program. Close that program and choose the port again.",
    "{device} wird von einem anderen Programm benutzt. Schließen Sie dieses Programm und wählen Sie den "
    "Anschluss erneut.",
    "{device} používá jiný program. Ukončete tento program a zvolte port znovu.",
};
constexpr Texts ModemManagerText = {
    "On Linux, ModemManager often takes newly plugged-in ACM devices for a few seconds. Wait a moment and "
    "try again; to keep it away for good, switch it off with\nsudo systemctl disable --now "
    "ModemManager",
    "Unter Linux belegt der ModemManager neu angesteckte ACM-Geräte oft für einige Sekunden. Warten Sie "
    "kurz und versuchen Sie es erneut; dauerhaft abschalten lässt er sich mit\nsudo systemctl disable "
    "--now ModemManager",
    "V Linuxu si ModemManager nově připojená zařízení ACM často na několik sekund zabere. Chvíli počkejte "
    "a zkuste to znovu; natrvalo ho vypnete příkazem\nsudo systemctl disable --now ModemManager",
};
constexpr Texts VanishedText = {
    "{device} is not there: the adapter was unplugged or is not plugged in. Plug it in; the program "
    "connects again as soon as it is back.",
    "{device} ist nicht vorhanden: Der Adapter wurde abgezogen oder ist nicht angesteckt. Stecken Sie ihn "
    "an; das Programm verbindet sich wieder, sobald er wieder da ist.",
    "{device} není k dispozici: adaptér byl odpojen nebo není připojen. Připojte ho; program se znovu "
    "spojí, jakmile bude zpět.",
};

std::string_view In(const Texts &texts, int languageIndex) {
    return texts[languageIndex == 1 ? 1 : languageIndex == 3 ? 2 : 0];
}

std::string Fill(std::string_view text, const std::array<std::pair<std::string_view, std::string>, 5> &args) {
    std::string out;
    while (!text.empty()) {
        const std::size_t open = text.find('{');
        const std::size_t close = open == text.npos ? text.npos : text.find('}', open);
        if (close == text.npos) {
            out += text;
            break;
        }
        out += text.substr(0, open);
        const std::string_view name = text.substr(open + 1, close - open - 1);
        bool filled = false;
        for (const auto &[key, value] : args)
            if (key == name) {
                out += value;
                filled = true;
            }
        if (!filled)
            out += text.substr(open, close - open + 1);
        text.remove_prefix(close + 1);
    }
    return out;
}

bool IsAcmDevice(const PortOpenFailure &failure) {
    for (const std::string *name : {&failure.device, &failure.resolvedDevice})
        if (name->find("ttyACM") != std::string::npos || name->find("cu.usbmodem") != std::string::npos)
            return true;
    return false;
}

} // namespace

PortFault ClassifyOpenFailure(int errorNumber, const PortLock &lock) {
    if (lock.held())
        return PortFault::Busy;
    switch (errorNumber) {
    case 0:
        return PortFault::Unknown;
    case EACCES:
    case EPERM:
        return PortFault::PermissionDenied;
    case EBUSY:
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
    case ETXTBSY:
        return PortFault::Busy;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortFault::Vanished;
    default:
        return PortFault::Other;
    }
}

std::string ComOpeningReason(const PortOpenFailure &failure, int languageIndex) {
    const std::string pid = failure.lock.pid > 0 ? std::to_string(failure.lock.pid) : std::string();
    const std::array<std::pair<std::string_view, std::string>, 5> args = {{
        {"device", failure.device},
        {"group", failure.group},
        {"user", failure.user.empty() ? std::string("$USER") : failure.user},
        {"program", failure.lock.program.empty() ? std::string("?") : failure.lock.program},
        {"pid", pid},
    }};
    const auto text = [&](const Texts &texts) { return Fill(In(texts, languageIndex), args); };

    switch (ClassifyOpenFailure(failure.errorNumber, failure.lock)) {
    case PortFault::PermissionDenied:
        // Joining "root" is no fix: that device is meant for the administrator alone.
        return failure.group.empty() || failure.group == "root" ? text(PermissionAdminText)
                                                                : text(PermissionGroupText);
    case PortFault::Busy: {
        std::string reason = failure.lock.pid > 0 ? text(BusyHolderText) : text(BusyText);
        if (IsAcmDevice(failure) || failure.lock.program == "ModemManager")
            reason += "\n" + text(ModemManagerText);
        return reason;
    }
    case PortFault::Vanished:
        return text(VanishedText);
    case PortFault::Other:
        if (failure.systemText.empty())
            return failure.device + ": " + std::strerror(failure.errorNumber);
        return failure.device + ": " + failure.systemText;
    case PortFault::Unknown:
        break;
    }
    return failure.systemText.empty() ? std::string() : failure.device + ": " + failure.systemText;
}

std::string ComOpeningMessage(const std::string &comOpeningError, const PortOpenFailure &failure,
                              int languageIndex) {
    const std::string reason = ComOpeningReason(failure, languageIndex);
    return reason.empty() ? comOpeningError : comOpeningError + "\n" + reason;
}

std::optional<LockFileOwner> ParseLockFile(std::string_view content) {
    LockFileOwner owner;
    std::size_t i = content.find_first_not_of(" \t");
    const std::size_t digitsEnd =
        i == content.npos ? content.npos : content.find_first_not_of("0123456789", i);
    if (i != content.npos && digitsEnd != i) {
        const std::size_t end = digitsEnd == content.npos ? content.size() : digitsEnd;
        const auto [last, error] = std::from_chars(content.data() + i, content.data() + end, owner.pid);
        if (error != std::errc() || owner.pid <= 0)
            return std::nullopt;
        // Qt writes the program's name on the second line.
        const std::size_t lineEnd = content.find('\n', end);
        if (lineEnd != content.npos) {
            std::string_view name = content.substr(lineEnd + 1);
            name = name.substr(0, name.find_first_of("\r\n"));
            owner.program = std::string(name);
        }
        return owner;
    }
    if (content.size() == 4) {
        std::int32_t pid = 0;
        std::memcpy(&pid, content.data(), sizeof pid);
        if (pid > 0)
            return LockFileOwner{pid, {}};
    }
    return std::nullopt;
}

} // namespace zarvex1
