#pragma once

namespace marlo {

// Shown by both ways a record comes in, the read from the device and the file load.
inline constexpr const char* importFailedMessage = "設定データの解析に失敗しました。";

} // namespace marlo
