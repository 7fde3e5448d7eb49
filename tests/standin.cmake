# Loopback tests of the stand-in network library (liborvane.so).
find_package(Threads REQUIRED)

add_executable(standin_test ${CMAKE_CURRENT_LIST_DIR}/standin_test.cpp)
target_compile_options(standin_test PRIVATE ${RADAR_WARNINGS})
target_link_libraries(standin_test PRIVATE orvane GTest::gtest_main Threads::Threads)
gtest_discover_tests(standin_test DISCOVERY_TIMEOUT 30)
