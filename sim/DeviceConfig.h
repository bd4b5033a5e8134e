#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

struct StoredValue {
    std::string name; // empty for an item's unnamed value
    std::string text; // as the device stores it, unescaped
    bool operator==(const StoredValue&) const = default;
};

struct StoredItem {
    std::string name;
    std::string instance;
    std::vector<StoredValue> values;
    bool operator==(const StoredItem&) const = default;
};

struct StoredGroup {
    std::string name;
    std::string instance;
    std::vector<StoredItem> items;
    bool operator==(const StoredGroup&) const = default;
};

// Where a value lives: group and instance, item and instance, value name. Empty instances and
// names stand for absent ones.
struct ValueAddress {
    std::string_view group;
    std::string_view groupInstance;
    std::string_view item;
    std::string_view value = {};
    std::string_view itemInstance = {};
};

// The simulated device's whole configuration, its groups in dump order, station profiles last.
class DeviceConfig {
public:
    static DeviceConfig factoryDefault();

    const std::vector<StoredGroup>& groups() const { return groups_; }
    std::optional<std::string> value(const ValueAddress& address) const;
    // False when the device has no such value.
    bool setValue(const ValueAddress& address, std::string text);

    std::vector<std::string> profileNames() const;
    bool hasProfile(std::string_view name) const;
    // A profile with the factory defaults of every profile value.
    void addProfile(std::string name);
    bool removeProfile(std::string_view name);

    bool operator==(const DeviceConfig&) const = default;

private:
    std::vector<StoredGroup> groups_;
};

} // namespace marlo::sim
