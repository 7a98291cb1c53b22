# The link graph follows the layers: each library may link only the libraries
# listed for it here, so a subsystem that starts using another subsystem, or a
# library that pulls in Qt Charts, JPEG or Qt Test where it does not belong,
# fails at configure time. The #include lines are checked by the test
# "layering" (tests/layering/check_includes.py).

set(qt_base Qt6::Core Qt6::Gui Qt6::Widgets)
set(subsystems hardness tensile impact fatigue)

set(allowed_resources Qt6::Core)
set(allowed_toolkit ${qt_base} JPEG::JPEG resources ${CMAKE_DL_LIBS})
# The parts loaded when first needed (toolkit/parts.h).
set(allowed_printing ${qt_base} Qt6::Svg Qt6::PrintSupport toolkit)
set(allowed_hardness_chart ${qt_base} Qt6::Charts toolkit)
foreach(subsystem ${subsystems})
  set(allowed_${subsystem} ${qt_base} toolkit resources)
endforeach()
# The evaluation of one's own measurements: no widgets, no toolkit; GSL for
# the fits and statistics.
set(allowed_evaluation Qt6::Core GSL::gsl GSL::gslcblas)
# Its windows: Qt's widgets and charts over the evaluation library, the
# toolkit for the windows' relation to the teaching windows.
set(allowed_evaluation_windows evaluation ${qt_base} Qt6::Charts toolkit)
set(allowed_evaluation_part evaluation_windows)
# The program: the evaluation only as a part, through its headers.
set(allowed_app ${qt_base} toolkit resources ${subsystems})
set(allowed_werkstoffpruefung app)
set(allowed_test_support ${qt_base} Qt6::Test toolkit)

function(check_links target)
  get_target_property(links ${target} LINK_LIBRARIES)
  if(NOT links)
    return()
  endif()
  foreach(link ${links})
    if(NOT link IN_LIST allowed_${target})
      message(FATAL_ERROR "Layering: ${target} must not link ${link} (allowed: ${allowed_${target}})")
    endif()
  endforeach()
endfunction()

foreach(target resources toolkit printing hardness_chart ${subsystems} evaluation evaluation_windows evaluation_part app werkstoffpruefung test_support)
  if(TARGET ${target})
    check_links(${target})
  endif()
endforeach()

# Executables beside the program (tests, benchmarks, fuzz harnesses) may link
# any library of the program, but Qt Test only in tests, JPEG only through
# the toolkit and GSL only through the evaluation library.
function(check_tools directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT links)
      continue()
    endif()
    if(JPEG::JPEG IN_LIST links)
      message(FATAL_ERROR "Layering: ${target} must not link JPEG::JPEG; JPEG belongs to the toolkit")
    endif()
    if(GSL::gsl IN_LIST links OR GSL::gslcblas IN_LIST links)
      message(FATAL_ERROR "Layering: ${target} must not link GSL; GSL belongs to the evaluation library")
    endif()
    if(Qt6::Test IN_LIST links AND NOT directory MATCHES "/tests$")
      message(FATAL_ERROR "Layering: ${target} must not link Qt6::Test outside tests/")
    endif()
  endforeach()
endfunction()

if(BUILD_TESTING)
  check_tools(${CMAKE_SOURCE_DIR}/tests)
  check_tools(${CMAKE_SOURCE_DIR}/bench)
endif()
if(WERKSTOFF_FUZZ)
  check_tools(${CMAKE_SOURCE_DIR}/fuzz)
endif()
