#pragma once

// Lookups in what a recording canvas captured.

#include <string>
#include <vector>

#include "printing/recording_canvas.h"

namespace zlx::test {

using Zapisy = std::vector<ZapisRysunku>;

// Returns the texts printed with the baseline at y (within 0.01 mm), left to right as recorded.
inline Zapisy teksty_na(const RecordingCanvas& c, double y) {
    Zapisy out;
    for (const ZapisRysunku& z : c.teksty())
        if (z.y1 > y - 0.01 && z.y1 < y + 0.01) out.push_back(z);
    return out;
}

inline std::string sklej(const Zapisy& z) {
    std::string s;
    for (const ZapisRysunku& r : z)
        s += r.tekst;
    return s;
}

// Returns the filled, pen-less bars of one row (cell separators).
inline Zapisy kratki_wiersza(const RecordingCanvas& c, double y) {
    Zapisy out;
    for (const ZapisRysunku& z : c.rodzaju(ZapisRysunku::Rodzaj::prostokat))
        if (z.pioro.styl == StylPiora::brak && z.y1 > y - 0.01 && z.y1 < y + 0.01 && z.x2 - z.x1 < 0.11)
            out.push_back(z);
    return out;
}

inline const ZapisRysunku* znajdz_tekst(const RecordingCanvas& c, const std::string& s) {
    for (const ZapisRysunku& z : c.zapisy())
        if (z.rodzaj == ZapisRysunku::Rodzaj::tekst && z.tekst == s) return &z;
    return nullptr;
}

}  // namespace zlx::test
