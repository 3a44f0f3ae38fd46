# Installs the build into a scratch prefix and checks what landed there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/lendora libexec/lendora/lendora-workbook share/applications/lendora.desktop
        share/icons/hicolor/scalable/apps/lendora.svg
        share/icons/hicolor/48x48/apps/lendora.png share/icons/hicolor/256x256/apps/lendora.png)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/lendora.desktop" entry)
foreach(line "Type=Application" "Name=Lendora" "Icon=lendora" "exec lendora")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
