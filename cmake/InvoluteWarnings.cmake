# Warning and floating-point settings, applied per target.
#
# Every digit the calculator prints is part of its contract, so the compiler
# may neither contract a*b+c into a fused multiply-add nor relax IEEE
# semantics: -ffp-contract=off is set explicitly because clang's default
# ("on") would fuse within expressions on FMA-capable targets.
include(InvoluteSanitizers)

function(involute_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -ffp-contract=off)
    if(INVOLUTE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
        # g++ 12 at -O3 (Release only) reports std::string's own copies as
        # overlapping (-Wrestrict, GCC bug 105329): warned, not fatal.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-error=restrict>)
        endif()
    endif()
    involute_target_sanitizers(${target})
    # Libraries may be linked into the window module (involute-window-qt.so):
    # position-independent code, with hidden symbols, so that the module
    # exports only its entry point and calls inside it are bound as tightly
    # as in the program.
    get_target_property(type ${target} TYPE)
    if(NOT WIN32 AND type MATCHES "^(STATIC|MODULE)_LIBRARY$")
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON
                                                   CXX_VISIBILITY_PRESET hidden
                                                   VISIBILITY_INLINES_HIDDEN ON)
    endif()
endfunction()
