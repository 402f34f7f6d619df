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
    # The public headers need C++11 (deleted constructors); the sources are C++17.
    target_compile_features(${TARGET} PUBLIC cxx_std_11)
    set_target_properties(${TARGET} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    shapecalc_set_flags(${TARGET})
    # A library may use nothing of the C library (the roots of constants fold away), but it still
    # names it among its dependencies, as distributions require; --as-needed would drop it.
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        target_link_options(${TARGET} PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")
    endif()
    shapecalc_generate_headers(${TARGET})
    shapecalc_export_library(${TARGET} "${description}")
endfunction()

# The export and version headers, made from one template each for both libraries.
function(shapecalc_generate_headers TARGET)
    string(TOUPPER ${TARGET} UPPER)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/include)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Export.hpp.in ${generated}/${TARGET}/Export.hpp
                   @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Version.hpp.in ${generated}/${TARGET}/Version.hpp
                   @ONLY)
    target_include_directories(${TARGET} PUBLIC $<BUILD_INTERFACE:${generated}>)
endfunction()

# The CMake package of one formula library, for the build tree (find_package with <TARGET>_DIR
# set to this folder) and, when the project installs, the install rules, the installed package
# with its version file and the pkg-config file. `description` goes into the .pc file.
function(shapecalc_export_library TARGET description)
    string(TOUPPER ${TARGET} UPPER)
    string(TOLOWER ${TARGET} lower)
    set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${TARGET})
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}Config.cmake INSTALL_DESTINATION ${cmake_dir})
    write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${TARGET}ConfigVersion.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    export(TARGETS ${TARGET} NAMESPACE ${TARGET}::
        FILE ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}Targets.cmake)
    if(NOT SHAPECALC_INSTALL)
        return()
    endif()

    install(TARGETS ${TARGET} EXPORT ${TARGET}Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(DIRECTORY include/${TARGET} ${CMAKE_CURRENT_BINARY_DIR}/include/${TARGET}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(EXPORT ${TARGET}Targets NAMESPACE ${TARGET}:: DESTINATION ${cmake_dir})
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
