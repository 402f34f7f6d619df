# `cpack` in a Windows build folder makes Shapecalc-<version>-win64.zip: the program, the two DLLs
# with their import libraries, headers, CMake and pkg-config files, the man page as text and the
# licence. The compiler's runtime is linked into the program and the DLLs, so the zip needs
# nothing else on the machine.
find_program(SHAPECALC_GROFF groff REQUIRED)
set(manual_text ${PROJECT_BINARY_DIR}/Shapecalc.txt)
add_custom_command(OUTPUT ${manual_text}
    COMMAND ${SHAPECALC_GROFF} -man -Tutf8 -P-cbou ${PROJECT_SOURCE_DIR}/Shapecalc/man/Shapecalc.1
            > ${manual_text}
    DEPENDS ${PROJECT_SOURCE_DIR}/Shapecalc/man/Shapecalc.1
    VERBATIM)
add_custom_target(manual_text ALL DEPENDS ${manual_text})
install(FILES ${manual_text} ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Shapecalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Shapecalc-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
