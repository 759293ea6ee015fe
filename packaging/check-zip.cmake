# Builds the ZIP with cpack into OUT and fails unless it holds exactly
# tinctora.exe, README.md and LICENSE, at its top level.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB zips "${OUT}/*.zip")
list(LENGTH zips count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one ZIP in ${OUT}, found: ${zips}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${zips}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(SORT entries)
if(NOT status EQUAL 0 OR NOT entries STREQUAL "LICENSE;README.md;tinctora.exe")
    message(FATAL_ERROR "${zips} holds: ${entries}")
endif()
message(STATUS "${zips} holds ${entries}")
