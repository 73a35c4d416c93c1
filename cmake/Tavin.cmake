# Project-wide build rules: warnings, static runtime, sanitizers, tests.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

if(WIN32)
  enable_language(RC)
  add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # Programs and the DLL must run without any mingw runtime DLL beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Third-party libraries built by the set-up script (in the host trees, sources they compile).
set(TAVIN_DEPS "$ENV{TAVIN_DEPS}" CACHE PATH "Third-party libraries built by scripts/setup.sh")
if(NOT TAVIN_DEPS)
  message(FATAL_ERROR "TAVIN_DEPS is not set: run scripts/setup.sh, or configure through scripts/build.sh")
endif()

if(TAVIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Coverage for libFuzzer in every library the fuzz targets link, not only in the targets.
if(TAVIN_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Our own code is warning-free; third-party code is built without these flags.
function(tavin_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# What a user gets: the program or DLL optimised and stripped, its debug information moved to
# <file>.debug beside it (found again by debuggers through the debug link). Sections start on page
# boundaries in the file as in memory, so a loader can map the image instead of reading it in.
function(tavin_deliver target)
  target_link_options(${target} PRIVATE -Wl,--file-alignment,0x1000)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# Third-party libraries cross-built by the set-up script.
function(tavin_import_static name libfile incdir)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION "${libfile}"
                        INTERFACE_INCLUDE_DIRECTORIES "${incdir}")
endfunction()

# Test programs only check behaviour: in the optimised tree they are compiled lightly optimised and
# with line tables only, which halves their compile time (the cold build runs on two cores).
function(tavin_light_build target)
  if(CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo")
    target_compile_options(${target} PRIVATE -Og -g1)
  endif()
endfunction()

macro(tavin_setup_testing)
  enable_testing()
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(_gtest_target gtest gtest_main gmock gmock_main)
    tavin_light_build(${_gtest_target})
  endforeach()
  if(WIN32)
    # Each Windows test program runs under Wine; the runner owns the prefix and the display.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run)
  endif()
endmacro()

# tavin_add_test(<name> [GUI] SOURCES ... [LIBS ...] [TIMEOUT s] [LABELS ...])
# One GoogleTest program, run as one CTest test (under Wine in the Windows tree).
# GUI: the program shows windows, takes focus or reads the screen, so it never runs beside
# another GUI program.
function(tavin_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  tavin_strict(${name})
  tavin_light_build(${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "TAVIN_TEST_TIMEOUT=${T_TIMEOUT}")
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK tavin_display)
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/TavinResources.cmake)
