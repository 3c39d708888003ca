# Warnings as errors for our own targets; link `ombrel_warnings` to opt in.
add_library(ombrel_warnings INTERFACE)
target_compile_options(ombrel_warnings INTERFACE -Wall -Wextra -Werror)

# The engine's results are defined operation by operation in single precision:
# never let the compiler fuse a multiply and an add or reassociate anything.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(OMBREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -O1 -g)
  add_link_options(-fsanitize=address,undefined)
endif()

# What every test runs under: offscreen, no scaling unless a test asks, its own runtime folder,
# and the sanitizers' leak check with our suppressions.
set(OMBREL_TEST_ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;QT_ENABLE_HIGHDPI_SCALING=0;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;ASAN_OPTIONS=detect_leaks=1")

# One CTest entry per test executable, run offscreen so no display is needed.
function(ombrel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ombrel_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${OMBREL_TEST_ENVIRONMENT}")
endfunction()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
