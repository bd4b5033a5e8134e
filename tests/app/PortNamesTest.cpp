#include "device/PortDiscovery.h"
#include "device/UdevPortDiscovery.h"

#include <QTest>

using namespace marlo;

class PortNamesTest : public QObject {
    Q_OBJECT

private slots:
    void comNumbersComeFromTheFriendlyName() {
        QCOMPARE(parseComPortNumber("USB Serial Port (COM3)"), std::optional<std::int32_t>(3));
        QCOMPARE(parseComPortNumber("USB Serial Port (COM12)"), std::optional<std::int32_t>(12));
        QCOMPARE(parseComPortNumber("Modem (COM7x)"), std::optional<std::int32_t>(7));
        QCOMPARE(parseComPortNumber("Odd (COM)"), std::optional<std::int32_t>(0));
        QCOMPARE(parseComPortNumber("Printer Port (LPT1)"), std::nullopt);
        QCOMPARE(parseComPortNumber("Odd (COMx)"), std::nullopt);
        QCOMPARE(parseComPortNumber("Broken (COM5"), std::nullopt);
        QCOMPARE(parseComPortNumber("lower (com4)"), std::nullopt);
        QCOMPARE(parseComPortNumber("Huge (COM99999999999)"), std::optional<std::int32_t>(2147483647));
    }

    void udevNamesReadLikeFriendlyNames() {
        QCOMPARE(portDisplayName("FT232R USB UART", "ttyUSB0"), std::string("FT232R USB UART (ttyUSB0)"));
        QCOMPARE(portDisplayName("", "ttyS0"), std::string("Serial port (ttyS0)"));
        QCOMPARE(decodeUdevText("CP2102\\x20USB\\x20to\\x20UART\\x20\\x20"),
                 std::string("CP2102 USB to UART"));
        QCOMPARE(decodeUdevText("odd\\x2"), std::string("odd\\x2"));
    }

    void fixedEntriesComeFirst() {
        UdevPortDiscovery discovery(
            {{"Simulated USB device (pts/3)", "/dev/pts/3"}, {"/tmp/port", "/tmp/port"}});
        std::vector<PortEntry> ports{{"stale", "/dev/null"}};
        QVERIFY(discovery.discoverPorts(ports));
        QVERIFY(ports.size() >= 2);
        QCOMPARE(ports[0].path, std::string("/dev/pts/3"));
        QCOMPARE(ports[1].path, std::string("/tmp/port"));
        for (const PortEntry& port : ports) {
            QVERIFY(port.path != "/dev/null");
        }
    }
};

QTEST_MAIN(PortNamesTest)
#include "PortNamesTest.moc"
