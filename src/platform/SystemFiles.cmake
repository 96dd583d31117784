# The file calls that saving needs, a library of their own: core declares the interface and is
# handed an implementation, so the system headers and #ifdefs stay in src/platform; it needs
# nothing of core but one header. Included from here and from the fuzz-only build, which builds
# core and nothing else.
add_library(r5k27_system_files STATIC ${CMAKE_CURRENT_LIST_DIR}/SystemFileCalls.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/FileLock.cpp)
target_include_directories(r5k27_system_files PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(r5k27_system_files PUBLIC Qt6::Core PRIVATE r5k27_strict)
