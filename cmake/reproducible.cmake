# Two builds of one commit give the same bytes wherever the source tree and
# the build folder lie, so anyone can rebuild a published runtime and compare
# it with the one inside a signed setup (`make reproducible` checks it).
#
# Paths written into objects (debug data, __FILE__) are made relative: the
# source tree becomes "." and the build folder "build". GCC lets the last
# matching map win, and the build folder usually lies inside the tree, so it
# comes second. Debug builds (the sanitizer and fuzz presets) ship nothing and
# keep absolute paths, which debuggers follow without being told where the
# sources are. Nothing in the tree embeds a date; a compiler asked for one
# honours SOURCE_DATE_EPOCH by itself.
#
# A compiler cache with a base folder (ccache's base_dir) hands the compiler
# the sources as paths relative to the build folder ("../../values/x.cpp"),
# so that checkouts share objects; the third map gives those the same names
# as the absolute paths get.
file(RELATIVE_PATH source_from_build ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
string(REGEX REPLACE "/$" "" source_from_build "${source_from_build}")
set(path_maps -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
if(source_from_build)
  list(APPEND path_maps -ffile-prefix-map=${source_from_build}=.)
endif()
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${path_maps}>")

# Windows programs carry a link time stamp in their PE header unless told not to.
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
