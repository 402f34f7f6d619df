# Windows builds: the checks of the DLLs and of the real program that need no POSIX test harness.
# The program runs under the build's emulator (Wine) from a shell script.
# The Wine prefix is made now, once, so that its first-run set-up never races a test (or the
# listing of a test program's tests, which the build runs in parallel).
execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} cmd /c exit
                RESULT_VARIABLE wine_status OUTPUT_QUIET ERROR_QUIET)
if(NOT wine_status EQUAL 0)
    message(WARNING "The emulator did not run a Windows program (status ${wine_status})")
endif()

find_program(SHAPECALC_OBJDUMP NAMES ${CMAKE_CXX_COMPILER_TARGET}-objdump x86_64-w64-mingw32-objdump
             REQUIRED)

# Each DLL exports exactly its formulas; the program imports both DLLs.
foreach(library Planix Solidix)
    string(TOLOWER ${library} lower)
    add_test(NAME ${library}.exported_symbols
        COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/dll_exports.sh ${SHAPECALC_OBJDUMP}
                $<TARGET_FILE:${library}> ${CMAKE_CURRENT_BINARY_DIR}/${lower}.symbols
                $<TARGET_FILE:Shapecalc>)
endforeach()

# Every session as the real program: Windows line ends, otherwise the same bytes.
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
add_test(NAME Shapecalc.transcripts
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows_transcripts.sh
            "${emulator}" $<TARGET_FILE:Shapecalc>
            $<TARGET_FILE:transcript_inputs> ${CMAKE_CURRENT_SOURCE_DIR}/transcripts
            ${CMAKE_CURRENT_BINARY_DIR}/sessions)
