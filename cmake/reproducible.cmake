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
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>
                    $<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)

# Windows programs carry a link time stamp in their PE header unless told not to.
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
