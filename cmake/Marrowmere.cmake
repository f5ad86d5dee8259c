# Helpers that keep every component's build description to one or two lines.

# marrowmere_component(<target> [DEPS <targets>...])
# A static library of every .cpp file in the calling directory. Headers are included
# from the project root, e.g. #include "Core/Timer/Timer.h".
function(marrowmere_component name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  set_property(GLOBAL APPEND PROPERTY MARROWMERE_CURRENT_LAYER_COMPONENTS ${name})
endfunction()

# marrowmere_add_layer(<directory> <layer target>)
# Adds every subdirectory of <directory> that has a CMakeLists.txt, then an interface
# target that links all components those subdirectories declared.
function(marrowmere_add_layer directory layer)
  set_property(GLOBAL PROPERTY MARROWMERE_CURRENT_LAYER_COMPONENTS "")
  file(GLOB children CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${directory}/*/CMakeLists.txt")
  list(SORT children)
  foreach(child IN LISTS children)
    get_filename_component(childDirectory "${child}" DIRECTORY)
    add_subdirectory("${childDirectory}")
  endforeach()
  get_property(components GLOBAL PROPERTY MARROWMERE_CURRENT_LAYER_COMPONENTS)
  add_library(${layer} INTERFACE)
  target_link_libraries(${layer} INTERFACE ${components})
endfunction()

# The environment every test runs in: no display, no sound card needed.
set(MARROWMERE_HEADLESS_ENVIRONMENT
    QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy)

# marrowmere_test(<target> SOURCES <files>... [DEPS <targets>...])
# A GoogleTest executable whose cases are registered with CTest, run headless.
function(marrowmere_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Test discovery and every test run through `env`, so the headless settings reach both.
  set_target_properties(${name} PROPERTIES
    CROSSCOMPILING_EMULATOR "env;${MARROWMERE_HEADLESS_ENVIRONMENT}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()

# marrowmere_benchmark(<target> SOURCES <files>... [DEPS <targets>...])
function(marrowmere_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()

# Adds every direct subdirectory of the calling directory that has a CMakeLists.txt.
macro(marrowmere_add_subdirectories)
  file(GLOB _marrowmereChildren CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt")
  list(SORT _marrowmereChildren)
  foreach(_marrowmereChild IN LISTS _marrowmereChildren)
    get_filename_component(_marrowmereChildDirectory "${_marrowmereChild}" DIRECTORY)
    add_subdirectory("${_marrowmereChildDirectory}")
  endforeach()
endmacro()
