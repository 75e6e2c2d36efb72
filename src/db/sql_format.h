#pragma once

// The only ways values enter statement text. Statements are built as text from fixed fragments and
// these conversions; there are no parameters.

#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/datetime.h"

namespace zlx {

// Returns the text in single quotes with every single quote doubled: O'Neil -> 'O''Neil'. NUL
// characters are left out.
std::string sql_str(std::string_view text);
// Returns the decimal digits, with a minus sign when negative.
std::string sql_int(long long value);
// Returns 'yyyy-mm-dd'; the time is dropped.
std::string sql_date(TDateTime date);
// Returns the amount with two decimals and the decimal comma in quotes: '1234,50'.
std::string sql_money(Currency amount);
// Mode 0: " data BETWEEN  #m/d/yy#  AND  #m/d/yy#  " (month and day without leading zeros); any other
// mode: "". A year outside 1930-2029 is written with four digits, because two digits would be read
// back as a year of the other century.
std::string sql_okres_daty(int mode, TDateTime from, TDateTime to);

}  // namespace zlx
