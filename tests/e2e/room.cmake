# The room client against the real server: two players in one room.
morvane_test(e2e_room_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RoomE2ETest.cpp ${CMAKE_CURRENT_LIST_DIR}/RoomServerRun.cpp
  DEPS morvane_roomclient morvane_platform_testing morvane_qt_test_main
  LABELS e2e)
add_dependencies(e2e_room_tests morvane-server)
target_compile_definitions(e2e_room_tests PRIVATE MORVANE_SERVER_BINARY="$<TARGET_FILE:morvane-server>")
