# The GIF decoder on hand-written bytes, on the art encoder's files and against giflib
# as an independent reader, including every game GIF the art generator writes.
morvane_test(controls_gif_decoder_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GifStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/GifLzwTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GifCompositorTest.cpp ${CMAKE_CURRENT_LIST_DIR}/GifPlaybackTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GifEncodedTest.cpp ${CMAKE_CURRENT_LIST_DIR}/GifGameFilesTest.cpp
          ${PROJECT_SOURCE_DIR}/tests/artgen/GiflibReader.cpp
  DEPS morvane_gifdecoder morvane_gifencoder gif GTest::gtest_main)
if(TARGET morvane_art)
  add_dependencies(controls_gif_decoder_test morvane_art)
endif()

# The control with its animation thread, headless.
morvane_test(controls_gif_ctrl_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GifCtrlTest.cpp
  DEPS morvane_controls morvane_gifencoder morvane_qt_test_main)
