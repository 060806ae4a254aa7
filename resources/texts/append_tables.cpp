// Build step: fills the program file with zeros up to the tables' offset and appends
// the scrambled lines of the texts file, each ended by a carriage return and line feed.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "resources/texts/table_texts.h"

namespace {

// The tables begin at byte 15,000,000 of the program file, counted from 1.
constexpr std::uintmax_t kTablesOffset = 14'999'999;

int Fail(const std::string& message) {
    std::cerr << "append_tables: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) return Fail("usage: append_tables <program file> <texts file>");
    const std::filesystem::path program = argv[1];

    std::ifstream in(argv[2], std::ios::binary);
    if (!in) return Fail(std::string("cannot read ") + argv[2]);
    std::ostringstream contents;
    contents << in.rdbuf();
    const auto parsed = ParseTableTexts(contents.str());
    if (!parsed.errors.empty()) {
        for (const auto& error : parsed.errors) std::cerr << argv[2] << ": " << error << "\n";
        return Fail("the texts file has faults");
    }

    std::error_code ec;
    const auto size = std::filesystem::file_size(program, ec);
    if (ec) return Fail("cannot read the size of " + program.string());
    if (size > kTablesOffset) {
        return Fail(program.string() + " is " + std::to_string(size) + " bytes, larger than the " +
                    std::to_string(kTablesOffset) +
                    " bytes that may stand before the appended tables");
    }
    std::filesystem::resize_file(program, kTablesOffset, ec);
    if (ec) return Fail("cannot fill " + program.string() + ": " + ec.message());

    std::ofstream out(program, std::ios::binary | std::ios::app);
    for (const auto& line : StoredTableLines(parsed.texts)) out << line << "\r\n";
    out.flush();
    if (!out) return Fail("cannot append the tables to " + program.string());
    return 0;
}
