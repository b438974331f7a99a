# Fails when a file in src/ includes a folder of a higher layer, or lives in or
# includes a folder that has no layer. One-way layers keep the folders free of
# include cycles, so each can be read, tested and changed from the bottom up.
#
#   cmake -DSRC_DIR=<repo>/src -P tools/check_layers.cmake

# Bottom to top: a folder may include its own and the folders before it.
set(LAYERS core texts data widgets shell views content sites automation exchange app)

# Upward includes still allowed, as "folder/File.cpp:folder/Header.h".
set(ALLOWED_UPWARD)

if(NOT SRC_DIR OR NOT IS_DIRECTORY "${SRC_DIR}")
  message(FATAL_ERROR "check_layers: set SRC_DIR to the src folder (got '${SRC_DIR}')")
endif()

string(REPLACE ";" " < " order "${LAYERS}")
set(include_regex "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/([^\"]+)\"")

# The 1-based number of the first line of file that equals line.
function(line_number_of file line out)
  file(READ "${file}" text)
  string(FIND "${text}" "${line}" at)
  if(at LESS 0)
    set(${out} "?" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${text}" 0 ${at} before)
  string(REGEX REPLACE "[^\n]" "" newlines "${before}")
  string(LENGTH "${newlines}" count)
  math(EXPR count "${count} + 1")
  set(${out} ${count} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC_DIR}" "${SRC_DIR}/*.h" "${SRC_DIR}/*.cpp")
list(SORT sources)
set(faults 0)
set(checked 0)
foreach(source ${sources})
  math(EXPR checked "${checked} + 1")
  string(FIND "${source}" "/" slash)
  if(slash LESS 0)
    message(NOTICE "src/${source}: not in a layer folder (${order})")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  string(SUBSTRING "${source}" 0 ${slash} folder)
  list(FIND LAYERS "${folder}" level)
  if(level LESS 0)
    message(NOTICE "src/${source}: folder '${folder}' has no layer; add it to LAYERS in tools/check_layers.cmake")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  file(STRINGS "${SRC_DIR}/${source}" includes REGEX "${include_regex}")
  foreach(include ${includes})
    string(REGEX MATCH "${include_regex}" _ "${include}")
    set(target "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
    list(FIND LAYERS "${target}" target_level)
    if(target_level LESS 0)
      line_number_of("${SRC_DIR}/${source}" "${include}" line)
      message(NOTICE "src/${source}:${line}: includes \"${header}\" from folder '${target}', which has no layer")
      math(EXPR faults "${faults} + 1")
    elseif(target_level GREATER level)
      list(FIND ALLOWED_UPWARD "${source}:${header}" allowed)
      if(allowed LESS 0)
        line_number_of("${SRC_DIR}/${source}" "${include}" line)
        message(NOTICE "src/${source}:${line}: ${folder} includes \"${header}\" of the higher layer ${target}")
        math(EXPR faults "${faults} + 1")
      endif()
    endif()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "check_layers: ${faults} fault(s) in ${checked} files; layers from the bottom: ${order}")
endif()
message(STATUS "check_layers: ${checked} files, every include stays in its layer or goes down")
