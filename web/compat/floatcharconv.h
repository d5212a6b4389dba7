// SPDX-License-Identifier: MIT
#pragma once

// The floating-point overload of std::to_chars with a format and a precision, for a
// standard library that does not have it yet (the libc++ of Debian's Emscripten 3.1).
// The form prints its numbers with it; this header is put in front of the form's
// sources in the browser build only, and stands aside once the library has it.
//
// It follows its definition in the standard: it prints as printf's %.*g (or %.*e,
// %.*f, %.*a) does in the C locale.

#include <charconv>
#include <cstdio>
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

} // namespace std

#endif
