# The simulated devices (receivers, Bluetooth LE mouse, voice source): the tests, the benches and
# the simulated-device program link them; no test main and no GoogleTest in them. Included by
# this folder's CMakeLists.txt, and by the top level for the benches when the tests are off.
file(GLOB sim_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/Simulated*.cpp" "${CMAKE_CURRENT_LIST_DIR}/Simulated*.h"
     "${CMAKE_CURRENT_LIST_DIR}/ImaAdpcmEncoder.cpp" "${CMAKE_CURRENT_LIST_DIR}/ImaAdpcmEncoder.h")
add_library(vq_sim_support STATIC ${sim_sources})
target_include_directories(vq_sim_support PUBLIC "${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(vq_sim_support PUBLIC vq_platform vq_kit Qt6::Core)
