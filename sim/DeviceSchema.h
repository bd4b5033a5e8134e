#pragma once

#include "sim/ValueChecks.h"

#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

// Every group, item and value the simulated device knows, in the order it dumps them, with the
// factory default of each value and the check a typed value must pass.

struct ValueRule {
    std::string name; // empty for an item's unnamed value
    std::string initial;
    ValueCheck check;
    bool secret = false; // dumped as "<Configured>" when set
};

struct ItemRule {
    std::string name;
    std::vector<std::string> instances; // empty: the item has no instance
    std::vector<ValueRule> values;
};

enum class GroupKind {
    settings,      // groups the device always has, one per instance
    profile,       // "WLAN Profile": any instance name, created and removed by records
    importControl, // "XML Import Control": directions for one import, never stored
};

struct GroupRule {
    std::string name;
    GroupKind kind = GroupKind::settings;
    std::vector<std::string> instances; // settings groups; {""} for a group without instance
    std::vector<ItemRule> items;
};

inline constexpr std::string_view profileGroupName = "WLAN Profile";
inline constexpr std::string_view importControlGroupName = "XML Import Control";
inline constexpr std::size_t maxProfiles = 4;

const std::vector<GroupRule>& deviceSchema();
bool isKnownGroup(std::string_view name);
// The rule for a group of that name and instance; settings groups match only their own instances.
const GroupRule* findGroupRule(std::string_view name, std::string_view instance);
const ItemRule* findItemRule(const GroupRule& group, std::string_view name);
const ValueRule* findValueRule(const ItemRule& item, std::string_view name);

} // namespace marlo::sim
