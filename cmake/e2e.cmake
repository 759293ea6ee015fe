# End-to-end tests: the real tinctora.exe under Wine, each test on a fresh
# prefix and a display of its own (tests/e2e/harness.py), driven with
# xdotool. They need only the booted template prefix, which the harness
# boots on first use, not the shared session of scripts/wine-session.sh.
# One at a time, and never beside the Windows tests: Wine starting desktops
# on two displays at once can stall.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# tinctora_add_e2e(name script [TIMEOUT seconds]) runs tests/e2e/<script>
# as the test e2e.<name>; it fails when the script exits nonzero.
function(tinctora_add_e2e name script)
    cmake_parse_arguments(E2E "" "TIMEOUT" "" ${ARGN})
    if(NOT E2E_TIMEOUT)
        set(E2E_TIMEOUT 300)
    endif()
    add_test(NAME e2e.${name}
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/e2e/${script})
    set_tests_properties(e2e.${name} PROPERTIES
        RESOURCE_LOCK "e2e;wine_desktop"
        TIMEOUT ${E2E_TIMEOUT}
        ENVIRONMENT "TINCTORA_EXE=$<TARGET_FILE:tinctora>;TINCTORA_HELPER=$<TARGET_FILE:win_helper>;TINCTORA_E2E_OUT=${CMAKE_SOURCE_DIR}/build/e2e")
endfunction()

tinctora_add_e2e(window test_window.py TIMEOUT 120)
tinctora_add_e2e(interaction test_interaction.py)
tinctora_add_e2e(keyboard test_keyboard.py TIMEOUT 120)
tinctora_add_e2e(dpi test_dpi.py TIMEOUT 120)
tinctora_add_e2e(launcher test_launcher.py TIMEOUT 120)
tinctora_add_e2e(monitors test_monitors.py TIMEOUT 180)
tinctora_add_e2e(monkey test_monkey.py TIMEOUT 330)
tinctora_add_e2e(commandline test_commandline.py TIMEOUT 180)
tinctora_add_e2e(language test_language.py TIMEOUT 240)
