# make package-windows: velmo-calc-<version>-setup.exe (NSIS, for the current user) and
# velmo-calc-<version>-win64.zip (the program, its licence and a Chinese read-me), in the build
# folder. The licence comes from the Debian copyright file; both texts are written with Windows
# line ends and a byte-order mark, so that Notepad on Windows 7 shows their Chinese.
find_program(MAKENSIS makensis REQUIRED)
set(package_name velmo-calc-${PROJECT_VERSION})
set(staging ${PROJECT_BINARY_DIR}/package-windows/${package_name}-win64)
set(VELMO_LICENSE_NAME LICENSE.txt)
set(VELMO_README_NAME readme.txt)
set(VELMO_LICENSE ${staging}/${VELMO_LICENSE_NAME})
set(VELMO_README ${staging}/${VELMO_README_NAME})
set(VELMO_PROGRAM ${staging}/velmo-calc.exe)
set(VELMO_SETUP ${PROJECT_BINARY_DIR}/${package_name}-setup.exe)
set(VELMO_ASSETS_DIR ${PROJECT_SOURCE_DIR}/assets)
string(ASCII 239 187 191 bom)

file(READ ${PROJECT_SOURCE_DIR}/assets/copyright copyright)
string(REGEX REPLACE ".*\nCopyright: ([^\n]*)\nLicense: MIT\n" "" licence "${copyright}")
string(REGEX REPLACE "\n \\.\n" "\n\n" licence "${licence}")
string(REGEX REPLACE "(^|\n) " "\\1" licence "${licence}")
string(REGEX MATCH "Copyright: [^\n]*" holder "${copyright}")
string(REPLACE "Copyright: " "Copyright (c) " holder "${holder}")
file(CONFIGURE OUTPUT ${VELMO_LICENSE} CONTENT "${bom}MIT License\n\n${holder}\n\n${licence}" NEWLINE_STYLE CRLF)
file(READ ${PROJECT_SOURCE_DIR}/assets/readme.txt.in readme)
file(CONFIGURE OUTPUT ${VELMO_README} CONTENT "${bom}${readme}" @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/assets/velmo.nsi.in ${PROJECT_BINARY_DIR}/package-windows/velmo.nsi @ONLY)

add_custom_target(package-windows
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmo-calc> ${VELMO_PROGRAM}
    COMMAND ${MAKENSIS} -INPUTCHARSET UTF8 -V2 ${PROJECT_BINARY_DIR}/package-windows/velmo.nsi
    COMMAND ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${package_name}-win64.zip --format=zip
            ${package_name}-win64
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/package-windows
    DEPENDS velmo-calc
    COMMENT "Building ${package_name}-setup.exe and ${package_name}-win64.zip"
    VERBATIM)
