# The soak test: the real window procedure through a long run of every kind
# of event, under Wine, proving that GDI objects, windows and private memory
# do not grow with use. The full run (soak_test.exe with no argument) takes
# minutes; the test command runs a tenth of it.
add_executable(soak_test tests/soak/soak_test.cpp tests/win/win_fixture.cpp res/tinctora.rc)
target_link_libraries(soak_test PRIVATE tinctora_app psapi)
set_target_properties(soak_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME soak COMMAND soak_test 10)
set_tests_properties(soak PROPERTIES RESOURCE_LOCK wine_desktop TIMEOUT 300)
