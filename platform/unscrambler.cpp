#include "platform/unscrambler.h"

namespace {

constexpr int kOffset = 71;
// Stands for the double quotation mark, which the stored lines never hold.
constexpr int kQuoteSubstitute = 30;
constexpr int kQuote = 34;

int IntoPrintable(int n) {
    while (n < 32) n += 224;
    while (n >= 256) n -= 224;
    return n;
}

}  // namespace

std::string APIs::UnscrambleLine(std::string_view line) {
    std::string result;
    result.reserve(line.size());
    int previous = 0;
    for (char ch : line) {
        int c = static_cast<unsigned char>(ch);
        if (c == kQuoteSubstitute) c = kQuote;
        result.push_back(static_cast<char>(IntoPrintable(c - previous + kOffset)));
        previous = c;
    }
    return result;
}

std::string Misc::ScrambleLine(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    int previous = 0;
    for (char ch : text) {
        const int wanted = static_cast<unsigned char>(ch);
        const int c = IntoPrintable(wanted + previous - kOffset);
        stored.push_back(static_cast<char>(c == kQuote ? kQuoteSubstitute : c));
        previous = c;
    }
    return stored;
}
