# velox_add_library(NAME [STATIC|SHARED] SOURCES file... [PUBLIC target...] [PRIVATE target...])
#
# A library of the tree: its headers are included from the tree's root
# ("platform/com/Guid.h"), it is built with the project's warnings, and it
# links PUBLIC and PRIVATE as given.
function(velox_add_library name)
  cmake_parse_arguments(ARG "STATIC;SHARED" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  set(kind "")
  if(ARG_STATIC)
    set(kind STATIC)
  elseif(ARG_SHARED)
    set(kind SHARED)
  endif()
  add_library(${name} ${kind} ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE} velox_warnings)
endfunction()
