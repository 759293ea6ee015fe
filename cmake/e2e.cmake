# End-to-end tests: the real tinctora.exe under Wine on a display and prefix
# of their own, driven with xdotool. One at a time, and never beside the
# Windows tests: Wine starting desktops on two displays at once can stall.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(tinctora_add_e2e name script)
    add_test(NAME e2e.${name} COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/e2e/${script})
    set_tests_properties(e2e.${name} PROPERTIES RESOURCE_LOCK "e2e;wine_desktop" TIMEOUT 300)
endfunction()

tinctora_add_e2e(window window_e2e.py)
tinctora_add_e2e(interaction interaction_e2e.py)
