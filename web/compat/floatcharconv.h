// SPDX-License-Identifier: MIT
#pragma once

// The floating-point std::to_chars with a format and a precision, for a standard
// library that does not have it yet (the libc++ of Debian's Emscripten 3.1). The form
// prints its numbers with it in the general format; this header is put in front of
// the form's sources in the browser build only, and stands aside once the library has
// it.
//
// It prints as the standard defines it, as printf's %.*g does in the C locale: the
// number rounded to precision significant digits (half to even, from its exact
// value), in fixed notation when its decimal exponent lies in -4 to precision - 1
// and in scientific notation otherwise, the exponent with at least two digits,
// without trailing zeros. It works the digits out itself rather than through
// snprintf, which would bring the whole of C's printf into the page. The other
// formats are not offered.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>
#include <version>

#ifndef __cpp_lib_to_chars

namespace std {

namespace rovalin_detail {

// The exact decimal digits of a double's magnitude, and the position of the decimal
// point after the first of them: 0.5 gives "5" and 0, 25.0 gives "25" and 2.
inline pair<string, int> exactDigits(double magnitude)
{
    int binaryExponent = 0;
    const double fraction = frexp(magnitude, &binaryExponent);
    constexpr int mantissaBits = 53;
    auto mantissa = static_cast<uint64_t>(ldexp(fraction, mantissaBits));
    binaryExponent -= mantissaBits;

    // The value is mantissa * 2^binaryExponent: an integer times a power of two, or
    // mantissa * 5^k / 10^k for a negative exponent -k. The integer is kept in limbs
    // of nine decimal digits, lowest first.
    constexpr uint32_t limb = 1000000000;
    vector<uint32_t> limbs;
    for (; mantissa > 0; mantissa /= limb)
        limbs.push_back(static_cast<uint32_t>(mantissa % limb));
    const uint32_t factor = binaryExponent >= 0 ? 2 : 5;
    for (int step = 0; step < (binaryExponent >= 0 ? binaryExponent : -binaryExponent); ++step) {
        uint64_t carry = 0;
        for (uint32_t &part : limbs) {
            const uint64_t product = uint64_t{part} * factor + carry;
            part = static_cast<uint32_t>(product % limb);
            carry = product / limb;
        }
        if (carry > 0)
            limbs.push_back(static_cast<uint32_t>(carry));
    }
    string digits = to_string(limbs.back());
    for (auto part = limbs.rbegin() + 1; part != limbs.rend(); ++part) {
        const string group = to_string(*part);
        digits += string(9 - group.size(), '0') + group;
    }
    const int point = static_cast<int>(digits.size()) + (binaryExponent >= 0 ? 0 : binaryExponent);
    return {digits, point};
}

} // namespace rovalin_detail

inline to_chars_result to_chars(char *first, char *last, double value, chars_format format, int precision)
{
    if (format != chars_format::general)
        return {first, errc::invalid_argument};
    string text = signbit(value) ? "-" : "";
    if (isnan(value)) {
        text += "nan";
    } else if (isinf(value)) {
        text += "inf";
    } else if (value == 0.0) {
        text += "0";
    } else {
        const size_t kept = precision > 0 ? static_cast<size_t>(precision) : 1;
        auto [digits, point] = rovalin_detail::exactDigits(fabs(value));
        // Rounded to kept significant digits, a tie to the even one.
        if (digits.size() > kept) {
            const bool beyondHalf = digits.find_first_not_of('0', kept + 1) != string::npos;
            const char next = digits[kept];
            const bool up = next > '5' || (next == '5' && (beyondHalf || (digits[kept - 1] - '0') % 2 == 1));
            digits.resize(kept);
            if (up) {
                size_t at = kept;
                while (at > 0 && digits[at - 1] == '9')
                    digits[--at] = '0';
                if (at == 0) {
                    digits.insert(digits.begin(), '1');
                    digits.pop_back();
                    ++point;
                } else {
                    ++digits[at - 1];
                }
            }
        }
        digits.erase(digits.find_last_not_of('0') + 1);
        const int exponent = point - 1;
        if (exponent >= -4 && exponent < static_cast<int>(kept)) {
            if (point <= 0) {
                text += "0." + string(static_cast<size_t>(-point), '0') + digits;
            } else if (static_cast<size_t>(point) >= digits.size()) {
                text += digits + string(static_cast<size_t>(point) - digits.size(), '0');
            } else {
                text += digits.substr(0, static_cast<size_t>(point)) + '.' + digits.substr(static_cast<size_t>(point));
            }
        } else {
            text += digits.substr(0, 1);
            if (digits.size() > 1)
                text += '.' + digits.substr(1);
            const int size = exponent < 0 ? -exponent : exponent;
            text += (exponent < 0 ? "e-" : "e+") + string(size < 10 ? "0" : "") + to_string(size);
        }
    }
    if (text.size() > static_cast<size_t>(last - first))
        return {last, errc::value_too_large};
    return {first + text.copy(first, text.size()), errc{}};
}

} // namespace std

#endif
