# The Windows side: the form layer, the program's units, zafrena.exe and
# the tests that run under Wine.
enable_language(RC)

add_compile_options(-Wall -Wextra -Wno-missing-field-initializers -municode)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Runs on a bare Windows: no MinGW runtime DLLs; ASLR and DEP on.
add_link_options(-static -Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-insert-timestamp)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
endif()

add_library(zafrena_forms STATIC ${ZAFRENA_FORMS_SOURCES})
target_link_libraries(zafrena_forms PUBLIC zafrena_logic user32 gdi32)

add_library(zafrena_units STATIC ${ZAFRENA_WIN_SOURCES})
target_link_libraries(zafrena_units PUBLIC zafrena_forms advapi32)

# Every resource of the program: the common ones, then each subsystem's
# assets/<subsystem>/resources.rc. The Windows-side tests link them too.
file(GLOB ZAFRENA_RC_PARTS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
     ${CMAKE_SOURCE_DIR}/assets/*/resources.rc)
set(ZAFRENA_RC_INCLUDES "")
foreach(part ${ZAFRENA_RC_PARTS})
    string(APPEND ZAFRENA_RC_INCLUDES "#include \"${part}\"\n")
endforeach()
configure_file(assets/zafrena.rc.in ${CMAKE_BINARY_DIR}/generated/zafrena.rc @ONLY)
set(ZAFRENA_RC ${CMAKE_BINARY_DIR}/generated/zafrena.rc)
file(GLOB_RECURSE ZAFRENA_ASSETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*)
set_source_files_properties(${ZAFRENA_RC} PROPERTIES OBJECT_DEPENDS "${ZAFRENA_ASSETS}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${CMAKE_SOURCE_DIR}")
add_library(zafrena_resources OBJECT ${ZAFRENA_RC})

add_executable(zafrena WIN32 app/Zafrena.cpp $<TARGET_OBJECTS:zafrena_resources>)
target_link_libraries(zafrena PRIVATE zafrena_units)
target_link_options(zafrena PRIVATE -municode)

if(ZAFRENA_TESTS)
    enable_testing()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/lib/wine-exec)
    add_subdirectory(tests/win)
    add_subdirectory(tests/e2e)
endif()

option(ZAFRENA_BENCH "Build the benchmarks that scripts/bench runs" ON)
if(ZAFRENA_BENCH)
    add_subdirectory(bench)
endif()
