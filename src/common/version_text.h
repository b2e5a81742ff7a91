#pragma once
// The program's version as the caption and the About box show it.

namespace lmv::common {

inline constexpr char VersionText[] = "2018.03.26";

}
