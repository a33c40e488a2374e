# The wire layer: the frame splitters against a plain reading of the stream, and every
# layout reader on arbitrary records.
morvane_fuzzer(net_frames_fuzzer SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FuzzFrames.cpp
  DEPS morvane_net SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/net-frames)
morvane_fuzzer(net_layouts_fuzzer SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FuzzLayouts.cpp
  DEPS morvane_net SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/net-layouts)
