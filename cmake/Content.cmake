# The game's resource libraries (mm_grf1.zip, mm_snd.zip ...) are made at build time by the
# content builder from the sources under Content/Sources, one custom command per library, so
# the libraries build in parallel and only when the builder or one of their sources changed.

set(MARROWMERE_CONTENT_SOURCE_DIR "${PROJECT_SOURCE_DIR}/Content/Sources")
set(MARROWMERE_CONTENT_DIR "" CACHE PATH
    "Folder holding ready-made mm_*.zip libraries to copy instead of building them (the sanitizer build uses the normal build's)")

# marrowmere_content_library(<library> [SOURCES <patterns>...])
# Declares that the builder makes mm_<library>.zip (its recipe named <library> in
# Content/ContentBuilder/LibraryRecipes.cpp). The patterns are globs relative to Content/Sources
# ("Sounds/*.score"); a change to a file they match rebuilds the library. Call it from the
# CMakeLists.txt of the component that holds the library's recipe.
function(marrowmere_content_library library)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY MARROWMERE_CONTENT_LIBRARIES ${library})
  set(patterns "")
  foreach(pattern IN LISTS ARG_SOURCES)
    list(APPEND patterns "${MARROWMERE_CONTENT_SOURCE_DIR}/${pattern}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY MARROWMERE_CONTENT_SOURCES_${library} ${patterns})
endfunction()

# marrowmere_content_builder_program(<target>)
# The builder program: every .cpp file of the calling directory, linked with every content component.
function(marrowmere_content_builder_program name)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  target_compile_definitions(${name} PRIVATE MARROWMERE_CONTENT_SOURCES="${MARROWMERE_CONTENT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE marrowmere_content Qt6::Gui)
endfunction()

# Runs once the whole tree is read, when every library has been declared.
function(marrowmere_add_content_libraries)
  get_property(libraries GLOBAL PROPERTY MARROWMERE_CONTENT_LIBRARIES)
  set(outputs "")
  foreach(library IN LISTS libraries)
    set(output "${CMAKE_BINARY_DIR}/bin/mm_${library}.zip")
    if(MARROWMERE_CONTENT_DIR)
      set(readyMade "${MARROWMERE_CONTENT_DIR}/mm_${library}.zip")
      add_custom_command(OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${readyMade}" "${output}"
        DEPENDS "${readyMade}"
        COMMENT "Copying content library mm_${library}.zip from ${MARROWMERE_CONTENT_DIR}"
        VERBATIM)
    else()
      get_property(patterns GLOBAL PROPERTY MARROWMERE_CONTENT_SOURCES_${library})
      set(sources "")
      if(patterns)
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
      endif()
      add_custom_command(OUTPUT "${output}"
        COMMAND content_builder ${library} "${output}"
        DEPENDS content_builder ${sources}
        COMMENT "Building content library mm_${library}.zip"
        VERBATIM)
    endif()
    list(APPEND outputs "${output}")
  endforeach()
  add_custom_target(content_libraries ALL DEPENDS ${outputs})
endfunction()
cmake_language(DEFER CALL marrowmere_add_content_libraries)
