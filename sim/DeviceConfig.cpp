#include "sim/DeviceConfig.h"

#include "sim/DeviceSchema.h"

#include <algorithm>

namespace marlo::sim {

namespace {

StoredGroup groupFromRule(const GroupRule& rule, std::string instance) {
    StoredGroup group{rule.name, std::move(instance), {}};
    for (const ItemRule& itemRule : rule.items) {
        const std::vector<std::string> instances =
            itemRule.instances.empty() ? std::vector<std::string>{""} : itemRule.instances;
        for (const std::string& itemInstance : instances) {
            StoredItem item{itemRule.name, itemInstance, {}};
            for (const ValueRule& valueRule : itemRule.values) {
                item.values.push_back({valueRule.name, valueRule.initial});
            }
            group.items.push_back(std::move(item));
        }
    }
    return group;
}

// The value at `address` in `groups`, const or not as the groups are.
template <typename Groups>
auto findValue(Groups& groups, const ValueAddress& address) -> decltype(&groups[0].items[0].values[0]) {
    for (auto& group : groups) {
        if (group.name != address.group || group.instance != address.groupInstance) {
            continue;
        }
        for (auto& item : group.items) {
            if (item.name != address.item || item.instance != address.itemInstance) {
                continue;
            }
            for (auto& value : item.values) {
                if (value.name == address.value) {
                    return &value;
                }
            }
        }
    }
    return nullptr;
}

} // namespace

DeviceConfig DeviceConfig::factoryDefault() {
    DeviceConfig config;
    for (const GroupRule& rule : deviceSchema()) {
        if (rule.kind != GroupKind::settings) {
            continue;
        }
        for (const std::string& instance : rule.instances) {
            config.groups_.push_back(groupFromRule(rule, instance));
        }
    }
    return config;
}

std::optional<std::string> DeviceConfig::value(const ValueAddress& address) const {
    const StoredValue* found = findValue(groups_, address);
    return found ? std::optional<std::string>(found->text) : std::nullopt;
}

bool DeviceConfig::setValue(const ValueAddress& address, std::string text) {
    StoredValue* found = findValue(groups_, address);
    if (!found) {
        return false;
    }
    found->text = std::move(text);
    return true;
}

std::vector<std::string> DeviceConfig::profileNames() const {
    std::vector<std::string> names;
    for (const StoredGroup& group : groups_) {
        if (group.name == profileGroupName) {
            names.push_back(group.instance);
        }
    }
    return names;
}

bool DeviceConfig::hasProfile(std::string_view name) const {
    return std::any_of(groups_.begin(), groups_.end(), [&](const StoredGroup& group) {
        return group.name == profileGroupName && group.instance == name;
    });
}

void DeviceConfig::addProfile(std::string name) {
    groups_.push_back(groupFromRule(*findGroupRule(profileGroupName, name), name));
}

bool DeviceConfig::removeProfile(std::string_view name) {
    const auto before = groups_.size();
    std::erase_if(groups_, [&](const StoredGroup& group) {
        return group.name == profileGroupName && group.instance == name;
    });
    return groups_.size() != before;
}

} // namespace marlo::sim
