#include "printing/recording_canvas.h"

#include <algorithm>

#include "core/text.h"

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
    z.przeksztalcenie = przeksztalcenie();
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
    orientacja_ = o;
}

double RecordingCanvas::text_width(const std::string& s) const {
    return static_cast<double>(utf8_length(s)) * 0.5 * czcionka().rozmiar * 25.4 / 72.0;
}

Arkusz RecordingCanvas::arkusz() const {
    if (orientacja_ == Orientacja::pionowa) return arkusz_;
    const Arkusz& a = arkusz_;
    return {a.wysokosc, a.szerokosc, a.gorny, a.prawy, a.dolny, a.lewy};
}

Obszar RecordingCanvas::obszar_pierwszej_strony() const {
    Obszar o;
    for (const ZapisRysunku& z : zapisy_) {
        if (z.strona > 0) break;
        if (z.rodzaj != ZapisRysunku::Rodzaj::prostokat && z.rodzaj != ZapisRysunku::Rodzaj::elipsa &&
            z.rodzaj != ZapisRysunku::Rodzaj::linia)
            continue;
        const double pol = z.pioro.styl == StylPiora::brak ? 0 : z.pioro.szerokosc * kMmNaJednostkePiora / 2;
        const double x1 = std::min(z.x1, z.x2) - pol, x2 = std::max(z.x1, z.x2) + pol;
        const double y1 = std::min(z.y1, z.y2) - pol, y2 = std::max(z.y1, z.y2) + pol;
        if (o.pusty) {
            o = {x1, y1, x2, y2, false};
        } else {
            o.x1 = std::min(o.x1, x1);
            o.y1 = std::min(o.y1, y1);
            o.x2 = std::max(o.x2, x2);
            o.y2 = std::max(o.y2, y2);
        }
    }
    return o;
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
