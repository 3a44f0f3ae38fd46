# lendora_workbook_writer: writes test workbooks with libxlsxwriter (Debian's
# libxlsxwriter-dev) for the survey import's tests and benchmark. A program
# of its own, since libxlsxwriter's minizip and the program's QuaZip export
# the same symbols; the program itself never links libxlsxwriter.
if(NOT TARGET lendora_workbook_writer)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
    add_executable(lendora_workbook_writer
        ${PROJECT_SOURCE_DIR}/tests/support/workbook_writer_tool.cpp)
    target_link_libraries(lendora_workbook_writer PRIVATE PkgConfig::XLSXWRITER lendora_warnings)
endif()
