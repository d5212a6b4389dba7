// SPDX-License-Identifier: MIT
#include "game/runtimeerror.h"

namespace {

const char *describe(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return "overflow";
    case RuntimeError::Kind::DivisionByZero:
        return "division by zero";
    }
    return "run-time error";
}

} // namespace

RuntimeError::RuntimeError(Kind kind)
    : std::runtime_error(describe(kind))
    , errorKind(kind)
{
}
