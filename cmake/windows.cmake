# The Windows side: the program, its resources and the tests that drive the
# real window procedure, GDI, clipboard and registry under Wine.

add_executable(win_helper tests/win/win_helper.cpp)
set_target_properties(win_helper PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
