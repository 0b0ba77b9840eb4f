# SPDX-License-Identifier: MIT
# What the Windows zip holds: the program with exactly the DLLs it loads
# beside it (Qt's, its platform plugin, the MinGW runtime), the
# licences and a short README. Unzipped anywhere, it runs.
install(TARGETS qv-designer RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)

# The runtime DLLs, named here; the check below keeps the list honest.
foreach(qt_module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${qt_module}> DESTINATION .)
endforeach()
set(runtime_dirs $<TARGET_FILE_DIR:Qt6::Core>)
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
    install(FILES ${file} DESTINATION .)
    get_filename_component(dir ${file} DIRECTORY)
    list(APPEND runtime_dirs ${dir})
endforeach()
install(CODE "
    cmake_policy(PUSH)
    cmake_policy(VERSION 3.25)
    set(QV_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(QV_RUNTIME_DIRS \"${runtime_dirs}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/check-windows-dlls.cmake\")
    cmake_policy(POP)
")

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/toolkit/controls/fonts/LICENSE-DejaVu DESTINATION licences RENAME DejaVu-fonts.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.txt)
configure_file(README-windows.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
