# Checks every source of every floor in layers.cmake: a quoted include must
# name a header of the floor itself or of a floor below it, and only the
# platform implementations may include system headers (an angle include with
# ".h" or "/" in its name; the C++ standard headers have neither), but for the
# headers of the outside libraries a floor links (VORNA_OUTSIDE_HEADERS_<floor>).
#
#   cmake -DSOURCE_DIR=<tree> -DSTAMP=<file> -P check_includes.cmake
#
# Prints every violation and fails; writes STAMP when there is none.
cmake_minimum_required(VERSION 3.24)
include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)

set(violations "")
foreach(floor IN LISTS VORNA_FLOORS)
  vorna_floors_below(${floor} allowed)
  list(APPEND allowed ${floor})
  list(FIND VORNA_SYSTEM_FLOORS ${floor} system_allowed)
  file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${floor}/*.h ${SOURCE_DIR}/${floor}/*.cpp)
  foreach(source IN LISTS sources)
    vorna_floor_of(${source} own)
    if(NOT own STREQUAL floor)
      continue()  # platform/installed_platform.* is a floor of its own
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        vorna_floor_of(${CMAKE_MATCH_1} target)
        if(NOT target STREQUAL "" AND NOT target IN_LIST allowed)
          list(APPEND violations "${source}: ${floor} may not include ${CMAKE_MATCH_1} (${target})")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
        set(header ${CMAKE_MATCH_1})
        if(system_allowed EQUAL -1 AND header MATCHES "[./]"
           AND NOT header IN_LIST VORNA_OUTSIDE_HEADERS_${floor})
          list(APPEND violations "${source}: ${floor} may not include the system header <${header}>")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes across the floors (see cmake/layers.cmake):\n  ${text}")
endif()
file(TOUCH ${STAMP})
