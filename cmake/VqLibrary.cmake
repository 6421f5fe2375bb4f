# One static library per folder of src/: every .cpp and .h of the folder belongs to it.
function(vq_add_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# One GoogleTest executable per folder of tests/, registered with CTest.
# LABELS x11 makes the test run under a real X server (scripts/test starts Xvfb for those).
function(vq_add_test name)
  cmake_parse_arguments(ARG "" "" "LINKS;LABELS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE vq_test_support ${ARG_LINKS})
  add_test(NAME ${name} COMMAND ${name})
  # Tests without the x11 label get no X display at all: a real X implementation used by
  # mistake fails there instead of typing into the shared test display.
  set(env "QT_QPA_PLATFORM=offscreen;DISPLAY=")
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    if("x11" IN_LIST ARG_LABELS)
      set(env "")
    endif()
  endif()
  if(env)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()
