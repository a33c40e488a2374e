# The server's envelope reader and its lobby and room dispatch, over an in-memory connection.
if(TARGET morvane_server)
  morvane_fuzzer(morvane_server_fuzzer SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ServerFuzzer.cpp DEPS morvane_server
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/server-seeds)
endif()
