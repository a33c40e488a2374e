# The skinned controls, headless: driven by their operations and by synthesised mouse
# and key events; message boxes are recorded, skins are the tests' own pictures.
find_package(Qt6 REQUIRED COMPONENTS Test)

morvane_test(controls_skinned_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TabCtrlTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ListCtrlTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SkinnedButtonsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/MyStaticTest.cpp
  DEPS morvane_controls morvane_platform_testing Qt6::Test morvane_qt_test_main)
