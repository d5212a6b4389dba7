# SPDX-License-Identifier: MIT
# Hardening of the optimised native builds (Release, RelWithDebInfo), with the flags
# Debian builds its packages with: checked variants of the C library's string and
# memory functions (_FORTIFY_SOURCE, which needs optimisation), a stack protector,
# relocations made read-only after they are all bound at start-up (RELRO, BIND_NOW),
# and a position-independent executable, so that address randomisation covers it.
# Debug builds, among them the sanitizer build, keep their plain flags (but for PIE,
# see below); the browser build does not include this file.
# Include this file from the top-level CMakeLists.txt before the first target.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(optimised "$<CONFIG:Release,RelWithDebInfo>")

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # A toolchain may define _FORTIFY_SOURCE itself; -U first avoids a redefinition.
    add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    check_cxx_compiler_flag(-fstack-protector-strong ROVALIN_HAVE_STACK_PROTECTOR)
    if(ROVALIN_HAVE_STACK_PROTECTOR)
        add_compile_options("$<${optimised}:-fstack-protector-strong>")
    endif()
endif()

# ELF linkers only (GNU ld, gold, lld).
check_linker_flag(CXX "LINKER:-z,relro,-z,now" ROVALIN_HAVE_RELRO_NOW)
if(ROVALIN_HAVE_RELRO_NOW)
    add_link_options("$<${optimised}:LINKER:-z,relro,-z,now>")
endif()

# Compiles with -fPIE and, with check_pie_supported() done, links with -pie. This is a
# target property for every build type; Debian's compiler makes PIE by default anyway,
# so debug builds there are built as before.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)

unset(optimised)
