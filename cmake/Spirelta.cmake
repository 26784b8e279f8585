# Ninja's automatic moc step depends only on the headers it scanned last time, so a file
# added to a globbed folder (a merge that brings a new window) would not be moc'ed in an
# existing build tree. When the list of files changes, drop the step's stamp so it runs again.
function(spirelta_refresh_moc_on_new_files target srcs)
  string(REPLACE ";" "\n" listing "${srcs}")
  set(listfile ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  if(EXISTS ${listfile})
    file(READ ${listfile} old)
    if(NOT old STREQUAL listing)
      file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    endif()
  endif()
  file(WRITE ${listfile} "${listing}")
endfunction()

# One static library per source folder. Sources are globbed so that adding a window
# never means editing build files.
function(spirelta_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  if(NOT srcs)
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${srcs})
  spirelta_refresh_moc_on_new_files(${name} "${srcs}")
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# A folder of windows over calculation cores: the cores (the files named after CORE, each a
# .cpp and/or .h) form <name>_core, which links only CORE_LINKS (default: the widget-free
# common library), so a core that includes a widget header does not compile; the windows and
# everything else form <name>, which links the cores and LINKS (default: platform and the
# window runtime).
function(spirelta_calc_library name dir)
  cmake_parse_arguments(arg "" "" "CORE;CORE_LINKS;LINKS" ${ARGN})
  if(NOT arg_CORE_LINKS)
    set(arg_CORE_LINKS common)
  endif()
  if(NOT arg_LINKS)
    set(arg_LINKS platform common_ui)
  endif()
  set(core_srcs)
  foreach(stem ${arg_CORE})
    set(found FALSE)
    foreach(ext cpp h)
      if(EXISTS ${dir}/${stem}.${ext})
        list(APPEND core_srcs ${dir}/${stem}.${ext})
        set(found TRUE)
      endif()
    endforeach()
    if(NOT found)
      message(FATAL_ERROR "${name}: no core file ${stem}.cpp or ${stem}.h in ${dir}")
    endif()
  endforeach()
  add_library(${name}_core STATIC ${core_srcs})
  target_include_directories(${name}_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name}_core PUBLIC ${arg_CORE_LINKS})

  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  list(REMOVE_ITEM srcs ${core_srcs})
  add_library(${name} STATIC ${srcs})
  spirelta_refresh_moc_on_new_files(${name} "${srcs}")
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${name}_core ${arg_LINKS})
endfunction()

# Window libraries register their windows from static initialisers, so the
# linker must keep every object of them.
function(spirelta_link_windows target)
  foreach(lib ${ARGN})
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
  endforeach()
endfunction()

set(SPIRELTA_CALC_LIBS calc_normal calc_expert calc_designers calc_wizards calc_standard
    calc_varpitch calc_sections calc_noncoil calc_cost)
