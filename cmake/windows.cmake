# The Windows side: the program, its resources and the tests that drive the
# real window procedure, GDI, clipboard and registry under Wine.

# The resource script takes the version from project() through a generated
# header, and embeds the manifest itself: MSVC's linker must not add one.
configure_file(res/version.h.in ${CMAKE_BINARY_DIR}/res/version.h @ONLY)

# Every language's texts (res/texts) packed by textpack, a host tool built
# here, with the host's own compiler when cross-compiling: texts.h names
# them for the code, texts.rc puts them into the resources.
set(texts_dir ${CMAKE_SOURCE_DIR}/res/texts)
file(GLOB text_files CONFIGURE_DEPENDS ${texts_dir}/*.txt)
if(CMAKE_CROSSCOMPILING)
    find_program(TINCTORA_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(textpack ${CMAKE_BINARY_DIR}/textpack)
    add_custom_command(OUTPUT ${textpack}
        COMMAND ${TINCTORA_HOST_CXX} -std=c++17 -O1 -o ${textpack} ${CMAKE_SOURCE_DIR}/tools/textpack.cpp
        DEPENDS ${CMAKE_SOURCE_DIR}/tools/textpack.cpp)
else()
    add_executable(textpack tools/textpack.cpp)
    set(textpack textpack)
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/res/texts.h ${CMAKE_BINARY_DIR}/res/texts.rc
    COMMAND ${textpack} ${texts_dir}/languages.txt ${texts_dir} ${CMAKE_BINARY_DIR}/res
    DEPENDS ${textpack} ${text_files}
    COMMENT "Packing the texts of every language")
add_custom_target(texts DEPENDS ${CMAKE_BINARY_DIR}/res/texts.h ${CMAKE_BINARY_DIR}/res/texts.rc)

set_source_files_properties(res/tinctora.rc PROPERTIES
    INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/res
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/tinctora.manifest;${CMAKE_SOURCE_DIR}/res/skin.bmp;${CMAKE_SOURCE_DIR}/res/tinctora.ico;${CMAKE_BINARY_DIR}/res/version.h;${CMAKE_BINARY_DIR}/res/texts.rc")
if(MSVC)
    add_link_options(/MANIFEST:NO)
endif()

add_executable(win_helper tests/win/win_helper.cpp)
# The accessible object is read as assistive technology reads it.
target_link_libraries(win_helper PRIVATE oleacc ole32 oleaut32 uuid)
set_target_properties(win_helper PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# Everything but the entry point, so the Windows tests drive the same code.
add_library(tinctora_app STATIC
    app/accessible.cpp
    app/commandclient.cpp
    app/commandline.cpp
    app/commandrequest.cpp
    app/commandstore.cpp
    app/commonctl.cpp
    app/colormenus.cpp
    app/colorwords.cpp
    app/console.cpp
    app/contextmenu.cpp
    app/dialogs.cpp
    app/filedialog.cpp
    app/historymenu.cpp
    app/hoverhelp.cpp
    app/instance.cpp
    app/menutext.cpp
    app/owndialog.cpp
    app/palettefile.cpp
    app/palettemessages.cpp
    app/pickhotkey.cpp
    app/safewrite.cpp
    app/programstart.cpp
    skin/fatal.cpp
    app/settings.cpp
    app/swatchmenu.cpp
    app/templatedialog.cpp
    app/texts.cpp
    app/window.cpp
    app/windowmenu.cpp
    input/actions.cpp
    input/clipboard.cpp
    input/clipboardtext.cpp
    input/eyedropper.cpp
    input/focus.cpp
    input/gesture.cpp
    input/gestureend.cpp
    input/gesturestate.cpp
    input/keypick.cpp
    input/keys.cpp
    input/magnifier.cpp
    input/screenread.cpp
    input/stillscreen.cpp
    input/taking.cpp
    input/watch.cpp
    input/wheel.cpp
    input/windowmove.cpp
    skin/announce.cpp
    skin/draw.cpp
    skin/focusring.cpp
    skin/regions.cpp
    skin/wine.cpp)
# The interface ids of COM. oleacc, OLE and the common controls are loaded
# when first needed (app/accessible.cpp, app/commonctl.cpp).
target_link_libraries(tinctora_app PUBLIC tinctora_core uuid)
# The generated res/texts.h.
target_include_directories(tinctora_app PUBLIC ${CMAKE_BINARY_DIR})
add_dependencies(tinctora_app texts)

add_executable(tinctora WIN32 app/main.cpp res/tinctora.rc)
target_link_libraries(tinctora PRIVATE tinctora_app)
if(MINGW)
    # wWinMain, and the words of the command line in __wargv.
    target_link_options(tinctora PRIVATE -municode)
endif()
if(MSVC)
    target_compile_options(tinctora PRIVATE /O1)
    target_link_options(tinctora PRIVATE /OPT:REF /OPT:ICF)
else()
    target_compile_options(tinctora PRIVATE -Os)
    # Optimised as a whole at its link (-flto), which drops and merges what
    # file by file it cannot: 4.5 KB of the exe. The objects keep their
    # ordinary code too (fat), which the tests link as it is.
    target_link_options(tinctora PRIVATE -s -Wl,--gc-sections -flto -Os)
    # The program throws no exception and catches none, so the tables that
    # would unwind its frames are left out: they were a seventh of the exe.
    # The tests keep theirs, GoogleTest catches what a test throws.
    foreach(target tinctora tinctora_app tinctora_core)
        target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables -fno-unwind-tables
                               -flto -ffat-lto-objects)
    endforeach()
endif()
# The texts are small integers, which msvcrt's snprintf formats alike; the
# C99 printf that libstdc++ would otherwise select (its float and wide
# conversions included) is a fifth of the exe. stdio.h must come first:
# any C++ header sets the C99 printf for everything included after it.
if(MINGW)
    set_source_files_properties(core/colortext.cpp core/colortemplate.cpp core/contrast.cpp
        core/contrastfix.cpp core/colorfamily.cpp PROPERTIES
        COMPILE_OPTIONS "-D__USE_MINGW_ANSI_STDIO=0;-include;stdio.h")
endif()
# The accessible object is the one polymorphic class; nothing asks for its
# type at run time, and without RTTI the C++ runtime's type-information
# classes stay out of the exe.
if(MSVC)
    set_source_files_properties(app/accessible.cpp PROPERTIES COMPILE_OPTIONS /GR-)
else()
    set_source_files_properties(app/accessible.cpp PROPERTIES COMPILE_OPTIONS -fno-rtti)
endif()
set_target_properties(tinctora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})


# Start-ups that must fail: one without the program's resources, one with.
foreach(probe startup_probe startup_probe_noskin)
    add_executable(${probe} WIN32 tests/win/startup_probe.cpp)
    target_link_libraries(${probe} PRIVATE tinctora_app)
    set_target_properties(${probe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endforeach()
target_sources(startup_probe PRIVATE res/tinctora.rc)

# Windows tests: the real window procedure, GDI, clipboard and registry,
# in a test program that carries the program's own resources. Each case
# runs in a process of its own; the lock keeps windows off each other's
# screen area and registry key.
if(TINCTORA_TESTS)
    file(GLOB win_test_sources CONFIGURE_DEPENDS tests/win/*_test.cpp)
    add_executable(win_tests tests/win/win_fixture.cpp ${win_test_sources} res/tinctora.rc)
    target_link_libraries(win_tests PRIVATE tinctora_app gtest_main)
    # The release test reads the built program's resources and version; under
    # Wine its path is on the Z: drive.
    if(CMAKE_CROSSCOMPILING)
        set(program_drive Z:)
    endif()
    set_source_files_properties(tests/win/release_test.cpp PROPERTIES COMPILE_DEFINITIONS
        "TINCTORA_EXE_PATH=\"${program_drive}$<TARGET_FILE:tinctora>\";TINCTORA_VERSION=\"${PROJECT_VERSION}\"")
    target_link_libraries(win_tests PRIVATE version oleacc ole32 oleaut32)
    add_dependencies(win_tests tinctora win_helper startup_probe startup_probe_noskin)
    tinctora_add_gtests(win_tests PROPERTIES RESOURCE_LOCK wine_desktop TIMEOUT 60)
endif()
# The end-to-end tests drive the program on a virtual X display.
if(CMAKE_HOST_UNIX)
    include(cmake/e2e.cmake)
endif()
include(cmake/package.cmake)
include(cmake/bench.cmake)
include(cmake/soak.cmake)
