# The Windows runtime is the front of every setup, so every byte of it is
# downloaded with every product: the Windows builds are made for size (the
# MinSizeRel presets), every function and datum gets its own section so that
# the linker drops what nothing calls, the whole program is optimised at link
# time (inlining and dropping across files: about an eighth of the program),
# and the debug data moves out of the program into a file beside it.
if(WIN32)
  # -g only fills the separate debug file; it changes no generated code.
  add_compile_options(-ffunction-sections -fdata-sections -g)
  # No type information beyond what exceptions need: nothing asks a
  # polymorphic object its type.
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
  add_link_options(-Wl,--gc-sections)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
  # The MinGW compiler fails inside its own passes when the link-time work is
  # split into partitions (an internal error on symbols of another
  # partition); one partition builds, and gives the same bytes every time.
  add_link_options(-flto-partition=one)
endif()

# Moves target's debug sections into <file>.debug beside it and leaves a debug
# link (the file's name and checksum) in the program, which debuggers follow.
# objcopy stamps the PE header it writes with the time of day unless
# SOURCE_DATE_EPOCH says otherwise; the stamp is that date when the build is
# given one and zero (as the linker leaves it) when not.
function(vorna_split_debug_info target)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(stamp $ENV{SOURCE_DATE_EPOCH})
  else()
    set(stamp 0)
  endif()
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${stamp} ${CMAKE_OBJCOPY})
  set(file $<TARGET_FILE_NAME:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMAND ${objcopy} --only-keep-debug ${file} ${file}.debug
    COMMAND ${objcopy} --strip-debug --strip-unneeded --add-gnu-debuglink=${file}.debug ${file}
    VERBATIM)
endfunction()
