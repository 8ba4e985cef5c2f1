# The product's boundary with the device: no product deliverable includes or links anything
# under standins/. Each product is checked after it is built (check_product_boundary.cmake);
# a build with a product across the boundary fails, and fails again until it is mended.

# Registers a product deliverable for the check.
function(lectavo_product target)
  set_property(GLOBAL APPEND PROPERTY LECTAVO_PRODUCTS ${target})
endfunction()

# Everything target links, directly or through the libraries it links: targets by name with
# the folder they are defined in ("name|folder"), other items as written.
function(_lectavo_links_of target out)
  set(links "")
  set(seen ${target})
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    get_target_property(type ${current} TYPE)
    set(properties INTERFACE_LINK_LIBRARIES)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      list(APPEND properties LINK_LIBRARIES)
    endif()
    foreach(property ${properties})
      get_target_property(items ${current} ${property})
      foreach(item IN LISTS items)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        if(item MATCHES "^::@" OR item STREQUAL "items-NOTFOUND")
          continue()
        elseif(NOT TARGET ${item})
          list(APPEND links "${item}")
        elseif(NOT item IN_LIST seen)
          list(APPEND seen ${item})
          list(APPEND queue ${item})
          get_target_property(folder ${item} SOURCE_DIR)
          list(APPEND links "${item}|${folder}")
        endif()
      endforeach()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES links)
  set(${out} "${links}" PARENT_SCOPE)
endfunction()

# The targets whose objects are compiled into target: itself and the static and object libraries
# it links, directly or not.
function(_lectavo_compiled_into target out)
  _lectavo_links_of(${target} links)
  set(compiled ${target})
  foreach(link ${links})
    if(link MATCHES "^([^|]+)\\|")
      get_target_property(type ${CMAKE_MATCH_1} TYPE)
      if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "OBJECT_LIBRARY")
        list(APPEND compiled ${CMAKE_MATCH_1})
      endif()
    endif()
  endforeach()
  set(${out} "${compiled}" PARENT_SCOPE)
endfunction()

# Adds the check of every registered product to the build (target product_boundary).
function(lectavo_check_product_boundary)
  get_property(products GLOBAL PROPERTY LECTAVO_PRODUCTS)
  set(folder ${CMAKE_BINARY_DIR}/product_boundary)
  set(stamps "")
  foreach(product ${products})
    _lectavo_links_of(${product} links)
    # The objects compiled into the product: its own and those of the static libraries it links.
    _lectavo_compiled_into(${product} compiled)
    list(TRANSFORM compiled REPLACE "(.+)" "$<TARGET_OBJECTS:\\1>" OUTPUT_VARIABLE objects)
    string(REPLACE ";" "\n" link_lines "${links}")
    # Rewritten only when the links change, which makes the check run again.
    file(CONFIGURE OUTPUT ${folder}/${product}.links CONTENT "${link_lines}\n")
    set(stamp ${folder}/${product}.checked)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND}
        -DPRODUCT=${product}
        -DSTANDINS=${PROJECT_SOURCE_DIR}/standins
        -DLINKS_FILE=${folder}/${product}.links
        "-DOBJECTS=$<JOIN:${objects},|>"
        "-DINCLUDE_DIRS=$<JOIN:$<TARGET_PROPERTY:${product},INCLUDE_DIRECTORIES>,|>"
        -DSTAMP=${stamp}
        -P ${PROJECT_SOURCE_DIR}/cmake/check_product_boundary.cmake
      DEPENDS ${product} ${folder}/${product}.links
              ${PROJECT_SOURCE_DIR}/cmake/check_product_boundary.cmake
      COMMENT "Checking that ${product} neither includes nor links anything under standins/"
      VERBATIM)
    list(APPEND stamps ${stamp})
  endforeach()
  add_custom_target(product_boundary ALL DEPENDS ${stamps})
endfunction()
