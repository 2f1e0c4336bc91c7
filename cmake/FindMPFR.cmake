# MPFR and GMP (Debian's libmpfr-dev) as the imported target MPFR::MPFR.
# Only the tests and the table generator link it, never the program.
find_path(MPFR_INCLUDE_DIR mpfr.h)
find_library(MPFR_LIBRARY mpfr)
find_library(GMP_LIBRARY gmp)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MPFR REQUIRED_VARS MPFR_LIBRARY GMP_LIBRARY MPFR_INCLUDE_DIR)
if(MPFR_FOUND AND NOT TARGET MPFR::MPFR)
    add_library(MPFR::MPFR INTERFACE IMPORTED)
    set_target_properties(MPFR::MPFR PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${MPFR_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${MPFR_LIBRARY};${GMP_LIBRARY}")
endif()
