#pragma once

#include <QTest>

namespace marlo {

// A device operation against the simulated device, or a flow of several, is given far longer than
// it needs; the limit only keeps a broken test from hanging.
inline constexpr int deviceLimitMs = 60000;

template <class Condition> bool waitUntil(Condition condition) {
    return QTest::qWaitFor(condition, deviceLimitMs);
}

} // namespace marlo
