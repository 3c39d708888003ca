# One static library per folder of src/, seen by the others as ombrel::<name>.
#
#   ombrel_module(<name> [AUTOMOC] SOURCES <file>... [LINKS <target>...])
#
# The module's include root in the build tree holds a single link,
# <name> -> src/<name>, exported PUBLIC: includes keep the spelling
# "<name>/file.h", and a module sees only its own headers and those of the
# modules it LINKS (PUBLIC, so they pass on to whoever links it). An include
# from a higher layer then fails to compile. Warnings are errors.
function(ombrel_module name)
  cmake_parse_arguments(ARG "AUTOMOC" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  add_library(ombrel::${name} ALIAS ${name})
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE ombrel_warnings)
  if(ARG_AUTOMOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()
