#pragma once

// The register pickers the entry screens open: the counterparty register ("Lista [F2]"), the own
// companies ("Lista [F3]") and the title dictionary ("[F7]"). Each returns the chosen record after an
// OK result, nothing otherwise.

#include <optional>
#include <string>

#include "app/core/services.h"
#include "registers/przkth.h"
#include "registers/slowniki.h"

class QWidget;

namespace zlx::app {

std::optional<TPrzKth> wybierz_kontrahenta(const Services& services, QWidget* owner,
                                           const std::string& nazwa);
std::optional<TPrzKth> wybierz_firme(const Services& services, QWidget* owner, const std::string& nazwa);
std::optional<TSlowTyt> wybierz_tytul(const Services& services, QWidget* owner);

}  // namespace zlx::app
