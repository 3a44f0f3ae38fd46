#pragma once

#include <cstddef>
#include <cstdint>

// Fuzz target bodies, shared by the libFuzzer programs and by the test that
// replays their corpora.
namespace lendora::fuzz {

// Decodes arbitrary bytes as a record file, reads them with every item count
// the system uses and places the records into tables.
int recordReader(const std::uint8_t* data, std::size_t size);

// Writes the bytes as every kind of data file of a working directory (the
// registries with their flags, a details file, a segment file, the poll
// files, the analysis files) and runs every loader on them.
int loaders(const std::uint8_t* data, std::size_t size);

// Reads the bytes as an Excel workbook of survey responses. Input that does
// not begin like a ZIP archive replaces one part of a small workbook (its
// first byte picks which: the sheet, the shared strings, the styles, the
// workbook, its relationships), so that the parsers behind the archive see
// the fuzzer's bytes too.
int workbook(const std::uint8_t* data, std::size_t size);

// The leading-number rule and the number texts on arbitrary text.
int numbers(const std::uint8_t* data, std::size_t size);

} // namespace lendora::fuzz
