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

# What every test runs under: the C locale (English, whatever the machine speaks), offscreen, no
# scaling unless a test asks, its own runtime folder, and the sanitizers' leak check with our
# suppressions.
set(OMBREL_TEST_ENVIRONMENT
  "LC_ALL=C.UTF-8;LANGUAGE=;QT_QPA_PLATFORM=offscreen;QT_ENABLE_HIGHDPI_SCALING=0;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;ASAN_OPTIONS=detect_leaks=1")

# A test executable and its CTest entries, labelled unit, window, e2e or slow (README.md,
# Development):
#
#   ombrel_add_test(<name> LABEL <label> [WHOLE] SOURCES <file>... LIBS <target>...)
#
# Each GoogleTest case becomes its own entry (<Suite>.<Case>), found when ctest starts, so a
# failing case is named and `ctest -L unit` can pick the quick ones. WHOLE keeps one entry that
# runs the whole executable: for programs that are no GoogleTest, and for suites much slower
# split than whole.
function(ombrel_add_test name)
  cmake_parse_arguments(ARG "WHOLE" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL MATCHES "^(unit|window|e2e|slow)$")
    message(FATAL_ERROR "ombrel_add_test(${name}): LABEL must be unit, window, e2e or slow")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ombrel_warnings)
  if(ARG_WHOLE)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${OMBREL_TEST_ENVIRONMENT}"
                                            LABELS ${ARG_LABEL})
    return()
  endif()
  # At test time rather than after the build: listing the cases runs the binary, which under
  # the sanitizers belongs with the tests. The list is kept until the binary changes.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
                       TEST_LIST ${name}_CASES)
  # The properties come from a script of our own that ctest reads after the discovered list:
  # gtest_discover_tests would split the environment's list at its semicolons.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${script}
    "if(${name}_CASES)\n"
    "  set_tests_properties(\${${name}_CASES} PROPERTIES\n"
    "    ENVIRONMENT \"${OMBREL_TEST_ENVIRONMENT}\"\n"
    "    LABELS ${ARG_LABEL})\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
