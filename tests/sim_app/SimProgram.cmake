# The whole program with simulated devices (never installed): the shipped composition root with
# the simulated receivers and Bluetooth LE mouse of tests/support, driven through a local socket
# (docs/simulated-device.md). Built in <build>/tests/sim_app, also when the top level includes
# this for the benches with the tests off.
file(GLOB sim_program_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/program/*.cpp" "${CMAKE_CURRENT_LIST_DIR}/program/*.h")
add_executable(corvane-companion-sim ${sim_program_sources})
target_include_directories(corvane-companion-sim PRIVATE "${CMAKE_CURRENT_LIST_DIR}/program")
target_link_libraries(corvane-companion-sim PRIVATE vq_composition vq_sim_support Qt6::Network)
set_target_properties(corvane-companion-sim PROPERTIES ENABLE_EXPORTS ON
                      RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/sim_app")
