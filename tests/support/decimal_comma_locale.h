#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <string>

// Puts the C and C++ numeric locales on a decimal comma for one test.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() : savedGlobal_(std::locale()) {
        if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) savedC_ = current;
        ::setenv("LOCPATH", KAVLOR_TEST_LOCALES, 1);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_NUMERIC, name)) break;
        }
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    }
    ~DecimalCommaLocale() {
        std::setlocale(LC_NUMERIC, savedC_.c_str());
        std::locale::global(savedGlobal_);
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // True when the C library itself now writes "0,5".
    static bool Active() {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 0.5);
        return std::string(text) == "0,5";
    }

  private:
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::string savedC_ = "C";
    std::locale savedGlobal_;
};
