#pragma once

// The font families the blanks name, as the font service here knows them. "Arial CE" and
// "Times New Roman CE" are the Central-European cuts of Arial and Times New Roman: asking without the
// suffix finds their metric-compatible clones with Polish letters. "Arial Black" has no clone; a bold
// face of the Arial family stands in for it.

#include <string>

namespace zlx {

struct RodzinaCzcionki {
    std::string nazwa;
    bool pogrubiona = false;  // bold whatever the font's own setting
};

RodzinaCzcionki rodzina_czcionki(const std::string& nazwa);

}  // namespace zlx
