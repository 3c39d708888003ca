# Debian dependencies computed from files rather than from the built program: the program may be
# a sanitizer build, whose own list of shared libraries names the sanitizer runtimes, which no
# user's package should need.

# The upstream part of a Debian version: "6.4.2+dfsg-10" gives "6.4.2", "2.36-9+deb12u4" gives "2.36".
function(_ombrel_upstream_version version out)
  string(REGEX REPLACE "^[0-9]+:" "" version "${version}")
  string(REGEX MATCH "^[0-9][0-9.]*[0-9]|^[0-9]" version "${version}")
  set(${out} "${version}" PARENT_SCOPE)
endfunction()

# Sets `out` to the Depends entries ("package (>= version)") of the Debian packages that hold the
# given files, in order, without repeats. A file that no package holds stops the configuration.
function(ombrel_debian_depends_of_files out)
  set(entries "")
  set(seen "")
  foreach(path IN LISTS ARGN)
    file(REAL_PATH "${path}" real)
    # dpkg knows a file by the path its package ships, which a merged /usr may hide.
    string(REGEX REPLACE "^/usr/lib/" "/lib/" unmerged "${real}")
    set(package "")
    foreach(candidate IN ITEMS "${path}" "${real}" "${unmerged}")
      execute_process(COMMAND dpkg-query -S "${candidate}" OUTPUT_VARIABLE owner
                      RESULT_VARIABLE failed ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT failed)
        string(REGEX MATCH "^[^:,]+" package "${owner}")
        break()
      endif()
    endforeach()
    if(package STREQUAL "")
      message(FATAL_ERROR "No Debian package holds ${path}; the package's Depends cannot be computed")
    endif()
    if(package IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${package}")
    execute_process(COMMAND dpkg-query -W -f=\${Version} "${package}" OUTPUT_VARIABLE version
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    _ombrel_upstream_version("${version}" version)
    list(APPEND entries "${package} (>= ${version})")
  endforeach()
  list(JOIN entries ", " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()
