# `cpack` in a build folder makes a Debian package of the program, the libraries, their headers,
# CMake and pkg-config files and the man page, with its run-time dependencies worked out by
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shapecalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Shapecalc computes perimeters and areas of 13 plane figures and surface areas and volumes of \
10 solids through numbered console menus. The formula libraries Planix and Solidix, with their \
headers and CMake and pkg-config files, are included.")
set(CPACK_PACKAGE_CONTACT "Shapecalc maintainers <maintainers@shapecalc.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package's own libraries satisfy the program's needs on them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${PROJECT_BINARY_DIR}/Planix ${PROJECT_BINARY_DIR}/Solidix)
include(CPack)
