// The sound channels the county's map objects and screens play on.
#pragma once

#include <string_view>

namespace valorne {

// The sounds of the fields, the works and the people's screens.
inline constexpr std::string_view kCountySoundChannel = "EnvChanel03";

// The short click of a work place that is staffed or freed.
inline constexpr std::string_view kClickChannel = "ClickChanel01";
inline constexpr std::string_view kClickSound = "click01.wav";

}  // namespace valorne
