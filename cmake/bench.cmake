# Benchmarks (scripts/bench.sh runs them and prints the table). They time
# things and so are never part of the tests.
#   tinctora_bench  drag-adjust and eyedropper throughput through the real
#                   window procedure in-process; start-up and memory of the
#                   real tinctora.exe launched as a process; the paste parse;
#                   the History submenu opened
#   bench_popup     the baseline program: an empty popup of the face's
#                   size, compiled and linked exactly like tinctora.exe
add_executable(tinctora_bench bench/bench.cpp bench/drag.cpp bench/menu.cpp bench/paste.cpp bench/startup.cpp
               tests/win/win_fixture.cpp res/tinctora.rc)
target_link_libraries(tinctora_bench PRIVATE tinctora_app psapi)

add_executable(bench_popup WIN32 bench/popup.cpp)
get_target_property(program_compile_options tinctora COMPILE_OPTIONS)
get_target_property(program_link_options tinctora LINK_OPTIONS)
target_compile_options(bench_popup PRIVATE ${program_compile_options})
target_link_options(bench_popup PRIVATE ${program_link_options})

set_target_properties(tinctora_bench bench_popup PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
add_dependencies(tinctora_bench tinctora bench_popup)
