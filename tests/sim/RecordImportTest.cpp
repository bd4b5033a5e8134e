#include "sim/RecordImport.h"
#include "sim/RecordDump.h"

#include <gtest/gtest.h>

#include <string>

namespace marlo::sim {
namespace {

std::string record(const std::string& groups) {
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\r<configrecord version=\"0.1.0.1\">\r" + groups +
           "</configrecord>\r";
}

std::string group(const std::string& name, const std::string& instance, const std::string& items) {
    const std::string attributes = instance.empty() ? "" : " instance = \"" + instance + "\"";
    return "   <configgroup name = \"" + name + "\"" + attributes + ">\r" + items + "   </configgroup>\r";
}

std::string item(const std::string& name, const std::string& values) {
    return "      <configitem name = \"" + name + "\">\r" + values + "      </configitem>\r";
}

std::string value(const std::string& text, const std::string& name = {}) {
    const std::string attribute = name.empty() ? "" : " name = \"" + name + "\"";
    return "         <value" + attribute + ">" + text + "</value>\r";
}

std::string profile(const std::string& name, const std::string& basicValues) {
    return group("WLAN Profile", name, item("Basic", basicValues));
}

TEST(RecordImport, StoresValuesAsTheDeviceKeepsThem) {
    DeviceConfig config = DeviceConfig::factoryDefault();
    const auto outcome = importRecord(
        record(group("Tunnel Connect", "1",
                     item("Reconnect Time", value("90")) + item("Start Character", value("0x0d"))) +
               group("Tunnel Disconnect", "1",
                     item("Timeout", value("0")) + item("Flush Line", value("Enable"))) +
               group("Line", "1",
                     item("Baud Rate", value("115200 bits per second")) + item("Xon Char", value("0x7F")))),
        config);
    ASSERT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    EXPECT_FALSE(outcome.reboot);
    EXPECT_EQ(config.value({"Tunnel Connect", "1", "Reconnect Time"}), "1 minute 30 seconds");
    EXPECT_EQ(config.value({"Tunnel Connect", "1", "Start Character"}), "<control>M");
    EXPECT_EQ(config.value({"Tunnel Disconnect", "1", "Timeout"}), "<Disabled>");
    EXPECT_EQ(config.value({"Tunnel Disconnect", "1", "Flush Line"}), "Enabled");
    EXPECT_EQ(config.value({"Line", "1", "Baud Rate"}), "115200 bits per second");
    EXPECT_EQ(config.value({"Line", "1", "Xon Char"}), "0x7f");
    // Values the record leaves out stay as they were.
    EXPECT_EQ(config.value({"Line", "1", "Parity"}), "None");
}

TEST(RecordImport, AnythingWrongRefusesTheWholeRecordWithOneLineEach) {
    const DeviceConfig factory = DeviceConfig::factoryDefault();
    DeviceConfig config = factory;
    const auto outcome = importRecord(
        record(group("Radio", "", item("Band", value("5 GHz Only")) + item("Band", value("6 GHz Only"))) +
               group("Bluetooth", "", item("State", value("Enabled"))) +
               group("Interface", "eth0", item("State", value("Enabled"))) +
               group("Line", "1", item("Colour", value("red")) + item("Data Bits", value("9"))) +
               group("Interface", "ap0", item("DHCP IP Address Range", value("1.2.3.4", "Middle"))) +
               group("Access Point", "ap0", item("Passphrase", value("&lt;Configured&gt;")))),
        config);
    ASSERT_EQ(outcome.errors.size(), 7u);
    for (const std::string& line : outcome.errors) {
        EXPECT_TRUE(line.starts_with("ERROR: ")) << line;
        EXPECT_EQ(line.find('>'), std::string::npos) << line;
    }
    EXPECT_NE(outcome.errors[0].find("\"6 GHz Only\""), std::string::npos);
    EXPECT_NE(outcome.errors[1].find("unknown group \"Bluetooth\""), std::string::npos);
    EXPECT_NE(outcome.errors[6].find("&lt;Configured&gt;"), std::string::npos);
    EXPECT_EQ(config, factory);
}

TEST(RecordImport, MalformedRecordsChangeNothing) {
    const DeviceConfig factory = DeviceConfig::factoryDefault();
    for (const std::string& text :
         {record(group("Radio", "", item("Band", value("Dual")))).substr(0, 120),
          std::string("not a record\r"), std::string("<statusrecord></statusrecord>\r"),
          record(group("Radio", "", item("Band", "         <value>Dual<b/></value>\r"))),
          record("   <configgroup name = \"Radio\" colour = \"red\">\r   </configgroup>\r"),
          "<configrecord version=\"0.1.0.1\" colour=\"red\">\r" +
              group("Radio", "", item("Band", value("Dual"))) + "</configrecord>\r"}) {
        DeviceConfig config = factory;
        const auto outcome = importRecord(text, config);
        EXPECT_EQ(outcome.errors.size(), 1u) << text;
        EXPECT_EQ(config, factory);
    }
}

TEST(RecordImport, StationProfilesAreAddedChangedAndDeleted) {
    DeviceConfig config = DeviceConfig::factoryDefault();
    std::string four;
    for (const char* name : {"_a", "_b", "_c", "_d"}) {
        four += profile(name, value(std::string("net") + name, "Network Name"));
    }
    ASSERT_TRUE(importRecord(record(four), config).errors.empty());
    EXPECT_EQ(config.profileNames(), (std::vector<std::string>{"_a", "_b", "_c", "_d"}));
    EXPECT_EQ(config.value({"WLAN Profile", "_b", "Basic", "State"}), "Enabled");

    const DeviceConfig withFour = config;
    EXPECT_EQ(importRecord(record(profile("_e", value("fifth", "Network Name"))), config).errors.size(), 1u);
    EXPECT_EQ(importRecord(record(profile("_f", value("Disable", "State"))), config).errors.size(), 1u);
    const std::string deleteUnknown =
        group("XML Import Control", "", item("WLAN Profile delete", value("_x", "name")));
    EXPECT_EQ(importRecord(record(deleteUnknown), config).errors.size(), 1u);
    EXPECT_EQ(config, withFour);

    ASSERT_TRUE(importRecord(record(profile("_b", value("Disable", "State"))), config).errors.empty());
    EXPECT_EQ(config.value({"WLAN Profile", "_b", "Basic", "State"}), "Disabled");
    EXPECT_EQ(config.value({"WLAN Profile", "_b", "Basic", "Network Name"}), "net_b");

    const std::string deleteFirst =
        group("XML Import Control", "", item("WLAN Profile delete", value("_a", "name")));
    ASSERT_TRUE(importRecord(record(deleteFirst + profile("_e", value("fifth", "Network Name"))), config)
                    .errors.empty());
    EXPECT_EQ(config.profileNames(), (std::vector<std::string>{"_b", "_c", "_d", "_e"}));
}

TEST(RecordImport, TheDumpWithItsSecretsRestoresTheConfiguration) {
    DeviceConfig config = DeviceConfig::factoryDefault();
    ASSERT_TRUE(importRecord(record(profile("_ome", value("home", "Network Name")) +
                                    group("WLAN Profile", "_ome",
                                          item("Security", value("WPA2", "Suite") +
                                                               value("a passphrase", "WPAx Passphrase")))),
                             config)
                    .errors.empty());
    const std::string shown = renderConfigRecord(config, Secrets::shown);
    const std::string masked = renderConfigRecord(config, Secrets::masked);
    EXPECT_NE(shown.find("<value name = \"WPAx Passphrase\">a passphrase</value>\r\n"), std::string::npos);
    EXPECT_NE(masked.find("<value name = \"WPAx Passphrase\">&lt;Configured&gt;</value>\r\n"),
              std::string::npos);
    EXPECT_NE(masked.find("<value name = \"WPAx Key\"></value>\r\n"), std::string::npos);

    DeviceConfig restored = DeviceConfig::factoryDefault();
    ASSERT_TRUE(importRecord(shown, restored).errors.empty());
    EXPECT_EQ(restored, config);
    // The masked dump cannot be typed back: the device refuses to take the mask for a secret.
    EXPECT_FALSE(importRecord(masked, restored).errors.empty());
}

} // namespace
} // namespace marlo::sim
