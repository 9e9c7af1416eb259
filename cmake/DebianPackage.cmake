# make package: velmo-calc_<version>_amd64.deb, installing to /usr, its Depends computed
# from the program's shared libraries.
set(deb_doc ${CMAKE_INSTALL_DATADIR}/doc/velmo-calc)
configure_file(${PROJECT_SOURCE_DIR}/assets/changelog.in ${PROJECT_BINARY_DIR}/deb/changelog @ONLY)
# Compressed as Debian asks: the best compression, no name or time stamp in the header.
execute_process(COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/deb/changelog
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/deb/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_SOURCE_DIR}/assets/copyright ${PROJECT_BINARY_DIR}/deb/changelog.gz DESTINATION ${deb_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmo-calc)
set(CPACK_PACKAGE_VENDOR "${VELMO_PUBLISHER}")
set(CPACK_PACKAGE_CONTACT "${VELMO_PUBLISHER} <velmo@example.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font list names Noto Serif CJK SC, which draws "×" and "÷" as large as "＋";
# Qt's Chinese catalog puts the fields' context menu in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.com/velmo)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for mixed numbers (${VELMO_NAME})")
set(CPACK_PACKAGE_DESCRIPTION "Type two mixed numbers, choose an operation and read the result as a reduced
mixed number and as a decimal, with exact integer arithmetic and clear
messages in Chinese.

带分数计算器：输入两个带分数，选择加、减、乘、除，得到约分后的带分数
结果和小数结果。")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
