// SPDX-License-Identifier: MIT
#pragma once

// The floating-point overloads of std::to_chars and std::from_chars, for a standard
// library that does not have them yet (the libc++ of Debian's Emscripten 3.1). The game
// uses both to print and read its numbers; this header is put in front of the game's
// sources in the browser build only, and stands aside once the library has them.
//
// Both follow their definition in the standard: to_chars with a format and precision
// prints as printf's %.*g (or %.*e, %.*f, %.*a) does in the C locale, and from_chars reads
// what strtod reads, less leading blanks, a plus sign and hexadecimal.

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <version>

#ifndef __cpp_lib_to_chars

namespace std {

inline to_chars_result to_chars(char *first, char *last, double value, chars_format format,
                                int precision)
{
    const char *conversion = format == chars_format::scientific ? "%.*e"
        : format == chars_format::fixed                          ? "%.*f"
        : format == chars_format::hex                            ? "%.*a"
                                                                 : "%.*g";
    // snprintf needs room for its terminating null, which the result does not keep.
    string text(static_cast<size_t>(snprintf(nullptr, 0, conversion, precision, value)), '\0');
    snprintf(text.data(), text.size() + 1, conversion, precision, value);
    // to_chars writes hexadecimal without printf's "0x".
    if (const size_t prefix = text.find("0x"); format == chars_format::hex && prefix != string::npos)
        text.erase(prefix, 2);
    if (text.size() > static_cast<size_t>(last - first))
        return {last, errc::value_too_large};
    return {first + text.copy(first, text.size()), errc{}};
}

inline from_chars_result from_chars(const char *first, const char *last, double &value,
                                    chars_format /*format*/ = chars_format::general)
{
    const string text(first, last);
    const size_t unsignedAt = !text.empty() && text.front() == '-' ? 1 : 0;
    if (unsignedAt == text.size() || text[unsignedAt] == '+' || text[unsignedAt] == '-'
        || isspace(static_cast<unsigned char>(text[unsignedAt])) != 0) {
        return {first, errc::invalid_argument};
    }

    // strtod would take "0x1p3" as hexadecimal; the general format reads its "0" only.
    const bool hexadecimal = text.compare(unsignedAt, 2, "0x") == 0
        || text.compare(unsignedAt, 2, "0X") == 0;
    const string number = hexadecimal ? text.substr(0, unsignedAt + 1) : text;

    char *end = nullptr;
    errno = 0;
    const double parsed = strtod(number.c_str(), &end);
    const auto consumed = end - number.c_str();
    if (consumed == 0)
        return {first, errc::invalid_argument};
    // Some C libraries report a subnormal result as out of range too, though a double
    // holds it; only an overflow to infinity or an underflow to zero is out of range.
    if (errno == ERANGE && (parsed == 0.0 || isinf(parsed)))
        return {first + consumed, errc::result_out_of_range};
    value = parsed;
    return {first + consumed, errc{}};
}

} // namespace std

#endif
