# The server under load: room chat with thousands of loopback clients and a login storm
# (the server on its own thread), and a soak that holds many idle connections on the
# real morvane-server and prints what each one costs it.
if(TARGET morvane_server)
  add_executable(server_load_bench ${CMAKE_CURRENT_LIST_DIR}/ServerLoadBench.cpp ${CMAKE_CURRENT_LIST_DIR}/ServerLoadClient.cpp)
  find_package(Threads REQUIRED)
  target_link_libraries(server_load_bench PRIVATE morvane_server Threads::Threads)
  if(TARGET morvane-server)
    add_executable(server_soak_bench ${CMAKE_CURRENT_LIST_DIR}/ServerSoakBench.cpp)
    target_link_libraries(server_soak_bench PRIVATE morvane_server)
    add_dependencies(server_soak_bench morvane-server)
  endif()
endif()
