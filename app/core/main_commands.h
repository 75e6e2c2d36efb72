#pragma once

// The main window's commands: where each is offered and what it does. A new command is one action
// function and its rows in main_commands.cpp; the window builds its pane and menu from these tables.
// A page or menu with no command yet is not shown.

#include <span>

namespace zlx::app {

class Tmain_frm;

using Akcja = void (*)(Tmain_frm& main);

// The navigation pane's pages in their order; the first one shown is active at start.
inline constexpr const char* kStronyPanelu[] = {"Przelewy", "Kartoteki", "Ustawienia"};

struct PrzyciskPanelu {
    const char* strona;      // one of kStronyPanelu
    const char* tekst;       // caption
    const char* podpowiedz;  // hint: tooltip and status bar text ("" for none)
    Akcja akcja;
};

// The main menu's menus in their order; '&' marks the Alt key letter (rows name a menu without it).
inline constexpr const char* kMenuGlowne[] = {"&Plik",       "P&rzelewy",     "&Kartoteki",
                                              "&Ustawienia", "&Archiwizacja", "P&omoc"};

struct PozycjaMenu {
    const char* menu;   // one of kMenuGlowne, without its '&'
    const char* tekst;  // item caption; nullptr makes the menu itself the command
    bool separator_przed;
    const char* klawisz;  // the command's key, shown beside the caption ("Ctrl+B")
    Akcja akcja;
};

std::span<const PrzyciskPanelu> przyciski_panelu();
std::span<const PozycjaMenu> pozycje_menu();

}  // namespace zlx::app
