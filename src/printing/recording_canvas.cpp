#include "printing/recording_canvas.h"

namespace zlx {

void RecordingCanvas::zapisz(ZapisRysunku::Rodzaj r, double x1, double y1, double x2, double y2,
                             const std::string& s) {
    ZapisRysunku z;
    z.rodzaj = r;
    z.x1 = x1;
    z.y1 = y1;
    z.x2 = x2;
    z.y2 = y2;
    z.tekst = s;
    z.pioro = pioro();
    z.pedzel = pedzel();
    z.czcionka = czcionka();
    z.strona = strona_;
    zapisy_.push_back(std::move(z));
}

void RecordingCanvas::rectangle(double x1, double y1, double x2, double y2) {
    zapisz(ZapisRysunku::Rodzaj::prostokat, x1, y1, x2, y2, {});
}

void RecordingCanvas::ellipse(double x1, double y1, double x2, double y2) {
    zapisz(ZapisRysunku::Rodzaj::elipsa, x1, y1, x2, y2, {});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2) {
    zapisz(ZapisRysunku::Rodzaj::linia, x1, y1, x2, y2, {});
}

void RecordingCanvas::text(double x, double y, const std::string& s) {
    zapisz(ZapisRysunku::Rodzaj::tekst, x, y, x, y, s);
}

void RecordingCanvas::new_page() {
    zapisz(ZapisRysunku::Rodzaj::nowa_strona, 0, 0, 0, 0, {});
    ++strona_;
}

void RecordingCanvas::orientation(Orientacja o) {
    zapisz(ZapisRysunku::Rodzaj::orientacja, 0, 0, 0, 0, {});
    zapisy_.back().orientacja = o;
}

std::vector<ZapisRysunku> RecordingCanvas::rodzaju(ZapisRysunku::Rodzaj r) const {
    std::vector<ZapisRysunku> out;
    for (const ZapisRysunku& z : zapisy_)
        if (z.rodzaj == r) out.push_back(z);
    return out;
}

std::vector<ZapisRysunku> RecordingCanvas::teksty() const {
    return rodzaju(ZapisRysunku::Rodzaj::tekst);
}

}  // namespace zlx
