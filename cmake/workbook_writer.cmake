# lendora-workbook: writes Excel workbooks with libxlsxwriter (Debian's
# libxlsxwriter-dev) from a script: the Analysis window's workbook export,
# and the survey import's tests and benchmark. A program of its own, since
# libxlsxwriter's minizip and the program's QuaZip export the same symbols;
# the program itself never links libxlsxwriter.
if(NOT TARGET lendora-workbook)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
    add_executable(lendora-workbook ${PROJECT_SOURCE_DIR}/src/app/workbook_writer.cpp
                                    ${PROJECT_SOURCE_DIR}/src/app/workbook_deflate.cpp)
    target_link_libraries(lendora-workbook PRIVATE PkgConfig::XLSXWRITER lendora_warnings
                                                   ${CMAKE_DL_LIBS})
    # The zip library finds workbook_deflate.cpp's deflateInit2_ in the program.
    target_link_options(lendora-workbook PRIVATE
                        LINKER:--export-dynamic-symbol=deflateInit2_)
    # Beside the program in the build tree; in libexec once installed.
    set_target_properties(lendora-workbook PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                      ${PROJECT_BINARY_DIR})
    install(TARGETS lendora-workbook RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/lendora)
endif()
