#include "sim/RecordImport.h"

#include "sim/DeviceSchema.h"
#include "sim/RecordDump.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace marlo::sim {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + errorLineText(text) + "\"";
}

class Importer {
public:
    explicit Importer(DeviceConfig& config)
        : config_(config) {}

    ImportOutcome run(std::string_view record) {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_buffer(record.data(), record.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!parsed) {
            error("malformed record: " + std::string(parsed.description()) + " at byte " +
                  std::to_string(parsed.offset));
            return std::move(outcome_);
        }
        const pugi::xml_node root = document.document_element();
        if (std::strcmp(root.name(), "configrecord") != 0) {
            error("not a configuration record: " + quoted(root.name()));
            return std::move(outcome_);
        }
        onlyAttributes(root, {"version"});
        for (const pugi::xml_node group : root.children()) {
            if (expectElement(group, "configgroup", "configrecord")) {
                applyGroup(group);
            }
        }
        if (config_.profileNames().size() > maxProfiles) {
            error("no room for more than " + std::to_string(maxProfiles) + " WLAN profiles");
        }
        if (!outcome_.errors.empty()) {
            outcome_.reboot = false;
        }
        return std::move(outcome_);
    }

private:
    void error(std::string text) { outcome_.errors.push_back("ERROR: " + std::move(text)); }

    bool expectElement(const pugi::xml_node node, const char* element, const char* parent) {
        if (node.type() == pugi::node_comment) {
            return false;
        }
        if (node.type() != pugi::node_element || std::strcmp(node.name(), element) != 0) {
            error(std::string("unexpected ") +
                  (node.type() == pugi::node_element ? quoted(node.name()) : "text") + " in " + parent);
            return false;
        }
        return true;
    }

    bool onlyAttributes(const pugi::xml_node node, std::initializer_list<const char*> allowed) {
        for (const pugi::xml_attribute attribute : node.attributes()) {
            bool known = false;
            for (const char* name : allowed) {
                known = known || std::strcmp(attribute.name(), name) == 0;
            }
            if (!known) {
                error("unknown attribute " + quoted(attribute.name()) + " of " + node.name());
                return false;
            }
        }
        return true;
    }

    void applyGroup(const pugi::xml_node node) {
        if (!onlyAttributes(node, {"name", "instance"})) {
            return;
        }
        const std::string name = node.attribute("name").value();
        const std::string instance = node.attribute("instance").value();
        const GroupRule* rule = findGroupRule(name, instance);
        if (!rule) {
            error(isKnownGroup(name) ? "no instance " + quoted(instance) + " of group " + quoted(name)
                                     : "unknown group " + quoted(name));
            return;
        }
        if (rule->kind == GroupKind::profile) {
            applyProfile(node, *rule, instance);
            return;
        }
        if (rule->kind == GroupKind::importControl && !instance.empty()) {
            error("group " + quoted(name) + " has no instances");
            return;
        }
        for (const pugi::xml_node item : node.children()) {
            if (expectElement(item, "configitem", "configgroup")) {
                applyItem(item, *rule, instance);
            }
        }
    }

    void applyProfile(const pugi::xml_node node, const GroupRule& rule, const std::string& name) {
        if (name.empty() || name.size() > 32) {
            error("WLAN profile name " + quoted(name) + " is not valid");
            return;
        }
        if (!config_.hasProfile(name)) {
            if (!node.find_child([](const pugi::xml_node item) {
                    return std::strcmp(item.attribute("name").value(), "Basic") == 0 &&
                           item.find_child_by_attribute("value", "name", "Network Name");
                })) {
                error("new WLAN profile " + quoted(name) + " has no Network Name");
                return;
            }
            config_.addProfile(name);
        }
        for (const pugi::xml_node item : node.children()) {
            if (expectElement(item, "configitem", "configgroup")) {
                applyItem(item, rule, name);
            }
        }
    }

    void applyItem(const pugi::xml_node node, const GroupRule& group, const std::string& groupInstance) {
        if (!onlyAttributes(node, {"name", "instance"})) {
            return;
        }
        const std::string name = node.attribute("name").value();
        const std::string instance = node.attribute("instance").value();
        const ItemRule* rule = findItemRule(group, name);
        if (!rule) {
            error("unknown item " + quoted(name) + " in group " + quoted(group.name));
            return;
        }
        const bool instanceKnown = rule->instances.empty()
                                       ? instance.empty()
                                       : std::find(rule->instances.begin(), rule->instances.end(),
                                                   instance) != rule->instances.end();
        if (!instanceKnown) {
            error("no instance " + quoted(instance) + " of item " + quoted(name));
            return;
        }
        for (const pugi::xml_node value : node.children()) {
            if (expectElement(value, "value", "configitem")) {
                applyValue(value, group, groupInstance, *rule, instance);
            }
        }
    }

    void applyValue(const pugi::xml_node node, const GroupRule& group, const std::string& groupInstance,
                    const ItemRule& item, const std::string& itemInstance) {
        if (!onlyAttributes(node, {"name"})) {
            return;
        }
        const std::string name = node.attribute("name").value();
        const ValueRule* rule = findValueRule(item, name);
        if (!rule) {
            error("unknown value " + quoted(name) + " of item " + quoted(item.name));
            return;
        }
        if (node.find_child([](const pugi::xml_node child) { return child.type() == pugi::node_element; })) {
            error("value " + quoted(name) + " of item " + quoted(item.name) + " holds elements");
            return;
        }
        const std::string typed = node.text().get();
        const auto stored = rule->check(typed);
        if (!stored) {
            error("value " + quoted(typed) + " not valid for " + quoted(item.name) +
                  (name.empty() ? "" : " " + quoted(name)) + " in group " + quoted(group.name));
            return;
        }
        if (group.kind == GroupKind::importControl) {
            control(item.name, *stored);
            return;
        }
        config_.setValue({group.name, groupInstance, item.name, name, itemInstance}, *stored);
    }

    void control(const std::string& item, const std::string& value) {
        if (item == "Reboot") {
            outcome_.reboot = value == "Enabled";
        } else if (item == "WLAN Profile delete" && !config_.removeProfile(value)) {
            error("no WLAN profile " + quoted(value) + " to delete");
        }
    }

    DeviceConfig& config_;
    ImportOutcome outcome_;
};

} // namespace

std::string errorLineText(std::string_view text) {
    std::string shown = escapeMarkup(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '?';
        }
    }
    return shown;
}

ImportOutcome importRecord(std::string_view record, DeviceConfig& config) {
    DeviceConfig working = config;
    ImportOutcome outcome = Importer(working).run(record);
    if (outcome.errors.empty()) {
        config = std::move(working);
    }
    return outcome;
}

} // namespace marlo::sim
