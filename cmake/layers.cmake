# The layers and what the build holds them to.
#
# The project's top folders are layers, lowest first, and folders of
# programs (the programs' main files, tests, benchmarks, fuzz targets) that
# stand above every layer. The top CMakeLists.txt names them once:
#
#   sumimai_add_layers(core data_files ... export)   # lowest first; adds each folder
#   sumimai_program_folders(apps tools tests ...)    # above every layer
#
# Two rules follow, both checked while configuring:
# - Includes: a library exposes only its own headers (sumimai_expose_headers),
#   so an include that reaches into a library that is not linked does not
#   build. A program's folder exposes only the headers it names
#   (sumimai_share_headers), never the whole folder.
# - Links: a target links only targets of its own layer or of layers below
#   it. When a target of a layer links one of a higher layer, or of a program
#   folder, configure stops and names both. Targets of program folders link
#   anything. Targets from outside the tree (Qt6::, GTest::, ...) are not
#   checked.
#
# To add a layer (say worksheets/ between export/ and playback/): make the
# folder with its CMakeLists.txt (add_library, sumimai_expose_headers,
# target_link_libraries to the layers below) and put its name into the list
# of sumimai_add_layers at its place. A target defined in a top folder that
# is in neither list stops configure, so a new folder cannot slip past the
# check. The tests of these rules are in tests/layers/.

# sumimai_add_layers(folder...): the layers, lowest first; each folder is
# added to the build in that order.
function(sumimai_add_layers)
  set_property(GLOBAL APPEND PROPERTY SUMIMAI_LAYERS ${ARGN})
  foreach(folder IN LISTS ARGN)
    add_subdirectory(${folder})
  endforeach()
endfunction()

# sumimai_program_folders(folder...): folders whose targets stand above every
# layer. The caller adds them to the build itself (some only with Qt, some
# only with tests).
function(sumimai_program_folders)
  set_property(GLOBAL APPEND PROPERTY SUMIMAI_PROGRAM_FOLDERS ${ARGN})
endfunction()

# Our libraries expose only their own headers. sumimai_expose_headers gives a
# target a public include folder that holds links to the headers of the
# folder the target is defined in, under that folder's path in the source
# tree: "drawing/canvas.h" is found by the targets that link the drawing
# library, and by no other. An include that reaches into a library that is
# not linked (a lower layer including a higher one) does not build.
function(sumimai_expose_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  _sumimai_link_headers(${target} ${CMAKE_CURRENT_SOURCE_DIR} ${folder} ${headers})
endfunction()

# sumimai_share_headers(target header...): a library of a program folder
# (test helpers, a tool's parts its tests use) exposes just the headers
# named, paths relative to the calling list file's folder, included by that
# same relative path ("test_files.h", "checks/checks.h").
function(sumimai_share_headers target)
  set(headers ${ARGN})
  list(TRANSFORM headers PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
  _sumimai_link_headers(${target} ${CMAKE_CURRENT_LIST_DIR} . ${headers})
endfunction()

# Links each header (an absolute path under base) into the target's exposed
# folder under prefix/<its path below base>, and makes that folder the
# target's public include folder.
function(_sumimai_link_headers target base prefix)
  set(root ${PROJECT_BINARY_DIR}/exposed/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${prefix})
  foreach(header IN LISTS ARGN)
    if(NOT EXISTS ${header})
      message(FATAL_ERROR "${target}: no header ${header} to expose")
    endif()
    file(RELATIVE_PATH name ${base} ${header})
    get_filename_component(dir ${root}/${prefix}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${header} ${root}/${prefix}/${name} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# The rank of a target: its layer's place in the list, or one above the
# highest layer for a program folder. Sets out_rank and out_folder.
function(_sumimai_rank_of target out_rank out_folder)
  get_property(layers GLOBAL PROPERTY SUMIMAI_LAYERS)
  get_property(programs GLOBAL PROPERTY SUMIMAI_PROGRAM_FOLDERS)
  get_target_property(dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH path ${CMAKE_SOURCE_DIR} ${dir})
  string(REGEX REPLACE "/.*" "" folder "${path}")
  list(FIND layers "${folder}" rank)
  if(rank LESS 0)
    if(NOT "${folder}" IN_LIST programs OR "${folder}" STREQUAL "")
      message(FATAL_ERROR "${target} is defined in ${path}/, and the top folder \"${folder}\" is neither "
              "a layer nor a program folder: name it in sumimai_add_layers (at its place) or in "
              "sumimai_program_folders in the top CMakeLists.txt (see cmake/layers.cmake).")
    endif()
    list(LENGTH layers rank)
  endif()
  set(${out_rank} ${rank} PARENT_SCOPE)
  set(${out_folder} ${folder} PARENT_SCOPE)
endfunction()

# Every target defined in dir and the folders below it.
function(_sumimai_targets_in dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _sumimai_targets_in(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The project's own targets a target links, directly, by any keyword.
function(_sumimai_linked_targets target out)
  get_target_property(type ${target} TYPE)
  set(items "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(items ${target} LINK_LIBRARIES)
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  set(linked "")
  foreach(item IN LISTS items interface)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item MATCHES "\\$<" OR NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      set(item ${aliased})
    endif()
    get_target_property(imported ${item} IMPORTED)
    if(NOT imported)
      list(APPEND linked ${item})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES linked)
  set(${out} ${linked} PARENT_SCOPE)
endfunction()

function(_sumimai_check_layer_links)
  _sumimai_targets_in(${CMAKE_SOURCE_DIR} targets)
  set(wrong "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "UTILITY")
      continue()
    endif()
    _sumimai_rank_of(${target} rank folder)
    _sumimai_linked_targets(${target} linked)
    foreach(other IN LISTS linked)
      _sumimai_rank_of(${other} other_rank other_folder)
      if(other_rank GREATER rank)
        string(APPEND wrong "\n  ${target} (${folder}/) links ${other} (${other_folder}/), which lies above it")
      endif()
    endforeach()
  endforeach()
  if(wrong)
    message(FATAL_ERROR "Links against the order of the layers (cmake/layers.cmake):${wrong}")
  endif()
endfunction()

# The check runs once everything is defined: at the end of the top folder.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _sumimai_check_layer_links)
