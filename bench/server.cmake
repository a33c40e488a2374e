# Room chat under load: the real server on its own thread, thousands of loopback
# clients on another; prints lines and deliveries per second and delivery latency.
if(TARGET morvane_server)
  add_executable(server_load_bench ${CMAKE_CURRENT_LIST_DIR}/ServerLoadBench.cpp ${CMAKE_CURRENT_LIST_DIR}/ServerLoadClient.cpp)
  target_link_libraries(server_load_bench PRIVATE morvane_server)
endif()
