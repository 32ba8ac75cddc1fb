# The floors of the tree, bottom up, and what each stands on.
#
# A floor may include its own headers and those of every floor below it (the
# floors it stands on, and theirs, and so on); it may call nothing else. One
# table says so, and the build holds every floor to it twice:
# - includes: check_includes.cmake reads every source of a floor and fails the
#   build on an include of a floor it does not stand on, and on a system
#   header in any floor but the platform implementations;
# - calls: each floor's static library is also linked, whole, into a check
#   program together with the libraries of the floors below it alone, so a
#   call upward is an undefined symbol and fails the link.
#
# Hosts, tools, tests and benchmarks stand on top and may use any floor.
#
# This file is included by the project and by check_includes.cmake (script
# mode), so it holds only variables and functions.

# VORNA_STANDS_ON_<floor>: the floors directly below it.
set(VORNA_STANDS_ON_resources "")
set(VORNA_STANDS_ON_platform "resources")
set(VORNA_STANDS_ON_platform/installed "platform")
set(VORNA_STANDS_ON_platform/answers "platform")
set(VORNA_STANDS_ON_platform/portable "platform;platform/answers")
set(VORNA_STANDS_ON_platform/win32 "platform")
set(VORNA_STANDS_ON_installdata "platform")
set(VORNA_STANDS_ON_values "")
set(VORNA_STANDS_ON_script "values;installdata")
set(VORNA_STANDS_ON_statements "script")
set(VORNA_STANDS_ON_builtins "script")
set(VORNA_STANDS_ON_install "script")
set(VORNA_STANDS_ON_host/startup "statements;builtins;install;platform/installed;platform/answers")

# The floors whose sources are checked, and the floors whose sources may
# include system headers (they are the machine's side of the platform).
set(VORNA_FLOORS resources platform platform/installed platform/answers platform/portable
    platform/win32 installdata values script statements builtins install host/startup)
set(VORNA_SYSTEM_FLOORS platform/portable platform/win32)

# The library that holds a floor's code (none for the header-only resources).
set(VORNA_LIBRARY_platform vorna_platform_api)
set(VORNA_LIBRARY_platform/installed vorna_platform_installed)
set(VORNA_LIBRARY_platform/answers vorna_platform_answers)
set(VORNA_LIBRARY_platform/portable vorna_platform_portable)
set(VORNA_LIBRARY_platform/win32 vorna_platform_win32)
set(VORNA_LIBRARY_installdata vorna_installdata)
set(VORNA_LIBRARY_values vorna_values)
set(VORNA_LIBRARY_script vorna_script)
set(VORNA_LIBRARY_statements vorna_statements)
set(VORNA_LIBRARY_builtins vorna_builtins)
set(VORNA_LIBRARY_install vorna_install)
set(VORNA_LIBRARY_host/startup vorna_startup)

# The floor a path inside the tree belongs to ("script/keywords.h" -> script).
function(vorna_floor_of path out)
  if(path MATCHES "^platform/installed_platform\\.")
    set(floor platform/installed)
  elseif(path MATCHES "^(platform/answers|platform/portable|platform/win32|host/[^/]+|tools/[^/]+)/")
    set(floor ${CMAKE_MATCH_1})
  elseif(path MATCHES "^([^/]+)/")
    set(floor ${CMAKE_MATCH_1})
  else()
    set(floor "")
  endif()
  set(${out} "${floor}" PARENT_SCOPE)
endfunction()

# Every floor below floor, however far down.
function(vorna_floors_below floor out)
  set(below "")
  foreach(lower IN LISTS VORNA_STANDS_ON_${floor})
    vorna_floors_below(${lower} deeper)
    list(APPEND below ${lower} ${deeper})
  endforeach()
  list(REMOVE_DUPLICATES below)
  set(${out} "${below}" PARENT_SCOPE)
endfunction()

# The static library of floor from sources, linked to the libraries of the
# floors it stands on, and its link check: the library linked whole into a
# program with nothing but the floors below, so that a call upward cannot link.
function(vorna_floor_library floor)
  set(target ${VORNA_LIBRARY_${floor}})
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(lower IN LISTS VORNA_STANDS_ON_${floor})
    if(DEFINED VORNA_LIBRARY_${lower})
      target_link_libraries(${target} PUBLIC ${VORNA_LIBRARY_${lower}})
    endif()
  endforeach()
  add_executable(${target}_link_check ${CMAKE_SOURCE_DIR}/cmake/link_check_main.cpp)
  target_link_libraries(${target}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  target_link_options(${target}_link_check PRIVATE -Wl,--no-undefined)
endfunction()

# The include check, part of every build: reruns when a source of a checked
# floor or the table changes, and fails the build on a violation.
function(vorna_add_include_check)
  set(sources "")
  foreach(floor IN LISTS VORNA_FLOORS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${floor}/*.h
         ${CMAKE_SOURCE_DIR}/${floor}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  set(stamp ${CMAKE_BINARY_DIR}/layer_includes.checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
    DEPENDS ${sources} ${CMAKE_SOURCE_DIR}/cmake/layers.cmake
            ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
    COMMENT "Checking that every floor includes only the floors below it")
  add_custom_target(vorna_layer_includes ALL DEPENDS ${stamp})
endfunction()
