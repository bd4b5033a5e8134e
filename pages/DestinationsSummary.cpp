#include "pages/DestinationsSummary.h"

#include "record/Codecs.h"
#include "ui/WidgetText.h"

#include <QCoreApplication>

namespace marlo {

namespace {

constexpr std::size_t longestAddressShown = 25;
constexpr std::size_t shortenedAddressLength = 23;

// The first 23 bytes; a double-byte character that the cut splits is left out whole, since half
// of it cannot be shown.
QString shortenedAddress(std::string_view address) {
    std::string_view head = address.substr(0, shortenedAddressLength);
    if (!decodeText(head) && decodeText(head.substr(0, shortenedAddressLength - 1))) {
        head.remove_suffix(1);
    }
    return displayText(head) + QStringLiteral("...");
}

} // namespace

QString destinationsSummary(const DeviceSettings::Connect& connect) {
    const bool tcp = connect.protocol == 0;
    QString summary = tcp ? QCoreApplication::translate("DestinationsSummary", "プロトコル: TCP\n")
                          : QCoreApplication::translate("DestinationsSummary", "プロトコル: UDP\n");
    const int considered = tcp ? DeviceSettings::maxHosts : 1;
    for (int k = 1; k <= considered; ++k) {
        const HostEntry& host = connect.hosts[static_cast<std::size_t>(k - 1)];
        if (host.address.empty()) {
            continue;
        }
        const QString address = host.address.size() > longestAddressShown ? shortenedAddress(host.address)
                                                                          : displayText(host.address);
        const std::string port = formatNumberOrPlaceholder(host.port, 10, "<None>");
        summary += QStringLiteral("%1: %2 : %3\n").arg(k).arg(address, QString::fromLatin1(port.c_str()));
    }
    return summary;
}

} // namespace marlo
