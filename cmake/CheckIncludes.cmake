# Fails when a source file includes across the layers the wrong way:
#   hashes, app/platform, app/core, localisation: no Qt header at all;
#   each layer: nothing from the layers above it (hashes <- platform <- core
#   <- localisation <- app), and app/widgets, app/threads and app/browser
#   nothing from app/window;
#   everywhere: project headers by their path from the tree's root, never
#   relative to the including file ("../x.h" slips past the rules above).
#   app/core, localisation: no POSIX header (their system calls go through
#   app/platform).
#
#   cmake -DSOURCE_ROOT=<tree> -DQT_INCLUDE_ROOT=<.../qt6> -P CheckIncludes.cmake
#
# With -DEXPECTED=<file> it instead compares the violations found with the
# lines of that file, so the check itself can be tested on a small tree.

if(NOT SOURCE_ROOT OR NOT QT_INCLUDE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT and QT_INCLUDE_ROOT must be given")
endif()

get_filename_component(SOURCE_ROOT ${SOURCE_ROOT} ABSOLUTE)
set(app_only "app/browser/|app/program/|app/threads/|app/widgets/|app/window/")
# folder | what it may not include (quoted project paths) | Qt rule
set(kt_layers
    "hashes|app/|localisation/|none"
    "app/platform|app/core/|localisation/|${app_only}|none"
    "app/core|localisation/|${app_only}|none"
    "localisation|${app_only}|none"
    "app/widgets|app/window/|any"
    "app/threads|app/window/|any"
    "app/browser|app/window/|any")
set(posix_banned "^(app/core|localisation)$")
set(posix_headers
    "^(sys|arpa|netinet|net)/|^(unistd|fcntl|dirent|signal|poll|pthread|dlfcn|pwd|grp|spawn|netdb|termios|glob|fnmatch|libgen|sched|semaphore|syslog|utime|wordexp)\\.h$")

# The Qt module folder of a header in angle brackets, or "" when it is not Qt's.
function(kt_qt_module header out)
  set(module "")
  if(header MATCHES "^(Qt[A-Za-z]+)/")
    set(module ${CMAKE_MATCH_1})
  elseif(header MATCHES "^Q[A-Za-z0-9_]+(\\.h)?$")
    file(GLOB hits LIST_DIRECTORIES false "${QT_INCLUDE_ROOT}/Qt*/${header}")
    if(hits)
      list(GET hits 0 hit)
      get_filename_component(dir ${hit} DIRECTORY)
      get_filename_component(module ${dir} NAME)
    endif()
  endif()
  set(${out} ${module} PARENT_SCOPE)
endfunction()

# Every file is read once; its layer's findings are kept apart and reported
# layer by layer, the relative includes of all files after them.
set(files)
foreach(folder hashes app localisation tools bench tests)
  file(GLOB_RECURSE more RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/${folder}/*.h
       ${SOURCE_ROOT}/${folder}/*.cpp)
  list(APPEND files ${more})
endforeach()
# Test data is never compiled.
list(FILTER files EXCLUDE REGEX "^tests/data/")
list(SORT files)
list(LENGTH kt_layers layer_count)
math(EXPR last_layer "${layer_count} - 1")
set(relative)
foreach(file ${files})
  set(layer_index -1)
  foreach(index RANGE ${last_layer})
    list(GET kt_layers ${index} layer)
    string(REPLACE "|" ";" parts "${layer}")
    list(POP_FRONT parts folder)
    if(file MATCHES "^${folder}/")
      set(layer_index ${index})
      list(POP_BACK parts qt_rule)
      list(JOIN parts "|" banned)
      break()
    endif()
  endforeach()
  file(STRINGS ${SOURCE_ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${includes})
    if(line MATCHES "\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      if(header MATCHES "(^|/)\\.\\.?/")
        list(APPEND relative "${file}: ${header} is a relative include")
      endif()
      if(layer_index GREATER_EQUAL 0 AND header MATCHES "^(${banned})")
        list(APPEND found_${layer_index} "${file}: ${header} is from a layer above ${folder}")
      endif()
    elseif(layer_index GREATER_EQUAL 0 AND line MATCHES "<([^>]+)>")
      set(header ${CMAKE_MATCH_1})
      if(folder MATCHES "${posix_banned}" AND header MATCHES "${posix_headers}")
        list(APPEND found_${layer_index} "${file}: <${header}> is a POSIX header in ${folder}")
      endif()
      if(NOT qt_rule STREQUAL "any")
        kt_qt_module(${header} module)
        if(module)
          list(APPEND found_${layer_index} "${file}: <${header}> is a Qt header in ${folder}")
        endif()
      endif()
    endif()
  endforeach()
endforeach()
set(found)
foreach(index RANGE ${last_layer})
  list(APPEND found ${found_${index}})
endforeach()
list(APPEND found ${relative})

if(EXPECTED)
  file(STRINGS ${EXPECTED} wanted)
  if(NOT found STREQUAL wanted)
    list(JOIN found "\n  " found_text)
    list(JOIN wanted "\n  " wanted_text)
    message(FATAL_ERROR "Found:\n  ${found_text}\nExpected:\n  ${wanted_text}")
  endif()
elseif(found)
  list(JOIN found "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
