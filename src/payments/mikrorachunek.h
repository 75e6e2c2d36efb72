#pragma once

// The taxpayer's micro-account (mikrorachunek podatkowy, since 2020): PIT, CIT and VAT, with their
// interest and costs, and a few other taxes are paid to an account of the taxpayer's own, made from the
// identifier; every other tax still goes to a tax office's account. Layout: 2 check digits (NRB rule),
// "10100071" (the central bank), "222", then 2 and the 10-digit NIP followed by "00", or 1 and the
// 11-digit PESEL followed by "0". PESEL is for a person who runs no business and pays neither VAT nor
// ZUS as a payer; everyone else uses the NIP.

#include <string>
#include <string_view>

namespace zlx {

// Returns the 26-digit micro-account for identifier type 'N' (NIP) or 'P' (PESEL), or "" for another
// type or an identifier that is not valid of its type. The identifier may hold blanks, dashes, "PL".
std::string mikrorachunek(char typ_identyfikatora, std::string_view identyfikator);

// Returns whether a tax of this form symbol ("VAT-7K", "PIT-4R", "PPL", "PSD" …) is paid to the
// micro-account. Letter case and blanks around it do not matter.
bool symbol_na_mikrorachunek(std::string_view symbol);

}  // namespace zlx
