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
    endif()
    involute_target_sanitizers(${target})
endfunction()
