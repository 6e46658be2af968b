#pragma once

#include <QString>
#include <optional>

namespace zn {

// Playing length of a PCM wave file in milliseconds, from its header; nothing
// when the file is missing or not a wave file.
std::optional<int> WavDurationMs(const QString& path);

} // namespace zn
