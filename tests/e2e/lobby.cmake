# The lobby shell against the real server: login as tavik, the hall tree, logout at exit.
morvane_test(e2e_lobby_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LobbyE2ETest.cpp ${CMAKE_CURRENT_LIST_DIR}/LobbyProxy.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RoomServerRun.cpp
  DEPS morvane_lobby morvane_platform_testing morvane_qt_test_main
  LABELS e2e)
add_dependencies(e2e_lobby_tests morvane-server morvane_art)
target_compile_definitions(e2e_lobby_tests PRIVATE MORVANE_SERVER_BINARY="$<TARGET_FILE:morvane-server>")
