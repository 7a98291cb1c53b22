# Parts of the program that are loaded the first time they are needed
# (toolkit/parts.h): each is an object library, built once as position-
# independent code, which becomes a library of its own for the program
# (libwerkstoff-<name>.so in the part folder) and is linked straight into the
# tests and tools (werkstoff_link_parts); the benchmarks load the parts as the
# program does (werkstoff_loads_parts).

# The part folder: private libraries of the program, in the multiarch folder
# where there is one (lib/x86_64-linux-gnu/werkstoffpruefung), which is
# also not one that ldconfig looks into.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(werkstoff_part_install_folder lib/${CMAKE_LIBRARY_ARCHITECTURE}/werkstoffpruefung)
else()
  set(werkstoff_part_install_folder ${CMAKE_INSTALL_LIBDIR}/werkstoffpruefung)
endif()
# Relative to the program's executable: the same in the build tree
# (build/app and build/lib/...) as installed.
file(RELATIVE_PATH WERKSTOFF_PART_FOLDER ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${werkstoff_part_install_folder})
cmake_path(ABSOLUTE_PATH WERKSTOFF_PART_FOLDER BASE_DIRECTORY ${CMAKE_BINARY_DIR}/app NORMALIZE
           OUTPUT_VARIABLE werkstoff_part_build_folder)

set(WERKSTOFF_PARTS "" CACHE INTERNAL "")
set_property(GLOBAL PROPERTY werkstoff_part_objects "")

# werkstoff_add_part(NAME OBJECT_LIBRARY LIBRARY... [CODE STATIC_LIBRARY...]):
# the part library built from the object library, which holds its entry
# function werkstoff_part_<NAME>, and from the CODE libraries, static
# libraries of the program that only the part uses (built position-
# independent; linked in without the toolkit they use, which the part takes
# from the program). LIBRARY: what else only the part links (Qt modules,
# GSL). Tests and tools link the object library as a target, which brings
# the rest.
function(werkstoff_add_part name objects)
  cmake_parse_arguments(arg "" "" "CODE" ${ARGN})
  set_target_properties(${objects} ${arg_CODE} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(werkstoff-${name} MODULE $<TARGET_OBJECTS:${objects}>)
  foreach(code ${arg_CODE})
    target_link_libraries(werkstoff-${name} PRIVATE $<TARGET_FILE:${code}>)
    add_dependencies(werkstoff-${name} ${code})
  endforeach()
  target_link_libraries(werkstoff-${name} PRIVATE ${arg_UNPARSED_ARGUMENTS})
  set_target_properties(werkstoff-${name} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${werkstoff_part_build_folder})
  install(TARGETS werkstoff-${name} LIBRARY DESTINATION ${werkstoff_part_install_folder})
  set(WERKSTOFF_PARTS ${WERKSTOFF_PARTS} ${name} CACHE INTERNAL "")
  set_property(GLOBAL APPEND PROPERTY werkstoff_part_objects ${objects})
endfunction()

# The program and what is tested as the program: the parts are loaded from
# the part folder, and take the toolkit's functions from the executable.
function(werkstoff_loads_parts target)
  set(list ${PROJECT_SOURCE_DIR}/cmake/part_exports.list)
  target_link_options(${target} PRIVATE LINKER:--dynamic-list=${list})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${list})
  foreach(name ${WERKSTOFF_PARTS})
    add_dependencies(${target} werkstoff-${name})
  endforeach()
endfunction()

# Executables beside the program: the parts linked in, their entry functions
# exported so that the toolkit finds them in the executable.
function(werkstoff_link_parts target)
  get_property(objects GLOBAL PROPERTY werkstoff_part_objects)
  target_link_libraries(${target} PRIVATE ${objects})
  target_link_options(${target} PRIVATE LINKER:--export-dynamic-symbol=werkstoff_part_*)
endfunction()
