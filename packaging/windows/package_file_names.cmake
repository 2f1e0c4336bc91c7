# Read by CPack for each generator: the installer is one for 32- and 64-bit
# Windows, so its name says what it is rather than an architecture; the zips
# keep the names CPACK_PACKAGE_FILE_NAME gives them.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "involute-${CPACK_PACKAGE_VERSION}-windows-setup")
endif()
