# Standard streams and file identity: the one place for the operating system
# calls that keep `involute batch` from writing onto its own input. Each
# header has one implementation per system (*_posix.cpp, *_windows.cpp).
if(WIN32)
    set(involute_stream_system windows)
else()
    set(involute_stream_system posix)
endif()
add_library(involute_stream_identity STATIC
    ${CMAKE_CURRENT_LIST_DIR}/file_identity_${involute_stream_system}.cpp
    ${CMAKE_CURRENT_LIST_DIR}/std_streams_${involute_stream_system}.cpp)
add_library(involute::stream_identity ALIAS involute_stream_identity)
target_include_directories(involute_stream_identity PUBLIC ${PROJECT_SOURCE_DIR})
involute_target_defaults(involute_stream_identity)
