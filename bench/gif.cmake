# GIF decoding throughput: our decoder against giflib on the same files in one run,
# the game GIFs next to the program and larger animations made by the art encoder.
if(TARGET morvane_gifdecoder AND TARGET morvane_gifencoder)
  add_executable(gif_decode_bench ${CMAKE_CURRENT_LIST_DIR}/GifDecodeBench.cpp)
  target_link_libraries(gif_decode_bench PRIVATE morvane_gifdecoder morvane_gifencoder gif)
  if(TARGET morvane_art)
    add_dependencies(gif_decode_bench morvane_art)
  endif()
endif()
