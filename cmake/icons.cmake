# Every program's icons come from one program of ours, icons/make_icons, built with the build
# machine's own compiler as a project of its own and run there; the icon files land in
# build/<preset>/icons.
include(ExternalProject)

set(LECTAVO_ICON_FOLDER ${CMAKE_BINARY_DIR}/icons)
set(_lectavo_icon_files product.ico reading_on.ico reading_off.ico lectavo_config.ico)
list(TRANSFORM _lectavo_icon_files PREPEND ${LECTAVO_ICON_FOLDER}/)
string(REPLACE ";" "|" _lectavo_icon_list "${_lectavo_icon_files}")
ExternalProject_Add(lectavo_icons
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/icons
  BINARY_DIR ${CMAKE_BINARY_DIR}/icons-host
  LIST_SEPARATOR |
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release "-DLECTAVO_ICON_FILES=${_lectavo_icon_list}"
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${_lectavo_icon_files})
# Built again, and the icons drawn again, when a file of the program changes; otherwise the
# build passes it by without a word.
file(GLOB _lectavo_icon_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/icons/*)
ExternalProject_Add_StepDependencies(lectavo_icons build ${_lectavo_icon_sources})

# target's resource script rc_file (a source of the current folder) includes icon files by name.
function(lectavo_uses_icons target rc_file)
  add_dependencies(${target} lectavo_icons)
  target_include_directories(${target} PRIVATE ${LECTAVO_ICON_FOLDER})
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${_lectavo_icon_files}")
endfunction()
