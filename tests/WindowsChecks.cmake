# Windows builds: the checks of the DLLs. The real program's cases are the runner's, as on POSIX.
# The Wine prefix is made now, once, so that its first-run set-up (a minute on a loaded machine)
# is not counted against the first test's deadline.
execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} cmd /c exit
                RESULT_VARIABLE wine_status OUTPUT_QUIET ERROR_QUIET)
if(NOT wine_status EQUAL 0)
    message(WARNING "The emulator did not run a Windows program (status ${wine_status})")
endif()

list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)

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

# The key wait's reading of the console, on the test's own console, which it fills with records.
# Wine gives a program a console when its output is a terminal: the test runs on a pseudo-terminal
# (script), with its input from /dev/null, so that nothing from the terminal reaches that console.
# Its output is then the console's screen, with escape sequences: the whole program is one test.
add_executable(console_key_tests ConsoleKeyTest.cpp ${PROJECT_SOURCE_DIR}/Shapecalc/src/ConsoleKey.cpp)
target_include_directories(console_key_tests PRIVATE ${PROJECT_SOURCE_DIR}/Shapecalc/src)
target_link_libraries(console_key_tests PRIVATE GTest::gtest_main)
shapecalc_set_flags(console_key_tests)
add_test(NAME console_key_tests
    COMMAND script -qec "${emulator} $<TARGET_FILE:console_key_tests> < /dev/null" /dev/null)
set_tests_properties(console_key_tests PROPERTIES TIMEOUT 120)
