include(CMakePackageConfigHelpers)

# A formula library: a shared object that exports only the functions its headers mark with
# <NAME>_API (hidden visibility otherwise, dllexport/dllimport on Windows), versioned with the
# project, built with the project's floating-point flags, and packaged for other projects.
function(shapecalc_add_formula_library TARGET description)
    string(TOUPPER ${TARGET} UPPER)
    add_library(${TARGET} SHARED ${ARGN})
    add_library(${TARGET}::${TARGET} ALIAS ${TARGET})
    target_include_directories(${TARGET} PUBLIC
        $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_compile_definitions(${TARGET} PRIVATE ${UPPER}_EXPORTS INTERFACE ${UPPER}_SHARED)
    set_target_properties(${TARGET} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    shapecalc_set_flags(${TARGET})
    shapecalc_package_library(${TARGET} "${description}")
endfunction()

# Version header, install rules, CMake package (with version file) and pkg-config file of one
# formula library. `description` goes into the .pc file.
function(shapecalc_package_library TARGET description)
    string(TOUPPER ${TARGET} UPPER)
    string(TOLOWER ${TARGET} lower)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/include)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Version.hpp.in ${generated}/${TARGET}/Version.hpp
                   @ONLY)
    target_include_directories(${TARGET} PUBLIC $<BUILD_INTERFACE:${generated}>)

    install(TARGETS ${TARGET} EXPORT ${TARGET}Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(DIRECTORY include/${TARGET} ${generated}/${TARGET}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

    set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${TARGET})
    install(EXPORT ${TARGET}Targets NAMESPACE ${TARGET}:: DESTINATION ${cmake_dir})
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}Config.cmake INSTALL_DESTINATION ${cmake_dir})
    write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${TARGET}ConfigVersion.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}Config.cmake
                  ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}ConfigVersion.cmake
        DESTINATION ${cmake_dir})

    # The .pc file finds its prefix from where it lies, so any install prefix works.
    file(RELATIVE_PATH PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
    string(REGEX REPLACE "/$" "" PC_TO_PREFIX "${PC_TO_PREFIX}")
    set(PC_DESCRIPTION "${description}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/library.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${lower}.pc
                   @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${lower}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
