// SPDX-License-Identifier: MIT
#include "web/errormessage.h"

std::string_view errorMessage(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return "Грешка при изпълнение: препълване — числото не се побира в допустимите граници.";
    case RuntimeError::Kind::DivisionByZero:
        return "Грешка при изпълнение: деление на нула.";
    }
    return "Грешка при изпълнение.";
}
