# make package-windows: the program for this build's Windows in a zip, velmo-calc-<version>-win64.zip
# or -win32.zip (the program, its licence and a Chinese read-me); and in the 32-bit build, given
# the 64-bit program (VELMO_PROGRAM_64), velmo-calc-<version>-setup.exe (NSIS, for the current
# user), which starts on either Windows and installs the program made for it. The licence comes
# from the Debian copyright file; both texts are written with Windows line ends and a byte-order
# mark, so that Notepad on Windows 7 shows their Chinese.
find_program(MAKENSIS makensis REQUIRED)
math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
set(package_name velmo-calc-${PROJECT_VERSION})
set(staging ${PROJECT_BINARY_DIR}/package-windows/${package_name}-win${bits})
set(VELMO_LICENSE_NAME LICENSE.txt)
set(VELMO_README_NAME readme.txt)
set(VELMO_LICENSE ${staging}/${VELMO_LICENSE_NAME})
set(VELMO_README ${staging}/${VELMO_README_NAME})
set(VELMO_PROGRAM ${staging}/velmo-calc.exe)
set(VELMO_ASSETS_DIR ${PROJECT_SOURCE_DIR}/assets)
set(VELMO_PROGRAM_64 "" CACHE FILEPATH "The 64-bit velmo-calc.exe the 32-bit build's installer carries too")
set(VELMO_INSTALLER ${PROJECT_BINARY_DIR}/${package_name}-setup.exe
    CACHE FILEPATH "The installer the installer test installs")
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

set(zip ${package_name}-win${bits}.zip)
set(installer_commands)
if(bits EQUAL 32 AND VELMO_PROGRAM_64)
    configure_file(${PROJECT_SOURCE_DIR}/assets/velmo.nsi.in ${PROJECT_BINARY_DIR}/package-windows/velmo.nsi @ONLY)
    set(installer_commands COMMAND ${MAKENSIS} -INPUTCHARSET UTF8 -V2 ${PROJECT_BINARY_DIR}/package-windows/velmo.nsi)
endif()
add_custom_target(package-windows
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmo-calc> ${VELMO_PROGRAM}
    ${installer_commands}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${zip} --format=zip ${package_name}-win${bits}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/package-windows
    DEPENDS velmo-calc
    COMMENT "Building the Windows downloads in ${PROJECT_BINARY_DIR}"
    VERBATIM)
