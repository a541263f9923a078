# SPDX-License-Identifier: MIT
# Renders every screen and state with render_screens and compares each picture, pixel for
# pixel, and what a screen reader hears of each screen and what each program answers to
# --help and --version, word for word, through their checksums, with the ones looked at and
# approved (pictures.sha256). After a change meant to alter the screens or the answers: look
# at the new pictures and texts, then approve them with
#   LAB_APPROVE_PICTURES=1 ctest --test-dir build -R pictures
# Arguments: RENDER (the program), PROGRAMS (every program, joined by |), OUT (a folder for
# the pictures), SUMS (the approved list).
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${RENDER}" "${OUT}" RESULT_VARIABLE rendered OUTPUT_QUIET ERROR_QUIET)
if(NOT rendered EQUAL 0)
    message(FATAL_ERROR "render_screens failed: ${rendered}")
endif()
# What each program answers to --help and --version, read like the screens' texts.
string(REPLACE "|" ";" PROGRAMS "${PROGRAMS}")
foreach(program IN LISTS PROGRAMS)
    get_filename_component(name "${program}" NAME)
    foreach(option help version)
        # A program that opened a window instead would wait for ever.
        execute_process(COMMAND "${program}" --${option} OUTPUT_FILE "${OUT}/${option}_${name}.txt"
                        RESULT_VARIABLE answered TIMEOUT 30)
        if(NOT answered EQUAL 0)
            message(FATAL_ERROR "${name} --${option} failed: ${answered}")
        endif()
    endforeach()
endforeach()
file(GLOB pictures RELATIVE "${OUT}" "${OUT}/*.png" "${OUT}/*.txt")
list(SORT pictures)
set(now "")
foreach(picture IN LISTS pictures)
    file(SHA256 "${OUT}/${picture}" sum)
    string(APPEND now "${sum}  ${picture}\n")
endforeach()
if(DEFINED ENV{LAB_APPROVE_PICTURES})
    file(WRITE "${SUMS}" "${now}")
    message(STATUS "approved ${SUMS}")
    return()
endif()
file(READ "${SUMS}" approved)
if(NOT now STREQUAL approved)
    file(WRITE "${OUT}/now.sha256" "${now}")
    execute_process(COMMAND diff "${SUMS}" "${OUT}/now.sha256" OUTPUT_VARIABLE changes)
    message(FATAL_ERROR "Pictures differ from the approved ones (${OUT}):\n${changes}")
endif()
message(STATUS "all pictures as approved")
