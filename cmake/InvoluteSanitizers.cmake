# Sanitizer and fuzzing instrumentation, applied per target by
# involute_target_defaults.
#
# INVOLUTE_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report. GCC leaves
# float-cast-overflow out of "undefined", so it is named: a double that does
# not fit the integer it is converted to is undefined behaviour. Division by
# zero in doubles stays allowed: it is IEEE arithmetic, and the calculation
# checks every step's result for infinities itself.
#
# INVOLUTE_FUZZ (clang only) adds libFuzzer's coverage instrumentation to
# every target; fuzz targets link libFuzzer's main (fuzz/CMakeLists.txt).
set(INVOLUTE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                             -fno-omit-frame-pointer)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND INVOLUTE_SANITIZER_FLAGS -fsanitize=float-cast-overflow)
endif()

if(INVOLUTE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "INVOLUTE_FUZZ needs clang (libFuzzer); configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ or use the 'fuzz' preset")
endif()

# GCC's instrumentation makes -Wmaybe-uninitialized report code that is fine
# (libstdc++'s <regex> under GCC 12, for one); GCC's manual advises against
# sanitizers with -Werror for that reason. The ordinary build keeps the warning.
set(INVOLUTE_SANITIZER_WARNING_FLAGS)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(INVOLUTE_SANITIZER_WARNING_FLAGS -Wno-maybe-uninitialized)
endif()

function(involute_target_sanitizers target)
    if(INVOLUTE_SANITIZE OR INVOLUTE_FUZZ)
        target_compile_options(${target} PRIVATE ${INVOLUTE_SANITIZER_FLAGS}
                                                 ${INVOLUTE_SANITIZER_WARNING_FLAGS})
        target_link_options(${target} PRIVATE ${INVOLUTE_SANITIZER_FLAGS})
    endif()
    if(INVOLUTE_FUZZ)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
endfunction()
