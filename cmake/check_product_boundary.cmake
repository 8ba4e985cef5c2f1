# cmake -P: fails when PRODUCT includes or links anything under STANDINS; writes STAMP when it
# does not. LINKS_FILE holds every link of the product ("target|folder" or the item itself),
# OBJECTS (separated by "|") its compiled objects, each with the dependency file the compiler
# wrote beside it (object.d), INCLUDE_DIRS its include folders.
set(problems "")

file(STRINGS ${LINKS_FILE} links)
foreach(link IN LISTS links)
  if(link MATCHES "^([^|]+)\\|(.*)$")
    cmake_path(IS_PREFIX STANDINS "${CMAKE_MATCH_2}" NORMALIZE inside)
    if(inside)
      list(APPEND problems "links ${CMAKE_MATCH_1} (${CMAKE_MATCH_2})")
    endif()
  elseif(link MATCHES "(^|/)standins/")
    list(APPEND problems "links ${link}")
  endif()
endforeach()

string(REPLACE "|" ";" include_dirs "${INCLUDE_DIRS}")
foreach(folder IN LISTS include_dirs)
  cmake_path(IS_PREFIX STANDINS "${folder}" NORMALIZE inside)
  if(inside)
    list(APPEND problems "has the include folder ${folder}")
  endif()
endforeach()

# Dependency files name what was included as the compiler found it, relative to where it
# ran or absolute: a path through a folder standins/ is one of the device's parts.
string(REPLACE "|" ";" objects "${OBJECTS}")
foreach(object IN LISTS objects)
  if(NOT EXISTS ${object}.d)
    if(NOT object MATCHES "\\.res$")  # resource scripts come without one
      list(APPEND problems "has no dependency file for ${object}")
    endif()
    continue()
  endif()
  file(READ ${object}.d dependencies)
  string(REGEX REPLACE "^[^:]*:[ \t]" "" dependencies "${dependencies}")  # the object itself
  string(REGEX MATCHALL "[^ \t\r\n]*/standins/[^ \t\r\n]*|(^|[ \t\r\n])standins/[^ \t\r\n]*"
         included "${dependencies}")
  foreach(file IN LISTS included)
    string(STRIP "${file}" file)
    get_filename_component(source ${object} NAME_WLE)
    list(APPEND problems "includes ${file} (in ${source})")
  endforeach()
endforeach()

if(problems)
  list(REMOVE_DUPLICATES problems)
  list(JOIN problems "\n  " text)
  file(REMOVE ${STAMP})
  message(FATAL_ERROR "${PRODUCT} is a product deliverable and must stay clear of the device's "
                      "parts under standins/, but it\n  ${text}")
endif()
file(TOUCH ${STAMP})
