# The common desk view: one desk change against a whole desk list, a clip box against
# the visible ground.
if(TARGET morvane_roomclient)
  add_executable(desk_view_bench ${CMAKE_CURRENT_LIST_DIR}/DeskViewBench.cpp)
  target_link_libraries(desk_view_bench PRIVATE morvane_roomclient)
  if(TARGET morvane_art)
    add_dependencies(desk_view_bench morvane_art)
  endif()
endif()
