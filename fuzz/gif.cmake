# The GIF decoder: any file bytes in, a bounded walk of frames composed on a canvas.
morvane_fuzzer(gif_fuzzer SOURCES ${CMAKE_CURRENT_LIST_DIR}/GifFuzzer.cpp DEPS morvane_gifdecoder
  SEEDS ${CMAKE_CURRENT_LIST_DIR}/gif-seeds)
