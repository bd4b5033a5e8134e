#include "sim/RecordDump.h"

#include "sim/DeviceSchema.h"

#include <algorithm>

namespace marlo::sim {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view leasedAddress = "192.168.11.23";

std::string header(std::string_view root, std::string_view group, std::string_view item) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += lineEnd;
    };
    const std::string rootName(root);
    const std::string groupName(group);
    const std::string itemName(item);
    line("<?xml version=\"1.0\" standalone=\"yes\"?>");
    line("<!-- Automatically generated XML -->");
    line("<!DOCTYPE " + rootName + " [");
    line("   <!ELEMENT " + rootName + " (" + groupName + "+)>");
    line("   <!ELEMENT " + groupName + " (" + itemName + "+)>");
    line("   <!ELEMENT " + itemName + " (value+)>");
    line("   <!ELEMENT value (#PCDATA)>");
    line("   <!ATTLIST " + rootName + " version CDATA #IMPLIED>");
    line("   <!ATTLIST " + groupName + " name CDATA #IMPLIED>");
    line("   <!ATTLIST " + groupName + " instance CDATA #IMPLIED>");
    line("   <!ATTLIST " + itemName + " name CDATA #IMPLIED>");
    line("   <!ATTLIST " + itemName + " instance CDATA #IMPLIED>");
    line("   <!ATTLIST value name CDATA #IMPLIED>");
    line("]>");
    line("<" + rootName + " version=\"0.1.0.1\">");
    return text;
}

std::string startTag(std::string_view indent, std::string_view element, std::string_view name,
                     std::string_view instance) {
    std::string tag =
        std::string(indent) + "<" + std::string(element) + " name = \"" + escapeMarkup(name) + "\"";
    if (!instance.empty()) {
        tag += " instance = \"" + escapeMarkup(instance) + "\"";
    }
    return tag + ">" + std::string(lineEnd);
}

std::string valueLine(std::string_view name, std::string_view text) {
    std::string line = "         <value";
    if (!name.empty()) {
        line += " name = \"" + escapeMarkup(name) + "\"";
    }
    return line + ">" + escapeMarkup(text) + "</value>" + std::string(lineEnd);
}

bool isSecret(const StoredGroup& group, const StoredItem& item, const StoredValue& value) {
    const GroupRule* groupRule = findGroupRule(group.name, group.instance);
    const ItemRule* itemRule = groupRule ? findItemRule(*groupRule, item.name) : nullptr;
    const ValueRule* valueRule = itemRule ? findValueRule(*itemRule, value.name) : nullptr;
    return valueRule && valueRule->secret;
}

std::string renderGroup(const StoredGroup& group, Secrets secrets) {
    std::string text = startTag("   ", "configgroup", group.name, group.instance);
    for (const StoredItem& item : group.items) {
        text += startTag("      ", "configitem", item.name, item.instance);
        for (const StoredValue& value : item.values) {
            const bool masked =
                secrets == Secrets::masked && !value.text.empty() && isSecret(group, item, value);
            text += valueLine(value.name, masked ? "<Configured>" : value.text);
        }
        text += "      </configitem>";
        text += lineEnd;
    }
    text += "   </configgroup>";
    text += lineEnd;
    return text;
}

std::string addressPart(std::string_view addressPrefix) {
    return std::string(addressPrefix.substr(0, addressPrefix.find('/')));
}

} // namespace

std::string renderConfigRecord(const DeviceConfig& config, Secrets secrets, const DumpShape& shape) {
    std::string text = header("configrecord", "configgroup", "configitem");
    for (const StoredGroup& group : config.groups()) {
        if (std::find(shape.leftOut.begin(), shape.leftOut.end(), group.name) == shape.leftOut.end()) {
            text += renderGroup(group, secrets);
        }
    }
    const GroupRule* modem = findGroupRule("Tunnel Modem", "1");
    for (int instance = 2; text.size() < shape.minimumSize; ++instance) {
        StoredGroup padding{modem->name, std::to_string(instance), {}};
        for (const ItemRule& item : modem->items) {
            padding.items.push_back({item.name, "", {{"", item.values.front().initial}}});
        }
        text += renderGroup(padding, secrets);
    }
    text += "</configrecord>";
    text += lineEnd;
    return text;
}

std::string currentStationAddress(const DeviceConfig& config) {
    if (config.value({"Interface", "wlan0", "State"}) != "Enabled") {
        return "<None>";
    }
    if (config.value({"Interface", "wlan0", "DHCP Client"}) == "Enabled") {
        return std::string(leasedAddress);
    }
    return addressPart(config.value({"Interface", "wlan0", "IP Address"}).value_or("<None>"));
}

std::string renderStatusRecord(const DeviceConfig& config) {
    std::string text = header("statusrecord", "statusgroup", "statusitem");
    const auto group = [&text](std::string_view instance, std::string_view address,
                               std::string_view gateway) {
        text += startTag("   ", "statusgroup", "Interface", instance);
        text += startTag("      ", "statusitem", "Current", "");
        text += valueLine("IP Address", address);
        text += valueLine("Default Gateway", gateway);
        text += "      </statusitem>";
        text += lineEnd;
        text += "   </statusgroup>";
        text += lineEnd;
    };
    group("ap0", addressPart(config.value({"Interface", "ap0", "IP Address"}).value_or("<None>")), "<None>");
    const std::string station = currentStationAddress(config);
    group("wlan0", station,
          station == "<None>" ? "<None>"
                              : config.value({"Interface", "wlan0", "Default Gateway"}).value_or(""));
    text += "</statusrecord>";
    text += lineEnd;
    return text;
}

std::string escapeMarkup(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace marlo::sim
